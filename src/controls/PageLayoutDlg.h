// CPageLayoutDlg: "Page Layout", how many screen pages across and down the diagram's drawing
// area has, with a picture of the pages as they are now. At most 100 pages in all; a value typed
// below 1 or above 100 becomes 1 or 100 at once. A smaller layout is taken only when the
// diagram still fits: the caller hands in the check, and a refusal closes the dialog with
// Cancel so that the document keeps its pages.
#pragma once

#include "platform/ui/Dialog.h"

#include <functional>

constexpr int PAGE_LAYOUT_MAX_PAGES = 100;

// What the diagram says to a layout of so many pages across and down.
enum class PageLayoutFit {
    Fits,
    BlockOutside,   // a block or a comment box reaches the right or bottom edge
    WireBelow,      // a wire vertex reaches the bottom edge
    WireRight,      // a wire vertex reaches the right edge
};
using PageLayoutCheck = std::function<PageLayoutFit(int nAcross, int nDown)>;

// The picture of the pages: a grid of numbered cells on grey.
class CPageLayoutPreview : public CWnd {
    DECLARE_DYNAMIC(CPageLayoutPreview)

public:
    static constexpr int kWidth = 253;
    static constexpr int kHeight = 165;
    static constexpr int kCellWidth = 24;
    static constexpr int kCellHeight = 16;

    void SetPages(int nAcross, int nDown);
    // Draws the picture with its top-left corner at the context's origin.
    void Draw(CDC* pDC) const;
    // The top-left corner of the grid of pages.
    static CPoint GridOrigin(int nAcross, int nDown);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    DECLARE_MESSAGE_MAP()

private:
    int m_nAcross = 1;
    int m_nDown = 1;
};

class CPageLayoutDlg : public CDialog {
    DECLARE_DYNAMIC(CPageLayoutDlg)

public:
    enum { IDD = 139 };
    static constexpr UINT IDC_PREVIEW = 1005;
    static constexpr UINT IDC_ACROSS = 3500;
    static constexpr UINT IDC_DOWN = 3502;
    static constexpr UINT IDC_USE_AS_DEFAULT = 1004;
    static constexpr UINT IDC_HELP_BUTTON = 9;

    explicit CPageLayoutDlg(CWnd* pParentWnd = nullptr);

    int m_bUseAsDefault = FALSE;
    int m_nPagesAcross = 1;
    int m_nPagesDown = 1;
    // The diagram's check of a new layout; without one (no diagram open) every layout is taken.
    PageLayoutCheck m_checkFit;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnAcrossUpdate() { KeepPagesInRange(IDC_ACROSS); }
    void OnDownUpdate() { KeepPagesInRange(IDC_DOWN); }
    DECLARE_MESSAGE_MAP()

private:
    // A number typed below 1 or above the maximum becomes 1 or the maximum at once; the preview
    // keeps showing the numbers the dialog was opened with.
    void KeepPagesInRange(UINT nID);

    CPageLayoutPreview m_preview;
};
