// CList: the doubly linked list template of the classic class library, walked with POSITIONs.
// CObList and CPtrList are this template over CObject* and void*. A POSITION is a node of the
// list; it stays valid until that node is removed.
#pragma once

#include "platform/core/CollectionHelpers.h"
#include "platform/core/Position.h"
#include "platform/core/Types.h"

#include <concepts>
#include <type_traits>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : private CCollectionNoCopy {
public:
    // The block size only tuned the classic node allocator; nodes are allocated one by one.
    explicit CList(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CList() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NodeOf(m_pHead, "CList::GetHead of an empty list")->data; }
    const TYPE& GetHead() const { return NodeOf(m_pHead, "CList::GetHead of an empty list")->data; }
    TYPE& GetTail() { return NodeOf(m_pTail, "CList::GetTail of an empty list")->data; }
    const TYPE& GetTail() const { return NodeOf(m_pTail, "CList::GetTail of an empty list")->data; }

    TYPE RemoveHead()
    {
        Node* pNode = NodeOf(m_pHead, "CList::RemoveHead of an empty list");
        TYPE value = pNode->data;
        FreeNode(pNode);
        return value;
    }
    TYPE RemoveTail()
    {
        Node* pNode = NodeOf(m_pTail, "CList::RemoveTail of an empty list");
        TYPE value = pNode->data;
        FreeNode(pNode);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return ToPosition(LinkBefore(m_pHead, newElement)); }
    POSITION AddTail(ARG_TYPE newElement) { return ToPosition(LinkAfter(m_pTail, newElement)); }

    // The elements of pNewList keep their order; a list may be added to itself (its elements
    // as they were before the call are added once). Templates, so that AddTail(nullptr) on a
    // list of pointers adds a null element.
    template <std::derived_from<CList> L>
    void AddHead(const L* pNewList)
    {
        const Node* pNode = pNewList->m_pTail;
        for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pPrev)
            AddHead(pNode->data);
    }
    template <std::derived_from<CList> L>
    void AddTail(const L* pNewList)
    {
        const Node* pNode = pNewList->m_pHead;
        for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pNext)
            AddTail(pNode->data);
    }

    // Moves the nodes of other, in their order, to the end of this list and leaves other empty.
    // No node is made or freed, so a POSITION of other now walks this list: taking over a
    // loaded document's thousands of elements costs no allocation.
    void SpliceTail(CList& other)
    {
        if (&other == this || !other.m_pHead)
            return;
        other.m_pHead->pPrev = m_pTail;
        (m_pTail ? m_pTail->pNext : m_pHead) = other.m_pHead;
        m_pTail = other.m_pTail;
        m_nCount += other.m_nCount;
        other.m_pHead = other.m_pTail = nullptr;
        other.m_nCount = 0;
    }

    // Forgets the elements; a list of pointers does not delete what they point to.
    void RemoveAll()
    {
        while (m_pHead)
            FreeNode(m_pHead);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pTail); }

    // Returns the element at rPosition and moves rPosition to the next (previous) node, null
    // after the last (first) one.
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, &Node::pNext)->data; }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, &Node::pNext)->data; }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, &Node::pPrev)->data; }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, &Node::pPrev)->data; }

    TYPE& GetAt(POSITION position) { return At(position)->data; }
    const TYPE& GetAt(POSITION position) const { return At(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { At(pos)->data = newElement; }
    void RemoveAt(POSITION position) { FreeNode(At(position)); }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        return ToPosition(position ? LinkBefore(At(position), newElement)
                                   : LinkBefore(m_pHead, newElement));
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        return ToPosition(position ? LinkAfter(At(position), newElement)
                                   : LinkAfter(m_pTail, newElement));
    }

    // The first element equal to searchValue after startAfter (from the head when null).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        for (Node* pNode = startAfter ? At(startAfter)->pNext : m_pHead; pNode;
             pNode = pNode->pNext) {
            if (CompareElements<TYPE, std::remove_cvref_t<ARG_TYPE>>(&pNode->data, &searchValue))
                return ToPosition(pNode);
        }
        return nullptr;
    }
    // The position of the nIndex-th element from the head, null when there is none.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        Node* pNode = m_pHead;
        while (nIndex-- > 0)
            pNode = pNode->pNext;
        return ToPosition(pNode);
    }

private:
    struct Node {
        Node* pNext;
        Node* pPrev;
        TYPE data;
    };

    static POSITION ToPosition(Node* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static Node* NodeOf(Node* pNode, const char* what)
    {
        if (!pNode)
            ThrowInvalidCollectionAccess(what);
        return pNode;
    }
    static Node* At(POSITION position)
    {
        return NodeOf(reinterpret_cast<Node*>(position), "CList: null POSITION");
    }
    static Node* Step(POSITION& rPosition, Node* Node::*next)
    {
        Node* pNode = At(rPosition);
        rPosition = ToPosition(pNode->*next);
        return pNode;
    }

    Node* LinkBefore(Node* pNext, ARG_TYPE newElement)
    {
        Node* pPrev = pNext ? pNext->pPrev : nullptr;
        return Link(pPrev, pNext, newElement);
    }
    Node* LinkAfter(Node* pPrev, ARG_TYPE newElement)
    {
        Node* pNext = pPrev ? pPrev->pNext : nullptr;
        return Link(pPrev, pNext, newElement);
    }
    Node* Link(Node* pPrev, Node* pNext, ARG_TYPE newElement)
    {
        Node* pNode = new Node{pNext, pPrev, TYPE(newElement)};
        (pPrev ? pPrev->pNext : m_pHead) = pNode;
        (pNext ? pNext->pPrev : m_pTail) = pNode;
        ++m_nCount;
        return pNode;
    }
    void FreeNode(Node* pNode)
    {
        (pNode->pPrev ? pNode->pPrev->pNext : m_pHead) = pNode->pNext;
        (pNode->pNext ? pNode->pNext->pPrev : m_pTail) = pNode->pPrev;
        --m_nCount;
        delete pNode;
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};
