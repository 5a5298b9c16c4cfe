#include "platform/ui/FontDialog.h"

#include "platform/core/FaceName.h"
#include "platform/ui/Button.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include "platform/gdi/GdiTypes.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

BEGIN_MESSAGE_MAP(CFontDialog, CDialog)
    ON_BN_CLICKED(IDC_FONT_COLOR, OnColor)
END_MESSAGE_MAP()

namespace {

// The screen the diagram is drawn for.
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

void RegisterFontTemplate()
{
    if (AfxFindDialogTemplate(IDD_FONT_DIALOG))
        return;
    DialogTemplate dlg;
    dlg.nID = IDD_FONT_DIALOG;
    dlg.strCaption = _T("Font");
    dlg.size = CSize(180, 110);
    dlg.items.push_back(DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(7, 9, 40, 18), _T("Font:")));
    DialogItemTemplate face =
        DialogItem(IDC_FONT_FACE, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_TABSTOP, CRect(45, 7, 173, 80));
    face.items = CFontDialog::Faces();
    dlg.items.push_back(std::move(face));
    dlg.items.push_back(DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(7, 27, 40, 36), _T("Size:")));
    dlg.items.push_back(
        DialogItem(IDC_FONT_SIZE, WC_EDIT, WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, CRect(45, 25, 75, 37)));
    dlg.items.push_back(DialogItem(IDC_FONT_BOLD, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, CRect(7, 45, 60, 55), _T("Bold")));
    dlg.items.push_back(DialogItem(IDC_FONT_ITALIC, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, CRect(65, 45, 118, 55), _T("Italic")));
    dlg.items.push_back(
        DialogItem(IDC_FONT_UNDERLINE, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, CRect(120, 45, 173, 55), _T("Underline")));
    dlg.items.push_back(DialogItem(IDC_FONT_COLOR, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(7, 63, 60, 77), _T("Color...")));
    dlg.items.push_back(DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(69, 89, 119, 103), _T("OK")));
    dlg.items.push_back(DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(123, 89, 173, 103), _T("Cancel")));
    AfxRegisterDialogTemplate(std::move(dlg));
}

}  // namespace

const std::vector<CString>& CFontDialog::Faces()
{
    static const std::vector<CString> faces = {_T("Arial"), _T("Courier New"), _T("Tahoma"),
                                               _T("Times New Roman"), _T("Verdana")};
    return faces;
}

CFontDialog::CFontDialog(const LOGFONT* lplfInitial, DWORD dwFlags, CDC*, CWnd* pParentWnd)
    : CDialog(IDD_FONT_DIALOG, pParentWnd)
{
    RegisterFontTemplate();
    m_cf.Flags = dwFlags;
    if (lplfInitial)
        m_lf = *lplfInitial;
}

BOOL CFontDialog::OnInitDialog()
{
    m_strFace = CString(FaceNameOf(m_lf));
    if (m_strFace.IsEmpty())
        m_strFace = Faces().front();
    m_nPoints = MulDiv(std::abs(int(m_lf.lfHeight)), kPointsPerInch, kPixelsPerInch);
    m_bBold = m_lf.lfWeight >= FW_BOLD;
    m_bItalic = m_lf.lfItalic != 0;
    m_bUnderline = m_lf.lfUnderline != 0;
    CDialog::OnInitDialog();
    if (CWnd* pColor = GetDlgItem(IDC_FONT_COLOR))
        pColor->ShowWindow((m_cf.Flags & CF_EFFECTS) ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CFontDialog::DoDataExchange(CDataExchange* pDX)
{
    // A face from a file that the list does not offer shows no selection; an untouched OK keeps
    // it rather than storing no face at all.
    CString strFace = m_strFace;
    DDX_CBString(pDX, IDC_FONT_FACE, strFace);
    if (!strFace.IsEmpty())
        m_strFace = strFace;
    DDX_Text(pDX, IDC_FONT_SIZE, m_nPoints);
    DDV_MinMaxInt(pDX, m_nPoints, 1, 72);
    DDX_Check(pDX, IDC_FONT_BOLD, m_bBold);
    DDX_Check(pDX, IDC_FONT_ITALIC, m_bItalic);
    DDX_Check(pDX, IDC_FONT_UNDERLINE, m_bUnderline);
    if (!pDX->m_bSaveAndValidate)
        return;
    m_lf.lfHeight = MulDiv(m_nPoints, kPixelsPerInch, kPointsPerInch);
    m_lf.lfWeight = m_bBold ? FW_BOLD : FW_NORMAL;
    m_lf.lfItalic = BYTE(m_bItalic);
    m_lf.lfUnderline = BYTE(m_bUnderline);
    const int nLength = std::min(m_strFace.GetLength(), LF_FACESIZE - 1);
    for (int i = 0; i < LF_FACESIZE; ++i)
        m_lf.lfFaceName[i] = i < nLength ? WCHAR(m_strFace[i]) : WCHAR(0);
}

void CFontDialog::OnColor()
{
    CColorDialog dlg(m_cf.rgbColors, CC_RGBINIT, this);
    if (dlg.DoModal() == IDOK)
        m_cf.rgbColors = dlg.GetColor();
}
