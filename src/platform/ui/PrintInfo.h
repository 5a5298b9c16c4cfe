// What a print job knows as the view's print loop runs: the page range (kept in the print
// dialog's settings, where the user changes it), the page being printed, the part of the page
// to draw in, and whether to go on.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/ui/PrintDialog.h"

#include <memory>

struct CPrintInfo {
    CPrintInfo();

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage); }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The range the user chose, within the minimum and maximum page; all pages when none.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    std::unique_ptr<CPrintDialog> m_pPD;
    BOOL m_bDirect = FALSE;    // printing without the dialog
    BOOL m_bPreview = FALSE;
    // The view clears it in OnPrepareDC to end a job whose page count it did not know.
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CString m_strPageDesc;
    void* m_lpUserData = nullptr;
    // The printable area of the page in logical units, set before each OnPrint.
    CRect m_rectDraw;
};
