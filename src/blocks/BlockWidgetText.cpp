// The two text operations of message-text elements and the helpers the family tables share.
// An element knows only its block, a parameter-name id and its kind; the graphic kinds have
// placeholders of their own in the editor, everything else is looked up by the block's type
// and the id. Neither operation changes the block, apart from the refresh flags and cached
// texts of a message-text block (BlockWidgetTextClock.cpp).
#include "blocks/BlockWidgetText.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWordValue.h"
#include "blocks/SimContext.h"
#include "blocks/Widget.h"

#include <algorithm>

namespace {

// The editor's placeholder of a graphic element; null for a kind without one.
LPCTSTR EditorPlaceholder(int nKind)
{
    switch (nKind) {
    case WIDGET_KIND_BARGRAPH: return _T("Bar");
    case WIDGET_KIND_SCOPE: return _T("Scope 12 X 3");
    case WIDGET_KIND_POINTER: return _T("Pointer 12 X 3");
    case WIDGET_KIND_GRAPH: return _T("Graph 12 X 4");
    default: return nullptr;
    }
}

// Scale times and I/O status names draw their own content, and a graph has no block value; on
// the LCD a bar graph, scope or pointer shows the value its id names.
bool HasNoBlockText(int nKind, BOOL bDisplay)
{
    if (nKind == WIDGET_KIND_SCALETIME || nKind == WIDGET_KIND_IOSTATUSNAME)
        return true;
    return bDisplay && nKind == WIDGET_KIND_GRAPH;
}

void WriteWidgetText(CBlockObj& block, const CSimContext* pSim, CString* pOut, int nParamId,
                     int nKind, BOOL bDisplay)
{
    if (!pOut || HasNoBlockText(nKind, bDisplay))
        return;
    if (!bDisplay) {
        if (LPCTSTR pszPlaceholder = EditorPlaceholder(nKind)) {
            *pOut = pszPlaceholder;
            return;
        }
    }
    const WidgetTextRow* pRow = FindWidgetTextRow(block.m_nType, nParamId);
    if (!pRow)
        return;
    const BOOL bSimulating = pSim && pSim->bSimulating;
    const WidgetTextRequest req{block, pSim, nParamId, nKind, bDisplay, bSimulating};
    *pOut = pRow->pText(req);
}

}  // namespace

void CBlockObj::GetWidgetText(const CSimContext* pSim, CString* pOut, int nParamId, int nKind)
{
    WriteWidgetText(*this, pSim, pOut, nParamId, nKind, FALSE);
}

void CBlockObj::GetWidgetValueText(const CSimContext* pSim, CString* pOut, int nParamId, int nKind)
{
    WriteWidgetText(*this, pSim, pOut, nParamId, nKind, TRUE);
}

const WidgetTextRow* FindWidgetTextRow(int nType, int nParamId)
{
    const BlockTypeRow* pType = FindBlockType(nType);
    if (!pType || !pType->widgetTexts)
        return nullptr;
    const auto rows = pType->widgetTexts();
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const WidgetTextRow& row) { return row.nParamId == nParamId; });
    return it != rows.end() ? &*it : nullptr;
}

CString WidgetBlockNumber(const CBlockObj& block)
{
    return Formatted(_T("B%d"), (long long)block.m_nNumber - NUM_FUNCTION_BLOCK);
}

int WidgetParamValue(const WidgetTextRequest& req, int nRef, int nStored, int nLow, int nHigh)
{
    return ParamOrClampedRef(req.block, nRef, nStored, nLow, nHigh);
}

CString WidgetParamText(const WidgetTextRequest& req, int nRef, int nStored, int nLow, int nHigh,
                        CString (*pFormat)(int nValue))
{
    const CBlockObj* pRef = req.block.m_pRefBlock[nRef];
    if (pRef && req.bDisplay)
        return WidgetBlockNumber(*pRef);
    return pFormat(WidgetParamValue(req, nRef, nStored, nLow, nHigh));
}

LPCTSTR WidgetEditorBaseWord(int nBase)
{
    if (nBase == 0)
        return _T("Hours(h:m)");
    return nBase == 1 ? _T("Minutes(m:s)") : _T("Seconds(s:1/100s)");
}

CString WidgetDecimal(int nValue)
{
    return Formatted(_T("%d"), nValue);
}

CString WidgetHexWord(int nValue)
{
    return Formatted(_T("0x%04X"), unsigned(nValue) & 0xFFFFu);
}
