#include "platform/ui/ColorDialog.h"

#include "platform/gdi/DC.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CColorSwatch, CWnd)

BEGIN_MESSAGE_MAP(CColorSwatch, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

BEGIN_MESSAGE_MAP(CColorDialog, CDialog)
    ON_COMMAND_RANGE(IDC_COLOR_BASIC_FIRST, IDC_COLOR_BASIC_FIRST + COLOR_BASIC_COUNT - 1, OnBasicColor)
    ON_EN_CHANGE(IDC_COLOR_RED, OnPartChanged)
    ON_EN_CHANGE(IDC_COLOR_GREEN, OnPartChanged)
    ON_EN_CHANGE(IDC_COLOR_BLUE, OnPartChanged)
END_MESSAGE_MAP()

namespace {

// The class name of the swatches in the template: no control class of the layer, so the dialog
// makes plain windows that its swatch members take over.
constexpr LPCTSTR kSwatchClass = _T("QarvoColorSwatch");
constexpr int kSwatchColumns = 8;
constexpr UINT kPartIDs[] = {IDC_COLOR_RED, IDC_COLOR_GREEN, IDC_COLOR_BLUE};
constexpr LPCTSTR kPartLabels[] = {_T("Red:"), _T("Green:"), _T("Blue:")};

void RegisterColorTemplate()
{
    if (AfxFindDialogTemplate(IDD_COLOR_DIALOG))
        return;
    DialogTemplate dlg;
    dlg.nID = IDD_COLOR_DIALOG;
    dlg.strCaption = _T("Color");
    // Wide enough for the captions the program's commands give it.
    dlg.size = CSize(236, 132);
    dlg.items.push_back(DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(7, 6, 149, 15), _T("Basic colors:")));
    for (int i = 0; i < COLOR_BASIC_COUNT; ++i) {
        const int x = 7 + (i % kSwatchColumns) * 18;
        const int y = 17 + (i / kSwatchColumns) * 16;
        dlg.items.push_back(DialogItem(IDC_COLOR_BASIC_FIRST + UINT(i), kSwatchClass, WS_TABSTOP, CRect(x, y, x + 15, y + 13)));
    }
    for (int i = 0; i < 3; ++i) {
        const int y = 54 + i * 16;
        dlg.items.push_back(DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(7, y + 2, 37, y + 11), kPartLabels[i]));
        dlg.items.push_back(
            DialogItem(kPartIDs[i], WC_EDIT, WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, CRect(40, y, 70, y + 12)));
    }
    dlg.items.push_back(DialogItem(IDC_COLOR_SAMPLE, kSwatchClass, 0, CRect(85, 54, 149, 98)));
    dlg.items.push_back(DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(125, 111, 175, 125), _T("OK")));
    dlg.items.push_back(DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(179, 111, 229, 125), _T("Cancel")));
    // Shown only for a caller that asks for it (CC_SHOWHELP).
    dlg.items.push_back(DialogControl(IDC_COLOR_HELP, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(71, 111, 121, 125), _T("Help")));
    AfxRegisterDialogTemplate(std::move(dlg));
}

} // namespace

void CColorSwatch::SetColor(COLORREF cr)
{
    m_cr = cr;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CColorSwatch::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    dc.Draw3dRect(rect, RGB(128, 128, 128), RGB(255, 255, 255));
    rect.DeflateRect(1, 1);
    dc.FillSolidRect(rect, m_cr);
}

BOOL CColorSwatch::OnEraseBkgnd(CDC*) { return TRUE; }

void CColorSwatch::OnLButtonUp(UINT, CPoint) { NotifyParent(BN_CLICKED); }

// A colour that is not black sets CC_RGBINIT by itself, as the class library's dialog does: a
// caller that hands over the colour in use means the dialog to start there (and OK without a
// change to keep it). Black is the start without the flag anyway.
CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CDialog(IDD_COLOR_DIALOG, pParentWnd), m_cr(clrInit), m_bShowHelp((dwFlags & CC_SHOWHELP) != 0)
{
    RegisterColorTemplate();
}

const std::array<COLORREF, COLOR_BASIC_COUNT>& CColorDialog::BasicColors()
{
    static const std::array<COLORREF, COLOR_BASIC_COUNT> colors = {
        RGB(0, 0, 0),     RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
        RGB(0, 0, 128),   RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0),   RGB(255, 255, 0),
        RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
    };
    return colors;
}

void CColorDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < COLOR_BASIC_COUNT; ++i)
        DDX_Control(pDX, int(IDC_COLOR_BASIC_FIRST) + i, m_basic[i]);
    DDX_Control(pDX, IDC_COLOR_SAMPLE, m_sample);
}

BOOL CColorDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int i = 0; i < COLOR_BASIC_COUNT; ++i)
        m_basic[i].SetColor(BasicColors()[std::size_t(i)]);
    for (UINT nID : kPartIDs) {
        if (auto* pEdit = dynamic_cast<CEdit*>(GetDlgItem(int(nID))))
            pEdit->LimitText(3);
    }
    if (m_bShowHelp)
        GetDlgItem(int(IDC_COLOR_HELP))->ShowWindow(SW_SHOW);
    ShowColor();
    return TRUE;
}

void CColorDialog::ShowColor()
{
    m_bShowing = true;
    SetDlgItemInt(int(IDC_COLOR_RED), GetRValue(m_cr), FALSE);
    SetDlgItemInt(int(IDC_COLOR_GREEN), GetGValue(m_cr), FALSE);
    SetDlgItemInt(int(IDC_COLOR_BLUE), GetBValue(m_cr), FALSE);
    m_bShowing = false;
    m_sample.SetColor(m_cr);
}

void CColorDialog::OnBasicColor(UINT nID)
{
    m_cr = BasicColors()[std::size_t(nID - IDC_COLOR_BASIC_FIRST)];
    ShowColor();
}

// A part typed beyond 255 counts as 255 and an empty one as 0, so that the sample always shows
// the colour OK would give.
void CColorDialog::OnPartChanged()
{
    if (m_bShowing)
        return;
    BYTE parts[3] = {};
    for (int i = 0; i < 3; ++i)
        parts[i] = BYTE(std::min(GetDlgItemInt(int(kPartIDs[i]), nullptr, FALSE), 255u));
    m_cr = RGB(parts[0], parts[1], parts[2]);
    m_sample.SetColor(m_cr);
}
