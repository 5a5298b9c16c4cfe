// CColorDialog: the colour chooser, made from a template of the layer's own so that it looks and
// behaves the same on every backend: sixteen basic colours to click, the red, green and blue
// parts as numbers 0 to 255, and a sample of the colour chosen so far, with OK, Cancel and, when
// asked for, Help. DoModal returns IDOK or IDCANCEL; GetColor gives the chosen colour after OK.
#pragma once

#include "platform/ui/Dialog.h"

#include <array>

// CC_RGBINIT: the dialog starts at the given colour (else black); a colour other than black sets
// it by itself. CC_SHOWHELP: it shows a Help button, which does nothing of its own. CC_FULLOPEN
// has no meaning here.
constexpr DWORD CC_RGBINIT = 0x0001;
constexpr DWORD CC_FULLOPEN = 0x0002;
constexpr DWORD CC_SHOWHELP = 0x0008;

// The template's id and its controls.
constexpr UINT IDD_COLOR_DIALOG = 0x7C00;
constexpr UINT IDC_COLOR_BASIC_FIRST = 0x7C10;
constexpr int COLOR_BASIC_COUNT = 16;
constexpr UINT IDC_COLOR_SAMPLE = 0x7C30;
constexpr UINT IDC_COLOR_RED = 0x7C31;
constexpr UINT IDC_COLOR_GREEN = 0x7C32;
constexpr UINT IDC_COLOR_BLUE = 0x7C33;
constexpr UINT IDC_COLOR_HELP = 0x7C34;

// A rectangle painted in one colour; with an id it reports a click to its parent as BN_CLICKED.
class CColorSwatch : public CWnd {
    DECLARE_DYNAMIC(CColorSwatch)

public:
    void SetColor(COLORREF cr);
    COLORREF GetColor() const { return m_cr; }

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_cr = 0;
};

class CColorDialog : public CDialog {
    DECLARE_DYNAMIC(CColorDialog)

public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    COLORREF GetColor() const { return m_cr; }
    // The colours of the basic swatches, in their order.
    static const std::array<COLORREF, COLOR_BASIC_COUNT>& BasicColors();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBasicColor(UINT nID);
    void OnPartChanged();
    DECLARE_MESSAGE_MAP()

private:
    // Writes m_cr into the three numbers and the sample.
    void ShowColor();

    COLORREF m_cr;
    bool m_bShowHelp;
    // Set while ShowColor writes the numbers, whose change notices must not read them back.
    bool m_bShowing = false;
    CColorSwatch m_basic[COLOR_BASIC_COUNT];
    CColorSwatch m_sample;
};
