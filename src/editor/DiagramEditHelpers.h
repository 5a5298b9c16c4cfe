// Small services that the clipboard, delete and connector-pair commands of the view share:
// connector partners, keeping an object's selected flag and its selection list together and
// the ladder power rail.
#pragma once

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "platform/core/ObList.h"
#include "platform/core/Types.h"

#include <initializer_list>
#include <vector>

class CVetlaDoc;

BOOL IsConnectorBlock(const CBlockObj* pBlock);
// The number of a connector's partner: a Female's Male is 2000 below it, a Male's Female 2000
// above.
int PartnerNumber(const CBlockObj* pConnector);
CBlockObj* FindPartner(const CVetlaDoc& doc, const CBlockObj* pConnector);
// The start block of the wire into the connector (the block at the pair's far side), or null.
CBlockObj* FarBlockOfConnector(const CVetlaDoc& doc, CBlockObj* pConnector);

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

// The entries of an object list that are objects of the kind, in list order; null entries and
// entries of another class are passed over.
template <class T, class Visit>
void ForEachListed(const CObList& list, Visit visit)
{
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        if (T* pObject = dynamic_cast<T*>(list.GetNext(pos)))
            visit(*pObject);
    }
}

template <class T, class Match>
T* FindListed(const CObList& list, Match match)
{
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        T* pObject = dynamic_cast<T*>(list.GetNext(pos));
        if (pObject && match(*pObject))
            return pObject;
    }
    return nullptr;
}

// The list's objects as a typed snapshot, safe to walk while the list changes.
template <class T>
std::vector<T*> ListSnapshot(const CObList& list)
{
    std::vector<T*> items;
    items.reserve(std::size_t(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(static_cast<T*>(list.GetNext(pos)));
    return items;
}
