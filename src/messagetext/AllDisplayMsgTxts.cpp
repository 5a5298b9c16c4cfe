#include "messagetext/AllDisplayMsgTxts.h"

#include "blocks/BlockMSGTEXT.h"
#include "document/SimMessageTexts.h"
#include "document/VetlaDoc.h"
#include "messagetext/InPlaceParamDlg.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CAllDisplayMsgTxts, CPropertySheet)

BEGIN_MESSAGE_MAP(CAllDisplayMsgTxts, CPropertySheet)
    ON_WM_MOVE()
    ON_MESSAGE(WM_ACTIVATE, OnActivateMessage)
END_MESSAGE_MAP()

CAllDisplayMsgTxts::CAllDisplayMsgTxts(LPCTSTR pszCaption, ISimMessageDisplayHost& host, UINT nStartPage)
    : CPropertySheet(pszCaption, nullptr, nStartPage), m_host(host)
{
    AddMessagePages();
}

CAllDisplayMsgTxts::~CAllDisplayMsgTxts() = default;

LRESULT CAllDisplayMsgTxts::OnActivateMessage(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    CWnd* pOther = WndFromParam(lParam);
    if (LOWORD(DWORD(wParam)) != WA_INACTIVE && pOther &&
        (m_host.IsValuePopup(pOther) || dynamic_cast<CPropertySheet*>(pOther)))
        m_host.CloseValuePopup();
    return lResult;
}

void CAllDisplayMsgTxts::AddMessagePages()
{
    CVetlaDoc* pDoc = m_host.GetDisplayDocument();
    if (!pDoc)
        return;
    for (CBlockMSGTEXT* pText : MessageTextsByPriority(*pDoc)) {
        auto pPage = std::make_unique<CMsgTxtDisplay>(&m_host);
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
    CVetlaDoc* pDoc = m_host.GetDisplayDocument();
    for (int i = 0; pDoc && i < int(m_pages.size()); ++i) {
        const CBlockObj* pBlock = pDoc->FindBlockByNumber(m_pages[size_t(i)]->m_nBlockNumber);
        if (pBlock && pBlock->m_nPinValue[0] != 0)
            SetActivePage(i);
    }
    return FALSE;
}

void CAllDisplayMsgTxts::SelectShownMessagePage(int nBlockNumber, int nEvent)
{
    CVetlaDoc* pDoc = m_host.GetDisplayDocument();
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
    if (IsWindow(this))
        DestroyWindow();
    else
        PostNcDestroy();
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
    m_host.OnDisplayDestroyed();
    delete this;
}

void InstallMsgTextDisplay()
{
    InstallSimMessageDisplay([](ISimMessageDisplayHost& host) -> ISimMessageDisplay* {
        return CAllDisplayMsgTxts::Open(host);
    });
}
