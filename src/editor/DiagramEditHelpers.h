// Small services that the clipboard, delete and connector-pair commands of the view share:
// keeping an object's selected flag and its selection list together and the ladder power rail.
#pragma once

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "document/ConnectorPairs.h"
#include "document/ListWalks.h"
#include "platform/core/ObList.h"
#include "platform/core/Types.h"

class CVetlaDoc;

// A ladder document's power rail; null in an FBD document.
CBlockObj* PowerRailOf(const CVetlaDoc& doc);
// In a ladder document, the wire has the power rail at one end.
BOOL IsPowerBusLine(const CVetlaDoc& doc, const CConnectLineObj* pLine);

// Make, break and analog contacts.
BOOL IsLadderContact(int nType);
// A contact operand that names a block (a coil, a ladder analog output or a function block)
// rather than an address.
BOOL OperandNamesBlock(int nOperand);

inline int& SelectedFlagOf(CBlockObj& block) { return block.m_bSelected; }
inline int& SelectedFlagOf(CConnectLineObj& line) { return line.m_bLineSelected; }
inline int& SelectedFlagOf(CBlockComment& comment) { return comment.m_bCommentSelected; }

// Selects the object and lists it once.
template <class T>
void AddToSelection(CObList& selection, T* pObject)
{
    SelectedFlagOf(*pObject) = 1;
    if (!selection.Find(pObject))
        selection.AddTail(pObject);
}

// Unselects the object and takes it off the list.
template <class T>
void RemoveFromSelection(CObList& selection, T* pObject)
{
    SelectedFlagOf(*pObject) = 0;
    if (POSITION pos = selection.Find(pObject))
        selection.RemoveAt(pos);
}
