// CTemplateBuilder: a property page's dialog template put together control by control, in tab
// order. Group frames are kept aside and go last, so that each lies below the controls it
// surrounds (a frame drawn over them would hide them).
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/ui/DialogTemplate.h"

#include <vector>

class CTemplateBuilder {
public:
    // A child page (the usual caption "Parameter"), or another style for a dialog.
    CTemplateBuilder(UINT nID, LPCTSTR lpszCaption, CSize size, DWORD dwStyle = WS_CHILD | DS_SETFONT);

    CTemplateBuilder& Label(int nID, LPCTSTR lpszText, CRect rect);
    CTemplateBuilder& Edit(int nID, CRect rect, DWORD dwExtra = 0);
    // An edit the page shows only when it needs it.
    CTemplateBuilder& HiddenEdit(int nID, CRect rect);
    // An edit with its spin button at its right edge. bBuddyInt: the spin writes its position
    // into the edit; otherwise the page steps the value itself.
    CTemplateBuilder& SpinEdit(int nEditID, int nSpinID, CRect rect, bool bBuddyInt = true);
    // A spin button on its own, attached to its edit by the page.
    CTemplateBuilder& Spin(int nID, CRect rect);
    CTemplateBuilder& Check(int nID, LPCTSTR lpszText, CRect rect, DWORD dwExtra = 0);
    CTemplateBuilder& Push(int nID, LPCTSTR lpszText, CRect rect);
    CTemplateBuilder& Radio(int nID, LPCTSTR lpszText, CRect rect, bool bFirst, bool bVisible = true);
    CTemplateBuilder& Group(int nID, LPCTSTR lpszText, CRect rect);
    CTemplateBuilder& HiddenGroup(int nID, LPCTSTR lpszText, CRect rect);
    // A drop-down list with its items.
    CTemplateBuilder& List(int nID, CRect rect, std::vector<CString> items = {});
    // A drop-down list of the numbers 0 to nLast.
    CTemplateBuilder& Numbers(int nID, CRect rect, int nLast);
    // The "Block name" label and edit, the edit's top at y.
    CTemplateBuilder& Name(int y = 10);
    void Register();

private:
    CTemplateBuilder& Add(DialogItemTemplate item);

    DialogTemplate m_t;
    std::vector<DialogItemTemplate> m_groups;
};
