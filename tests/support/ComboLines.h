// The lines of a combo box, top to bottom, as the user sees them listed.
#pragma once

#include "platform/ui/ComboBox.h"

#include <vector>

inline std::vector<CString> ComboLines(CComboBox& combo)
{
    std::vector<CString> lines;
    for (int i = 0; i < combo.GetCount(); ++i) {
        lines.emplace_back();
        combo.GetLBText(i, lines.back());
    }
    return lines;
}

// The lines of the combo box of that id in the window; none when it has no such control.
inline std::vector<CString> ComboLines(CWnd& parent, int nID)
{
    auto* pCombo = static_cast<CComboBox*>(parent.GetDlgItem(nID));
    return pCombo ? ComboLines(*pCombo) : std::vector<CString>();
}
