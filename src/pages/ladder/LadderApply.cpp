#include "pages/ladder/LadderApply.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/ladder/LadderOperands.h"
#include "document/AnalogRanges.h"
#include "document/BlockNumbering.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "pages/sheet/SheetHost.h"

#include <algorithm>

namespace {

constexpr int kDigitalDefaultMax = 9999;
constexpr int kAnalogDefaultMax = 1000;

// Operands whose message-text references go with the last element that reads them.
bool HasMessageTextRefs(int nOperand)
{
    const auto in = [nOperand](int nFirst, int nLast) { return nOperand >= nFirst && nOperand <= nLast; };
    return in(100, 355) || in(1000, 1063) || in(1300, 1304) || in(1870, 2869) || in(2900, 3899) || in(4000, 4127);
}

bool IsOperandUsed(const CVetlaDoc& doc, int nOperand)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        if (static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos))->m_nOperand == nOperand)
            return true;
    }
    return false;
}

// A running contact's state as the new way of operation wants it.
void FollowLadderInputMode(CBlockObj& element, int nMode)
{
    int& nState = element.m_nPinValue[BLOCK_FIRST_OUTPUT];
    int& bChanged = element.m_bPinChanged[BLOCK_FIRST_OUTPUT];
    const int nOld = nState;
    if (nMode == SIM_INPUT_FREQUENCY || nMode == SIM_INPUT_PUSH_MAKE)
        nState = 0;
    else if (nMode == SIM_INPUT_PUSH_BREAK)
        nState = 1;
    else if (element.m_nParamEx[INPUT_SIM_MODE_PARAMEX] == SIM_INPUT_PUSH_BREAK) {
        nState = 0;
        bChanged = 1;
    }
    if (nState != nOld)
        bChanged = 1;
    element.m_nParamEx[INPUT_SIM_MODE_PARAMEX] = nMode;
}

// A contact that reads a function block shows the block's own comment: the sheet edits that.
CBlockObj* CommentedFunctionBlock(const CVetlaDoc& doc, int nOperand)
{
    return IsFunctionBlockNumber(nOperand) ? doc.FindBlockByNumber(nOperand) : nullptr;
}

}  // namespace

CString ReadLadderComment(const CVetlaDoc& doc, int nOperand)
{
    if (const CBlockObj* pBlock = CommentedFunctionBlock(doc, nOperand))
        return pBlock->m_strComment;
    CString strComment;
    const int nKey = LadderCommentOperand(doc, nOperand);
    if (nKey >= 0)
        doc.m_mapOperandComment.Lookup(nKey, strComment);
    return strComment;
}

void StoreLadderComment(CVetlaDoc& doc, int nOperand, const CString& strComment)
{
    if (CBlockObj* pBlock = CommentedFunctionBlock(doc, nOperand)) {
        pBlock->m_strComment = strComment;
        return;
    }
    const int nKey = LadderCommentOperand(doc, nOperand);
    if (nKey >= 0)
        doc.m_mapOperandComment.SetAt(nKey, strComment);
}

SimInputValues ReadLadderSimInput(const CVetlaDoc& doc, int nType, int nOperand, int nPageDefaultKind)
{
    OperandSimRecord record;
    if (doc.m_mapOperandSim.Lookup(nOperand, record))
        return FromOperandRecord(record);
    SimInputValues values;
    values.nAuto = 1;
    values.nMax = nType == BT_ACONTACT ? kAnalogDefaultMax : kDigitalDefaultMax;
    values.nKind = IsLadderAnalogInput(nOperand) ? nPageDefaultKind : SIM_INPUT_SWITCH;
    return values;
}

SimInputValues FitLadderAnalogInput(const CVetlaDoc& doc, CBlockObj& element, SimInputValues values)
{
    if (values.nMax < values.nMin)
        std::swap(values.nMin, values.nMax);
    int nHigh = ANALOG_RANGE_OPEN;
    int nLow = -ANALOG_RANGE_OPEN;
    GetAnalogRange(doc, &element, &nHigh, &nLow);
    const bool bNoSources = nHigh == ANALOG_RANGE_OPEN && nLow == -ANALOG_RANGE_OPEN;
    if (values.nAuto) {
        values.nMin = bNoSources ? 0 : nLow;
        values.nMax = bNoSources ? kAnalogDefaultMax : nHigh;
    } else {
        values.nMin = std::max(values.nMin, nLow);
        values.nMax = std::min(values.nMax, nHigh);
        if (values.nMax < values.nMin)
            values.nMax = values.nMin;
    }
    values.nValue = std::clamp(values.nValue, values.nMin, values.nMax);
    return values;
}

BOOL SetLadderOperand(CBlockObj& element, int nOperand, ISheetHost& host)
{
    const int nOld = element.m_nOperand;
    if (nOperand == nOld)
        return FALSE;
    element.m_nOperand = nOperand;
    const CVetlaDoc* pDoc = host.GetSheetDocument();
    if (pDoc && HasMessageTextRefs(nOld) && !IsOperandUsed(*pDoc, nOld))
        host.DropMsgTextRefs(nOld);
    return TRUE;
}

BOOL WriteLadderApplyRecord(const SheetApplyRecord& record, CBlockObj& element, ISheetHost& host)
{
    CVetlaDoc* pDoc = host.GetSheetDocument();
    if (!pDoc || !IsLadderElementType(element.m_nType))
        return FALSE;
    const BOOL bOperandChanged = SetLadderOperand(element, record.nOperand, host);
    // The simulated input and the comment are those of the operand the sheet chose: the old
    // operand's other contacts keep theirs.
    const int nOperand = element.m_nOperand;
    if (record.bHasSim && IsLadderSimulatedInput(nOperand)) {
        pDoc->m_mapOperandSim.SetAt(nOperand, ToOperandRecord(record.sim));
        if (IsLadderAnalogInput(nOperand))
            UpdateSimInputSettings(*pDoc, &element, host.IsSheetSimulating());
    }
    // The element operates as its operand's record says, the one just written or, for a new
    // operand the sheet left alone, the one that operand had.
    bool bModeChanged = false;
    OperandSimRecord operandSim;
    if (IsLadderDigitalInput(nOperand) && pDoc->m_mapOperandSim.Lookup(nOperand, operandSim)) {
        bModeChanged = element.m_nParamEx[INPUT_SIM_MODE_PARAMEX] != operandSim.nMode;
        FollowLadderInputMode(element, operandSim.nMode);
    }
    StoreLadderComment(*pDoc, nOperand, record.strComment);
    // Applied in a run, the values are an edit that outlasts the run.
    pDoc->m_simInputs.KeepEdit(*pDoc, element);
    if ((bOperandChanged || bModeChanged) && host.IsSheetSimulating())
        host.OnSimInputChanged(element);
    return TRUE;
}
