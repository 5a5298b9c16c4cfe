// The wires and comment boxes of the document: adding, removing and finding them.
#include "document/VetlaDoc.h"

#include "blocks/BlockComment.h"
#include "blocks/ConnectLineObj.h"

CBlockComment* CVetlaDoc::CommentAtPoint(int x, int y) const
{
    for (POSITION pos = m_commentList.GetHeadPosition(); pos;) {
        auto* pComment = static_cast<CBlockComment*>(m_commentList.GetNext(pos));
        const CRect box(pComment->m_nLeft, pComment->m_nTop, pComment->m_nLeft + pComment->m_nBoxWidth,
                        pComment->m_nTop + pComment->m_nBoxHeight);
        if (box.PtInRect(CPoint(x, y)))
            return pComment;
    }
    return nullptr;
}

CConnectLineObj* CVetlaDoc::LineAtPoint(int x, int y) { return FindLineAtPoint(this, x, y); }

void CVetlaDoc::AddLine(CConnectLineObj* pLine)
{
    m_lineList.AddTail(pLine);
    SetModifiedFlag(TRUE);
}

void CVetlaDoc::RemoveLine(CConnectLineObj* pLine)
{
    const POSITION pos = m_lineList.Find(pLine);
    if (!pos)
        return;
    m_lineList.RemoveAt(pos);
    SetModifiedFlag(TRUE);
}

void CVetlaDoc::AddComment(CBlockComment* pComment)
{
    if (!pComment)
        return;
    m_commentList.AddTail(pComment);
    SetModifiedFlag(TRUE);
}
