// CXHeaderCtrl: the header of the check-box list (XListCtrl.h), painted by itself: on the button
// face, each item shows the image of its image index (0 shows none), then its text in blue on
// one line, shortened with an ellipsis; raised lines part the items and frame them all.
//
// The image index also carries the column's header check box: 1 draws an unchecked box, 2 a
// checked one (the images of MakeHeaderCheckImages), and the list keeps that box in step with
// the column's cells.
#pragma once

#include "platform/ui/HeaderCtrl.h"

class CImageList;

class CXHeaderCtrl : public CHeaderCtrl {
    DECLARE_DYNAMIC(CXHeaderCtrl)

public:
    // The header check box of a column, as its item's image index.
    static constexpr int kNoCheckbox = 0;
    static constexpr int kUnchecked = 1;
    static constexpr int kChecked = 2;
    static constexpr COLORREF kTextColour = RGB(0, 0, 255);

    // The size of the image list's images (0, 0 without a list): it places every item's image.
    CSize GetImageSize() const;
    // The room between image and text and at both ends of an item.
    int GetSpacing() const { return m_nSpace; }
    void SetSpacing(int nSpace);

    // The item's image index, or -1 without such an item.
    int GetItemImage(int nItem) const;
    BOOL SetItemImage(int nItem, int nImage);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawXHeader(CDC& dc);

private:
    void DrawXItem(CDC& dc, int nItem, CRect rect);

    int m_nSpace = 6;
};

// Fills the list with the three 16 x 16 images the program's header bitmap holds (magenta
// transparent): 0 blank, 1 an unchecked box, 2 a checked box. FALSE when it cannot be made.
BOOL MakeHeaderCheckImages(CImageList& images);
