// CBlockComment: a box of free text on the diagram. It is no block: it has no pins, no number
// and no simulation, and the document keeps comment boxes in a list of their own.
#pragma once

#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

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
    // Run-time value, not stored.
    int m_nTransient = 0;
};
