// CDiagramSelection: what the diagram view has selected: blocks, wires and comment boxes, each
// listed once while its selected flag is set, and the rubber band that selects by area. It
// answers which selected object lies under a point and keeps the drag starts of what a press
// moves. It has no window: the view owns one for its document and hands it the presses of
// select mode, the band and the edit commands.
#pragma once

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "editor/DiagramEditHelpers.h"
#include "platform/core/Geometry.h"
#include "platform/core/ObList.h"
#include "platform/core/Types.h"

class CVetlaDoc;

// What Clear clears.
constexpr BYTE SELECTION_ALL = 0;
constexpr BYTE SELECTION_LINES = 1;
constexpr BYTE SELECTION_BLOCKS = 2;
constexpr BYTE SELECTION_COMMENTS = 3;

class CDiagramSelection {
public:
    // pDocument is the view's own document pointer, which the selection follows.
    explicit CDiagramSelection(CVetlaDoc* const& pDocument) : m_pDocument(pDocument) {}

    const CObList& Blocks() const { return m_blocks; }
    const CObList& Lines() const { return m_lines; }
    const CObList& Comments() const { return m_comments; }
    BOOL IsEmpty() const { return m_blocks.IsEmpty() && m_lines.IsEmpty() && m_comments.IsEmpty(); }
    INT_PTR Count() const { return m_blocks.GetCount() + m_lines.GetCount() + m_comments.GetCount(); }

    // Selects or unselects an object: its flag and its one entry. Null changes nothing.
    template <class T>
    void Add(T* pObject) { Set(ListOf(pObject), pObject, true); }
    template <class T>
    void Remove(T* pObject) { Set(ListOf(pObject), pObject, false); }
    // TRUE when the object is selected afterwards.
    template <class T>
    bool Toggle(T* pObject)
    {
        const bool bSelected = !Contains(pObject);
        Set(ListOf(pObject), pObject, bSelected);
        return bSelected;
    }
    // The object becomes the only selection.
    template <class T>
    void Only(T* pObject)
    {
        Clear(SELECTION_ALL);
        Add(pObject);
    }

    // bByNumber: a selected block with the same number counts too (a snapshot's copy).
    BOOL Contains(const CBlockObj* pBlock, BOOL bByNumber = FALSE) const;
    BOOL Contains(const CConnectLineObj* pLine) const;
    BOOL Contains(const CBlockComment* pComment) const;

    // Clears the flags of every object of the kind in the document and empties its list.
    void Clear(BYTE nWhat);
    // Empties the lists without touching an object: they are deleted or about to be.
    void Forget();

    // The rubber band in document coordinates: it starts at a press, its second corner follows
    // the mouse, and every step selects what it touches anew (blocks with the wires between
    // them, comment boxes).
    void StartBand(CPoint pt) { m_rcBand.SetRect(pt.x, pt.y, pt.x, pt.y); }
    void StretchBand(CPoint pt);
    const CRect& Band() const { return m_rcBand; }
    // Selects the wires at the block whose other end is a selected block, and unselects the
    // others.
    void SelectLinesOfBlock(const CBlockObj* pBlock);

    // The selected object under the point (document coordinates), null when none; a block's
    // pins reach a little beside its body.
    CBlockObj* BlockAt(int x, int y) const;
    CBlockObj* BlockPinsAt(int x, int y) const;
    CConnectLineObj* LineAt(int x, int y) const;
    CBlockComment* CommentAt(int x, int y) const;

    // The drag starts of every selected block and comment, which the end of a drag may go back
    // to; taken at each press that starts one, so that a drag never restores an older position.
    void SaveDragStarts();

private:
    CObList& ListOf(const CBlockObj*) { return m_blocks; }
    CObList& ListOf(const CConnectLineObj*) { return m_lines; }
    CObList& ListOf(const CBlockComment*) { return m_comments; }
    template <class T>
    static void Set(CObList& list, T* pObject, bool bSelected);
    void SelectBand();

    CVetlaDoc* const& m_pDocument;
    CObList m_blocks;
    CObList m_lines;
    CObList m_comments;
    CRect m_rcBand;
};

template <class T>
void CDiagramSelection::Set(CObList& list, T* pObject, bool bSelected)
{
    if (!pObject)
        return;
    SelectedFlagOf(*pObject) = bSelected ? 1 : 0;
    if (bSelected) {
        if (!list.Find(pObject))
            list.AddTail(pObject);
        return;
    }
    while (POSITION pos = list.Find(pObject))
        list.RemoveAt(pos);
}
