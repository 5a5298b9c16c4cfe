// What helps the user with a page's value edits: a spin button that steps an edit within its
// range, and the tips that name an edit's range ("Number between 0 and 999999").
#pragma once

#include "pages/controls/ToolTipWnd.h"

class CDialog;
struct MSG;

// The spin nSpinID steps the edit nEditID between nMin and nMax (the edit's text follows); a
// plain edit takes whole numbers in that range (HoldPlainEditToRange).
void SetupSpin(CDialog& page, int nSpinID, int nEditID, int nMin, int nMax);
// A spin that is no buddy: its steps are the page's to handle (UDN_DELTAPOS).
void SetupFreeSpin(CDialog& page, int nSpinID, int nMin, int nMax, int nPos);

class CValueHints {
public:
    // "Number between %d and %d" on the edit; a plain edit takes what the hint says
    // (HoldPlainEditToRange).
    void AddRange(CDialog& page, int nEditID, int nMin, int nMax);
    // "Number between %.2f and %.2f" on the edit.
    void AddRange(CDialog& page, int nEditID, double dMin, double dMax);
    // Every message the page pretranslates, once the tips exist.
    void Relay(const MSG* pMsg);
    const CToolTipWnd& Tips() const { return m_tips; }

private:
    void Add(CDialog& page, int nEditID, const CString& strText);

    CToolTipWnd m_tips;
};
