#include "messagetext/AllDisplayMsgTxts.h"

#include "blocks/BlockMSGTEXT.h"
#include "document/SimMessageTexts.h"
#include "document/VetlaDoc.h"
#include "messagetext/InPlaceParamDlg.h"
#include "messagetext/MsgTxtDisplayIds.h"
#include "platform/ui/WndMessageMap.h"

#include <utility>

IMPLEMENT_DYNAMIC(CAllDisplayMsgTxts, CPropertySheet)

BEGIN_MESSAGE_MAP(CAllDisplayMsgTxts, CPropertySheet)
    ON_WM_MOVE()
    ON_MESSAGE(WM_ACTIVATE, OnActivateMessage)
    ON_MESSAGE(WM_MTD_END, OnEndMessage)
END_MESSAGE_MAP()

CAllDisplayMsgTxts::CAllDisplayMsgTxts(LPCTSTR pszCaption, ISimMessageDisplayHost& host, UINT nStartPage)
    : CPropertySheet(pszCaption, nullptr, nStartPage), m_pHost(&host)
{
    AddMessagePages();
}

CAllDisplayMsgTxts::~CAllDisplayMsgTxts() = default;

LRESULT CAllDisplayMsgTxts::OnActivateMessage(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    CWnd* pOther = WndFromParam(lParam);
    if (m_pHost && LOWORD(DWORD(wParam)) != WA_INACTIVE && pOther && pOther->IsWindowVisible() &&
        (m_pHost->IsValuePopup(pOther) || dynamic_cast<CPropertySheet*>(pOther)))
        m_pHost->CloseValuePopup();
    return lResult;
}

void CAllDisplayMsgTxts::AddMessagePages()
{
    CVetlaDoc* pDoc = m_pHost->GetDisplayDocument();
    if (!pDoc)
        return;
    for (CBlockMSGTEXT* pText : MessageTextsByPriority(*pDoc)) {
        auto pPage = std::make_unique<CMsgTxtDisplay>(m_pHost, this);
        pPage->TakeBlock(*pText);
        AddPage(pPage.get());
        m_pages.push_back(std::move(pPage));
    }
}

CAllDisplayMsgTxts* CAllDisplayMsgTxts::Open(ISimMessageDisplayHost& host)
{
    auto* pSheet = new CAllDisplayMsgTxts(_T("Message texts"), host);
    if (!pSheet->Create(host.GetDisplayParent())) {
        delete pSheet;
        return nullptr;
    }
    return pSheet;
}

CMsgTxtDisplay* CAllDisplayMsgTxts::GetDisplayPage(int nPage) const
{
    return nPage >= 0 && nPage < int(m_pages.size()) ? m_pages[size_t(nPage)].get() : nullptr;
}

std::vector<int> CAllDisplayMsgTxts::PageBlockNumbers() const
{
    std::vector<int> numbers;
    for (const auto& pPage : m_pages)
        numbers.push_back(pPage->m_nBlockNumber);
    return numbers;
}

// The sheet opens on the last page, in priority order, whose message is enabled.
BOOL CAllDisplayMsgTxts::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    CVetlaDoc* pDoc = m_pHost ? m_pHost->GetDisplayDocument() : nullptr;
    for (int i = 0; pDoc && i < int(m_pages.size()); ++i) {
        const CBlockObj* pBlock = pDoc->FindBlockByNumber(m_pages[size_t(i)]->m_nBlockNumber);
        if (pBlock && pBlock->m_nPinValue[0] != 0)
            SetActivePage(i);
    }
    return FALSE;
}

void CAllDisplayMsgTxts::SelectShownMessagePage(int nBlockNumber, int nEvent)
{
    CVetlaDoc* pDoc = m_pHost ? m_pHost->GetDisplayDocument() : nullptr;
    if (!pDoc)
        return;
    const int nActive = GetActiveIndex();
    const int nShow = ChooseShownMessagePage(*pDoc, PageBlockNumbers(), nActive, nBlockNumber, nEvent);
    if (nShow != nActive && nShow >= 0) {
        ClosePopups();
        SetActivePage(nShow);
    }
}

void CAllDisplayMsgTxts::ClosePopups()
{
    for (const auto& pPage : m_pages) {
        if (pPage->m_grid.m_pParamPopup)
            pPage->m_grid.CloseObjectPopup(FALSE);
    }
}

void CAllDisplayMsgTxts::DestroyDisplay()
{
    if (m_bEndPending)
        return;
    if (m_nModalLoops > 0) {
        // The code under the box still uses a page: the display goes from the screen and from
        // its host now, its window once the box has gone.
        m_bEndPending = TRUE;
        ClosePopups();
        ShowWindow(SW_HIDE);
        LeaveHost();
        return;
    }
    if (IsWindow(this))
        DestroyWindow();
    else
        PostNcDestroy();
}

void CAllDisplayMsgTxts::LeaveHost()
{
    ISimMessageDisplayHost* pHost = std::exchange(m_pHost, nullptr);
    for (const auto& pPage : m_pages)
        pPage->DetachHost();
    if (pHost)
        pHost->OnDisplayDestroyed();
}

void CAllDisplayMsgTxts::OnPageModalLoop(BOOL bRunning)
{
    m_nModalLoops += bRunning ? 1 : -1;
    // Posted: the code under the box returns through the page before the window goes.
    if (m_nModalLoops == 0 && m_bEndPending)
        PostMessage(WM_MTD_END);
}

LRESULT CAllDisplayMsgTxts::OnEndMessage(WPARAM, LPARAM)
{
    if (m_nModalLoops == 0)
        DestroyWindow();
    return 0;
}

BOOL CAllDisplayMsgTxts::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(DWORD(wParam)) != IDCANCEL)
        return CPropertySheet::OnCommand(wParam, lParam);
    // Hiding would leave an open popup alone on the screen and the host a display it cannot
    // show again: the display ends, and the next message that comes on opens it anew.
    DestroyDisplay();
    return TRUE;
}

BOOL CAllDisplayMsgTxts::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // A tab change, or anything else the sheet is told, drops an open popup's value.
    ClosePopups();
    return CPropertySheet::OnNotify(wParam, lParam, pResult);
}

void CAllDisplayMsgTxts::OnMove(int x, int y)
{
    CPropertySheet::OnMove(x, y);
    const CMsgTxtDisplay* pPage = GetDisplayPage(GetActiveIndex());
    if (pPage && pPage->m_grid.m_pParamPopup)
        pPage->m_grid.m_pParamPopup->MoveOverWidget();
}

void CAllDisplayMsgTxts::PostNcDestroy()
{
    CPropertySheet::PostNcDestroy();
    LeaveHost();
    delete this;
}

void InstallMsgTextDisplay()
{
    InstallSimMessageDisplay([](ISimMessageDisplayHost& host) -> ISimMessageDisplay* {
        return CAllDisplayMsgTxts::Open(host);
    });
}
