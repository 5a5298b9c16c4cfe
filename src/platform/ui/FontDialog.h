// CFontDialog: the font chooser, made from a template of the layer's own (as the colour dialog
// is) so that it behaves the same on every backend: a face from the list of faces the program
// draws with, a size in points, bold, italic and underline, and with CF_EFFECTS a text colour
// from the colour dialog. DoModal returns IDOK or IDCANCEL; after OK GetCurrentFont and
// GetColor give the choice, with the font's height in pixels of the screen (96 per inch).
#pragma once

#include "platform/ui/Dialog.h"

#include <vector>

constexpr DWORD CF_SCREENFONTS = 0x0001;
constexpr DWORD CF_EFFECTS = 0x0100;

constexpr UINT IDD_FONT_DIALOG = 0x7C40;
constexpr UINT IDC_FONT_FACE = 0x7C41;
constexpr UINT IDC_FONT_SIZE = 0x7C42;
constexpr UINT IDC_FONT_BOLD = 0x7C43;
constexpr UINT IDC_FONT_ITALIC = 0x7C44;
constexpr UINT IDC_FONT_UNDERLINE = 0x7C45;
constexpr UINT IDC_FONT_COLOR = 0x7C46;

struct CHOOSEFONT {
    DWORD Flags = 0;
    COLORREF rgbColors = 0;
};

class CDC;

class CFontDialog : public CDialog {
    DECLARE_DYNAMIC(CFontDialog)

public:
    explicit CFontDialog(const LOGFONT* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);

    CHOOSEFONT m_cf;

    void GetCurrentFont(LOGFONT* lplf) const { *lplf = m_lf; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    // The faces offered, in their order.
    static const std::vector<CString>& Faces();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnColor();
    DECLARE_MESSAGE_MAP()

private:
    LOGFONT m_lf = {};
    CString m_strFace;
    int m_nPoints = 0;
    int m_bBold = 0;
    int m_bItalic = 0;
    int m_bUnderline = 0;
};
