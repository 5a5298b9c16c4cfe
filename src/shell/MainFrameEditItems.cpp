// The edit items of the diagram's context menu (Cut, Copy, Paste, Delete), which the frame
// draws itself: the command's picture and a caption with its shortcut, greyed while the item is
// disabled or the diagram simulates.
#include "shell/MainFrame.h"

#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/ui/DrawItem.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/ToolBarGlyphs.h"

#include <cstdlib>

namespace {

struct EditItem {
    UINT nID;
    LPCTSTR lpszText;
};

// The captions line their shortcuts up with runs of spaces.
constexpr EditItem kEditItems[] = {
    {ID_EDIT_CUT, _T("Cut             Ctrl+X")},
    {ID_EDIT_COPY, _T("Copy          Ctrl+C")},
    {ID_EDIT_PASTE, _T("Paste          Ctrl+V")},
    {ID_EDIT_CLEAR, _T("Delete         Delete")},
};

const EditItem* FindEditItem(UINT nID)
{
    for (const EditItem& item : kEditItems) {
        if (item.nID == nID)
            return &item;
    }
    return nullptr;
}

}  // namespace

BOOL CMainFrame::IsActiveDocumentSimulating() const
{
    const CVetlaView* pView = GetActiveView();
    return pView && pView->GetDocument() && pView->GetDocument()->m_bSimulating;
}

void CMainFrame::OnDrawItem(int, LPDRAWITEMSTRUCT pItem)
{
    const EditItem* pEditItem = pItem->CtlType == ODT_MENU ? FindEditItem(pItem->itemID) : nullptr;
    if (!pEditItem)
        return;
    CDC* pDC = CDC::FromHandle(pItem->hDC);
    const CRect rect(pItem->rcItem);
    // A simulating diagram offers none of them, whatever the menu says.
    const bool bGrayed = IsActiveDocumentSimulating() || (pItem->itemState & ODS_GRAYED);
    const bool bSelected = !bGrayed && (pItem->itemState & ODS_SELECTED);
    const COLORREF crOldText = pDC->GetTextColor();
    const COLORREF crOldBk = pDC->GetBkColor();
    pDC->FillSolidRect(rect, GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_MENU));

    // The picture stands on the menu's colour, left in the item and centred from top to bottom.
    CDC dcPicture;
    CBitmap bitmap;
    if (dcPicture.CreateCompatibleDC(pDC) &&
        bitmap.CreateCompatibleBitmap(pDC, kToolGlyphWidth, kToolGlyphHeight)) {
        CBitmap* pOldBitmap = dcPicture.SelectObject(&bitmap);
        dcPicture.FillSolidRect(0, 0, kToolGlyphWidth, kToolGlyphHeight, GetSysColor(COLOR_MENU));
        DrawStockToolGlyph(dcPicture, pItem->itemID, CPoint(0, 0), true);
        pDC->BitBlt(rect.left + 4, rect.top + (rect.Height() - kToolGlyphHeight) / 2, kToolGlyphWidth,
                    kToolGlyphHeight, &dcPicture, 0, 0, SRCCOPY);
        dcPicture.SelectObject(pOldBitmap);
    }

    if (bGrayed) {
        pDC->SetBkColor(GetSysColor(COLOR_WINDOW));
        pDC->SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    } else {
        pDC->SetBkColor(GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        pDC->SetTextColor(GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    }
    pDC->TextOut(rect.left + kToolGlyphWidth + 8,
                 rect.top + 2 + std::abs((rect.Height() - kToolGlyphHeight) / 2), pEditItem->lpszText);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
}
