#include "pages/sheet/AllPropertySheet.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "blocks/BlockTypeTable.h"
#include "pages/ladder/LadderApply.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/SheetButtons.h"
#include "pages/sheet/SheetHooks.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/SheetHost.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"

#include <vector>

IMPLEMENT_DYNAMIC(CAllPropertySheet, CBlockSheetBase)

BEGIN_MESSAGE_MAP(CAllPropertySheet, CBlockSheetBase)
    ON_MESSAGE(WM_ACTIVATE, OnActivateMessage)
END_MESSAGE_MAP()

namespace {

// The help topic of the types the help file has no topic of.
constexpr UINT kDefaultHelpTopic = 1052;
constexpr int kButtonGap = 6;
constexpr int kSheetMargin = 7;

// The sheet's buttons from right to left.
constexpr int kStripButtons[] = {IDHELP, ID_APPLY_NOW, IDCANCEL, IDOK};

void GrowWindow(CWnd* pWnd, int nExtra)
{
    if (!pWnd)
        return;
    CRect rect;
    pWnd->GetWindowRect(rect);
    pWnd->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height() + nExtra,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CAllPropertySheet::CAllPropertySheet(int nType, LPCTSTR pszCaption, ISheetHost* pHost, UINT iSelectPage)
    : CBlockSheetBase(pszCaption, pHost, iSelectPage),
      m_nType(nType),
      m_pHost(pHost),
      m_pRow(FindBlockPageRow(nType))
{
    if (m_pRow && m_pRow->pfnCreatePage)
        m_pMainPage = CreateBlockPage(m_pRow->pfnCreatePage, nType);
    else if (m_pRow && m_pRow->pfnCreateDocumentPage)
        m_pMainPage = AddBlockPage(m_pRow->pfnCreateDocumentPage(nType, m_pHost ? m_pHost->GetSheetDocument() : nullptr));
    if (m_pMainPage)
        m_pMainPage->m_bMainPage = TRUE;
    if (m_pRow) {
        // The titles are reserved first: the pages point at them.
        m_extraTitles.resize(m_pRow->extraPages.size());
        m_extraPages.resize(m_pRow->extraPages.size());
        AddExtraPages(false);
    }
    AddPage(&m_pageComment);
    if (m_pRow)
        AddExtraPages(true);
    if (IsChinesePageUI()) {
        if (m_pMainPage)
            SetTabTitle(*m_pMainPage, m_pRow->nMainTitleKey ? m_pRow->nMainTitleKey : TEXT_KEY_MAIN_PAGE, m_strMainTitle);
        SetTabTitle(m_pageComment, TEXT_KEY_COMMENT_PAGE, m_strCommentTitle);
    }
}

void CAllPropertySheet::AddExtraPages(bool bAfterComment)
{
    for (size_t i = 0; i < m_pRow->extraPages.size(); ++i) {
        const ExtraPageRow& extra = m_pRow->extraPages[i];
        if (extra.bAfterComment != bAfterComment || (extra.bSimulationOnly && !m_bModeless))
            continue;
        CBlockPage* pPage = CreateBlockPage(extra.pfnCreatePage, m_nType);
        m_extraPages[i].reset(pPage);
        if (extra.nTitleKey && IsChinesePageUI())
            SetTabTitle(*pPage, extra.nTitleKey, m_extraTitles[i]);
    }
}

CBlockPage* CAllPropertySheet::CreateBlockPage(CBlockPage* (*pfnCreate)(int), int nType)
{
    return AddBlockPage(pfnCreate(nType));
}

CBlockPage* CAllPropertySheet::AddBlockPage(CBlockPage* pPage)
{
    if (!pPage)
        return nullptr;
    pPage->m_bSimulating = m_bModeless;
    pPage->m_pDocument = m_pHost ? m_pHost->GetSheetDocument() : nullptr;
    AddPage(pPage);
    return pPage;
}

CBlockPage* CAllPropertySheet::BoundPage(const PageBinding& binding) const
{
    if (binding.nPage == 0)
        return m_pMainPage;
    const size_t nExtra = size_t(binding.nPage - 1);
    return nExtra < m_extraPages.size() ? m_extraPages[nExtra].get() : nullptr;
}

void CAllPropertySheet::SetPagesModified(BOOL bModified)
{
    if (m_pMainPage)
        m_pMainPage->SetModified(bModified);
    for (const auto& pPage : m_extraPages) {
        if (pPage)
            pPage->SetModified(bModified);
    }
    m_pageComment.SetModified(bModified);
}

CAllPropertySheet::~CAllPropertySheet()
{
    delete m_pMainPage;
    m_pMainPage = nullptr;
}

// A key the map lacks keeps the template's caption as the tab's title.
void CAllPropertySheet::SetTabTitle(CPropertyPage& page, WORD nKey, CString& strTitle)
{
    if (!LookupPageText(nKey, strTitle))
        return;
    page.m_psp.pszTitle = strTitle;
    page.m_psp.dwFlags |= PSP_USETITLE;
}

CBlockObj* CAllPropertySheet::FindRunningBlock() const
{
    CVetlaDoc* pDoc = m_bModeless && m_pHost ? m_pHost->GetSheetDocument() : nullptr;
    CBlockObj* pBlock = pDoc ? pDoc->FindBlockByNumber(m_nBlockNumber) : nullptr;
    return pBlock && pBlock->m_nType == m_nType ? pBlock : nullptr;
}

UINT CAllPropertySheet::GetHelpTopic() const
{
    return m_pRow && m_pRow->nHelpTopic ? m_pRow->nHelpTopic : kDefaultHelpTopic;
}

// ---- copying ----

void CAllPropertySheet::CopyIn(const CBlockObj& block)
{
    m_pageComment.m_strComment = block.m_strComment;
    if (!m_pMainPage)
        return;
    m_pMainPage->m_strName = block.m_strLabelSuffix;
    m_pMainPage->m_nBlockNumber = block.m_nNumber;
    for (const auto& pPage : m_extraPages) {
        if (pPage)
            pPage->m_nBlockNumber = block.m_nNumber;
    }
    for (const PageBinding& binding : m_pRow->bindings) {
        if (CBlockPage* pPage = BoundPage(binding))
            binding.pfnMember(*pPage) = ReadBlockWord(block, binding.word);
    }
    m_pMainPage->CopyFromBlock(block);
    if (m_pRow->pHooks && m_pRow->pHooks->pfnCopyIn)
        m_pRow->pHooks->pfnCopyIn(block, *this);
}

void CAllPropertySheet::CopyBack(CBlockObj& block) const
{
    block.m_strComment = m_pageComment.m_strComment;
    if (!m_pMainPage)
        return;
    block.m_strLabelSuffix = m_pMainPage->m_strName;
    for (const PageBinding& binding : m_pRow->bindings) {
        CBlockPage* pPage = BoundPage(binding);
        if (pPage && (binding.nWriteBack & WRITE_ON_OK))
            WriteBlockWord(block, binding.word, binding.pfnMember(*pPage));
    }
    m_pMainPage->CopyToBlock(block);
    if (m_pRow->pHooks && m_pRow->pHooks->pfnCopyBack && m_pHost)
        m_pRow->pHooks->pfnCopyBack(*this, block, *m_pHost);
}

SheetApplyRecord CAllPropertySheet::BuildApplyRecord() const
{
    SheetApplyRecord record;
    record.nType = m_nType;
    record.nBlockNumber = m_nBlockNumber;
    record.strComment = m_pageComment.m_strComment;
    if (!m_pMainPage)
        return record;
    record.bHasName = TRUE;
    record.strName = m_pMainPage->m_strName;
    // The page's own part first: preparing it may settle members that the words carry.
    m_pMainPage->AddToApplyRecord(record);
    for (const PageBinding& binding : m_pRow->bindings) {
        CBlockPage* pPage = BoundPage(binding);
        if (pPage && (binding.nWriteBack & WRITE_ON_APPLY))
            record.words.emplace_back(binding.word, binding.pfnMember(*pPage));
    }
    return record;
}

BOOL WriteApplyRecord(const SheetApplyRecord& record, CBlockObj& block, ISheetHost* pHost)
{
    if (block.m_nType != record.nType)
        return FALSE;
    if (IsLadderElementType(record.nType))
        return pHost && WriteLadderApplyRecord(record, block, *pHost);
    if (record.bHasName)
        block.m_strLabelSuffix = record.strName;
    block.m_strComment = record.strComment;
    for (const auto& [word, nValue] : record.words)
        WriteBlockWord(block, word, nValue);
    for (const auto& write : record.writers)
        write(block);
    const BlockPageRow* pRow = FindBlockPageRow(record.nType);
    if (pHost && pRow && pRow->pHooks && pRow->pHooks->pfnWriteRecord)
        pRow->pHooks->pfnWriteRecord(record, block, *pHost);
    return TRUE;
}

// ---- Apply and the live value ----

BOOL CAllPropertySheet::OnApplyNow()
{
    CPropertyPage* pActive = GetActivePage();
    if (pActive && IsWindow(pActive) && !pActive->UpdateData(TRUE))
        return FALSE;
    SheetApplyRecord record = BuildApplyRecord();
    if (m_pRow && m_pRow->pHooks && m_pRow->pHooks->pfnBuildRecord)
        m_pRow->pHooks->pfnBuildRecord(*this, record);
    const BOOL bWritten = m_pHost && m_pHost->ApplySheetValues(record);
    SetPagesModified(FALSE);
    if (pActive && IsWindow(pActive))
        pActive->SetFocus();
    // A record whose block has gone changed nothing, so it takes no snapshot either.
    if (bWritten) {
        if (CVetlaDoc* pDoc = m_pHost->GetSheetDocument())
            pDoc->m_undo.SaveState(pDoc);
    }
    return TRUE;
}

void CAllPropertySheet::RefreshValue(CBlockObj& block, const CSimContext& sim)
{
    m_nRunState = sim.nRunState;
    if (!m_pMainPage || !m_pRow->pfnLiveValue || GetActivePage() == &m_pageComment)
        return;
    // An extra page that shows shows the value (the weekly timer's cams).
    CBlockPage* pTarget = m_pMainPage;
    for (const auto& pPage : m_extraPages) {
        if (pPage && GetActivePage() == pPage.get())
            pTarget = pPage.get();
    }
    CString strText;
    if (m_pRow->pfnLiveValue(block, sim, strText))
        pTarget->DrawCurrentValue(strText);
}

// ---- the window ----

BOOL CAllPropertySheet::OnInitDialog()
{
    const BOOL bResult = CBlockSheetBase::OnInitDialog();
    CreateSheetButtons();
    const int nBoxRoom = m_pMainPage && IsWindow(m_pMainPage) ? m_pMainPage->ValueBoxExtraRoom() : 0;
    ArrangeLayout(m_pRow ? m_pRow->nGrowth + nBoxRoom : 0);
    FitButtonStrip();
    if (const IWindowBackend* pBackend = AfxGetWindowBackend())
        FitLowScreen(pBackend->GetWorkArea().Height());
    PlaceSheetOverMainWindow(*this, m_nCascade);
    if (m_pMainPage && IsWindow(m_pMainPage))
        m_pMainPage->GetWindowRect(m_pageComment.m_rcPage);
    SetSheetButtonTexts(*this);
    if (IsChinesePageUI())
        TranslateTexts();
    if (CWnd* pHelp = GetDlgItem(IDHELP))
        pHelp->EnableWindow(HasPageHelp());
    return bResult;
}

BOOL CAllPropertySheet::CreateSheetButtons()
{
    if (!m_bModeless)
        return FALSE;
    ShowModelessButtonStrip(*this);
    return TRUE;
}

// The shown buttons from the right edge leftwards; a sheet narrower than its buttons (a small
// page such as the logic gates') widens to hold them, its tabs with it.
void CAllPropertySheet::FitButtonStrip()
{
    std::vector<CWnd*> shown;
    int nNeeded = kSheetMargin;
    for (int nID : kStripButtons) {
        CWnd* pButton = GetDlgItem(nID);
        if (!pButton || !(pButton->GetStyle() & WS_VISIBLE))
            continue;
        CRect rect;
        pButton->GetWindowRect(rect);
        nNeeded += rect.Width() + kButtonGap;
        shown.push_back(pButton);
    }
    nNeeded += kSheetMargin - kButtonGap;
    CRect rcClient;
    GetClientRect(rcClient);
    if (rcClient.Width() < nNeeded) {
        const int nWider = nNeeded - rcClient.Width();
        CRect rcWindow;
        GetWindowRect(rcWindow);
        SetWindowPos(nullptr, 0, 0, rcWindow.Width() + nWider, rcWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcTab;
        GetTabControl()->GetWindowRect(rcTab);
        GetTabControl()->SetWindowPos(nullptr, 0, 0, rcTab.Width() + nWider, rcTab.Height(),
                                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // The pages made so far take the wider area too.
        GetTabControl()->GetWindowRect(rcTab);
        ScreenToClient(rcTab);
        GetTabControl()->AdjustRect(FALSE, rcTab);
        for (int i = 0; i < GetPageCount(); ++i) {
            CPropertyPage* pPage = GetPage(i);
            if (IsWindow(pPage)) {
                CRect rcPage;
                pPage->GetWindowRect(rcPage);
                ScreenToClient(rcPage);
                pPage->MoveWindow(rcPage.left, rcPage.top, rcTab.Width(), rcPage.Height());
            }
        }
        GetClientRect(rcClient);
    }
    int nRight = rcClient.right - kSheetMargin;
    for (CWnd* pButton : shown) {
        CRect rect;
        pButton->GetWindowRect(rect);
        ScreenToClient(rect);
        pButton->SetWindowPos(nullptr, nRight - rect.Width(), rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        nRight -= rect.Width() + kButtonGap;
    }
}

void CAllPropertySheet::FitLowScreen(int nScreenHeight)
{
    const CVetlaDoc* pDoc = m_pHost ? m_pHost->GetSheetDocument() : nullptr;
    if (!m_pRow || !m_pRow->bFitsLowScreen || !pDoc || !pDoc->IsNewGenerationDoc() || nScreenHeight <= 0)
        return;
    CRect rcSheet;
    GetWindowRect(rcSheet);
    CWnd* pOK = GetDlgItem(IDOK);
    if (rcSheet.Height() <= nScreenHeight || !pOK)
        return;
    CRect rcOK;
    pOK->GetWindowRect(rcOK);
    const int w = rcOK.Width();
    const int h = rcOK.Height();
    const int g = rcSheet.bottom - rcOK.bottom;
    if (rcOK.top <= rcSheet.top || g < 0)
        return;
    CRect rcClient;
    GetClientRect(rcClient);
    const int x = rcClient.right;
    SetWindowPos(nullptr, 0, 0, rcSheet.Width() + w + g, rcOK.top - rcSheet.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Help goes with them: below the cut it could not be reached.
    int i = 0;
    for (int nID : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP}) {
        CWnd* pButton = GetDlgItem(nID);
        if (!pButton || !(pButton->GetStyle() & WS_VISIBLE))
            continue;
        pButton->SetWindowPos(nullptr, x, (i + 1) * g + i * h, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
        ++i;
    }
}

void CAllPropertySheet::ArrangeLayout(int nExtra)
{
    if (!m_bModeless || nExtra == 0)
        return;
    GrowWindow(this, nExtra);
    GrowWindow(GetTabControl(), nExtra);
    GrowWindow(m_pMainPage && IsWindow(m_pMainPage) ? m_pMainPage : nullptr, nExtra);
    for (int nID : kStripButtons) {
        CWnd* pButton = GetDlgItem(nID);
        CRect rect;
        pButton->GetWindowRect(rect);
        ScreenToClient(rect);
        pButton->SetWindowPos(nullptr, rect.left, rect.top + nExtra, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// A key the map lacks keeps the text the control has.
void CAllPropertySheet::TranslateTexts()
{
    if (m_pMainPage && IsWindow(m_pMainPage))
        TranslateControls(*m_pMainPage, m_pRow->textKeys);
}

void CAllPropertySheet::OnHelpButton() { OpenPageHelp(GetHelpTopic()); }

LRESULT CAllPropertySheet::OnActivateMessage(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    CWnd* pOther = WndFromParam(lParam);
    if (m_bModeless && m_pHost && LOWORD(DWORD(wParam)) != WA_INACTIVE && pOther && pOther->IsWindowVisible() &&
        (m_pHost->IsValuePopup(pOther) || dynamic_cast<CPropertySheet*>(pOther)))
        m_pHost->CloseValuePopup();
    return lResult;
}

BOOL CAllPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 && HasPageHelp()) {
        OpenPageHelp(GetHelpTopic());
        return TRUE;
    }
    return CBlockSheetBase::PreTranslateMessage(pMsg);
}

void CAllPropertySheet::PostNcDestroy()
{
    CBlockSheetBase::PostNcDestroy();
    if (!m_bModeless)
        return;
    if (m_pRow && m_pRow->pHooks && m_pRow->pHooks->pfnClosedModeless) {
        CVetlaDoc* pDoc = m_pHost ? m_pHost->GetSheetDocument() : nullptr;
        if (CBlockObj* pBlock = pDoc ? pDoc->FindBlockByNumber(m_nBlockNumber) : nullptr)
            m_pRow->pHooks->pfnClosedModeless(*pBlock);
    }
    if (m_pHost)
        m_pHost->OnSheetDestroyed(this);
    delete this;
}
