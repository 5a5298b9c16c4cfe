#include "pages/sheet/BlockPage.h"

#include "pages/sheet/ListRoom.h"
#include "pages/sheet/NameEdit.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTemplates.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CBlockPage, CPropertyPage)

namespace {

// The strip the sheet adds under a page with a live value.
constexpr int kValueStrip = 30;

}  // namespace

CBlockPage::CBlockPage(UINT nIDTemplate, int nType) : CPropertyPage(nIDTemplate), m_nType(nType)
{
    RegisterPageTemplates();
    m_psp.dwFlags |= PSP_HASHELP;
}

void CBlockPage::CopyToBlock(CBlockObj& block) const
{
    if (const BlockWrite write = MakeBlockWrite(FALSE))
        write(block);
}

void CBlockPage::AddToApplyRecord(SheetApplyRecord& record)
{
    if (BlockWrite write = MakeBlockWrite(TRUE))
        record.writers.push_back(std::move(write));
}

BOOL CBlockPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CNameEdit::Enable(*this, m_pDocument, m_strName);
    return TRUE;
}

void CBlockPage::DoDataExchange(CDataExchange* pDX)
{
    if (!GetDlgItem(IDC_BLOCK_NAME))
        return;
    DDX_Text(pDX, IDC_BLOCK_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, BLOCK_NAME_MAX_CHARS);
}

LRESULT CBlockPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CPropertyPage::WindowProc(message, wParam, lParam);
    if ((message == WM_INITDIALOG || message == WM_COMMAND) && IsWindow(this))
        WidenShownLists(*this);
    // The box goes under the controls the page shows once its own set-up has hidden the others.
    if (message == WM_INITDIALOG && IsWindow(this) && m_bSimulating && ShowsCurrentValue())
        m_valueBox.Create(*this, kValueStrip, GetValueBoxFamily(), m_bMainPage);
    return lResult;
}

BOOL CBlockPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(DWORD(wParam)) == IDC_BLOCK_NAME && HIWORD(DWORD(wParam)) == EN_CHANGE) {
        CNameEdit::OnChange(*this, m_strShownName);
        SetModified(TRUE);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CBlockPage::DrawCurrentValue(const CString& strText) { m_valueBox.SetText(strText); }

void CBlockPage::PostNcDestroy()
{
    m_valueBox.Forget();
    CPropertyPage::PostNcDestroy();
}
