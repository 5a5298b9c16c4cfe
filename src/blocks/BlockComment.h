// CBlockComment: a box of free text on the diagram. It is no block: it has no pins, no number
// and no simulation, and the document keeps comment boxes in a list of their own.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

class CDC;

// The four grips of a selected box, in drawing order.
constexpr int COMMENT_GRIP_TOP_LEFT = 0;
constexpr int COMMENT_GRIP_BOTTOM_LEFT = 1;
constexpr int COMMENT_GRIP_BOTTOM_RIGHT = 2;
constexpr int COMMENT_GRIP_TOP_RIGHT = 3;
constexpr int COMMENT_GRIP_COUNT = 4;

class CBlockComment : public CObject {
    DECLARE_SERIAL(CBlockComment)

public:
    // The text "Comment" on one line in 12-unit Arial, black; the creator places the box.
    CBlockComment();

    CBlockComment(const CBlockComment&) = delete;
    CBlockComment& operator=(const CBlockComment&) = delete;

    // The box record. A schema-0 record stores the face name in 8-bit characters, a schema-1
    // record in 16-bit units.
    void Serialize(CArchive& ar) override;

    // The text in the box's font and colour on a grey background, its lines spread evenly over
    // the box height.
    void Draw(CDC* pDC);
    // Draw, then the grips.
    void DrawSelected(CDC* pDC);
    // An 8 x 8 red square with a black edge centred on each corner of the box.
    void DrawGrips(CDC* pDC);

    // The box from its top-left corner, m_nBoxWidth by m_nBoxHeight.
    CRect GetBoxRect() const;
    // TRUE when the point lies in the box, its right and bottom edges excluded.
    BOOL HitTest(CPoint point) const;
    // The grip whose square holds the point (edges included), -1 for none.
    int HitTestGrip(CPoint point) const;
    // Resizing: the corner of grip nGrip goes to the point while the opposite corner stays. A
    // corner dragged past the opposite one turns the box over, so that its size never goes
    // negative. Nothing for a grip index outside 0-3.
    void MoveGrip(int nGrip, CPoint point);

    int m_nLeft = 0;
    int m_nTop = 0;
    // A second point kept with the box (the view sets it to the top-left corner).
    int m_nAuxX = 0;
    int m_nAuxY = 0;
    int m_nBoxWidth = 0;
    int m_nBoxHeight = 0;
    // Lines are separated by CR LF.
    CString m_strBoxText;
    int m_nLineCount = 1;
    COLORREF m_crText = 0;
    LOGFONT m_logFont = {};
    // Editing state, not stored: the box is in the view's selection, and where it stood when
    // the current drag started.
    int m_bCommentSelected = 0;
    CPoint m_ptDragStart;

private:
    // The lines of m_strBoxText, each at its share of the box height; a text ending in CR LF
    // draws no empty last line.
    void DrawText(CDC* pDC) const;
    // The corner of a grip, in the order of the COMMENT_GRIP_ constants.
    CPoint GripCorner(int nGrip) const;
};
