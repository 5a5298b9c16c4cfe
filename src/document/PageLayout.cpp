#include "document/PageLayout.h"

#include "document/VetlaDoc.h"

bool SetPagesOfBase(CVetlaDoc& doc, int nAcross, int nDown)
{
    if (nAcross < 1 || nDown < 1)
        return false;
    doc.m_rcExtent.right = nAcross * doc.m_sizeScreen.cx;
    doc.m_rcExtent.bottom = nDown * doc.m_sizeScreen.cy;
    doc.m_nPagesAcross = nAcross;
    doc.m_nPagesDown = nDown;
    doc.SetModifiedFlag(TRUE);
    return true;
}
