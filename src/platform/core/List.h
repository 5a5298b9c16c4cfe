// CList: the doubly linked list template of the classic class library, walked with POSITIONs.
// CObList and CPtrList are this template over CObject* and void*. A POSITION is a node of the
// list; it stays valid until that node is removed.
//
// Nodes come from blocks that the list owns, as in the classic library: a removed node is kept
// for the next insertion, and the blocks go back to the heap when the list becomes empty. A
// document's lists hold thousands of elements, and a heap allocation and release per node cost
// as much as reading the elements from a file.
#pragma once

#include "platform/core/CollectionHelpers.h"
#include "platform/core/Position.h"
#include "platform/core/Types.h"

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// A node on the free chain is poisoned, so that a POSITION used after its node was removed is
// still caught in the sanitizer build.
#define QARVO_LIST_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define QARVO_LIST_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define QARVO_LIST_POISON(p, n) ((void)(p), (void)(n))
#define QARVO_LIST_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : private CCollectionNoCopy {
public:
    // nBlockSize: the nodes of the list's first block; later blocks grow with the list.
    explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(std::max<INT_PTR>(nBlockSize, 1)) {}
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
    // The tail has no next node: a list filled from a file adds thousands of elements here.
    POSITION AddTail(ARG_TYPE newElement) { return ToPosition(Link(m_pTail, nullptr, newElement)); }

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
    // loaded document's thousands of elements costs no allocation. The blocks that hold the
    // nodes move along with them.
    void SpliceTail(CList& other)
    {
        if (&other == this || !other.m_pHead)
            return;
        TakeBlocks(other);
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
        while (m_pHead) {
            Node* pNode = m_pHead;
            m_pHead = pNode->pNext;
            pNode->~Node();
        }
        m_pTail = nullptr;
        m_nCount = 0;
        ReleaseBlocks();
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
    // The storage of one node: a node in use, or a link of the free chain.
    union Slot {
        Slot() {}
        ~Slot() {}
        Node node;
        Slot* pNextFree;
    };
    struct Block {
        std::unique_ptr<Slot[]> pSlots;
        INT_PTR nSlots;
    };
    // Blocks hold at most this many nodes, so that a long list wastes little in its last one.
    static constexpr INT_PTR kMaxBlockNodes = 4096;

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
        Slot* pSlot = TakeSlot();
        Node* pNode;
        try {
            pNode = ::new (static_cast<void*>(&pSlot->node)) Node{pNext, pPrev, TYPE(newElement)};
        } catch (...) {
            ReturnSlot(pSlot);
            throw;
        }
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
        pNode->~Node();
        // The node is the first member of its slot.
        ReturnSlot(reinterpret_cast<Slot*>(pNode));
        if (m_nCount == 0)
            ReleaseBlocks();
    }

    // A removed node's slot first, else the next fresh slot of the newest block.
    Slot* TakeSlot()
    {
        if (Slot* pSlot = m_pFree) {
            QARVO_LIST_UNPOISON(pSlot, sizeof(Slot));
            m_pFree = pSlot->pNextFree;
            return pSlot;
        }
        if (m_pFresh == m_pFreshEnd)
            AddBlock();
        QARVO_LIST_UNPOISON(m_pFresh, sizeof(Slot));
        return m_pFresh++;
    }
    void ReturnSlot(Slot* pSlot)
    {
        pSlot->pNextFree = m_pFree;
        m_pFree = pSlot;
        QARVO_LIST_POISON(pSlot, sizeof(Slot));
    }
    // A new block as large as the nodes the list has so far (at least the first block's size),
    // so that a growing list makes few of them. Its slots are handed out in order, as they are
    // needed, rather than chained up front: a long list's blocks are then touched once.
    void AddBlock()
    {
        const INT_PTR nNodes = std::clamp<INT_PTR>(m_nCount, m_nBlockSize, std::max(m_nBlockSize, kMaxBlockNodes));
        m_blocks.push_back(Block{std::make_unique<Slot[]>(std::size_t(nNodes)), nNodes});
        m_pFresh = m_blocks.back().pSlots.get();
        m_pFreshEnd = m_pFresh + nNodes;
        QARVO_LIST_POISON(m_pFresh, sizeof(Slot) * std::size_t(nNodes));
    }
    // Only when no node is in use: every slot of the blocks is free or fresh.
    void ReleaseBlocks()
    {
        for (const Block& block : m_blocks)
            QARVO_LIST_UNPOISON(block.pSlots.get(), sizeof(Slot) * std::size_t(block.nSlots));
        m_blocks.clear();
        m_pFree = nullptr;
        m_pFresh = m_pFreshEnd = nullptr;
    }
    void TakeBlocks(CList& other)
    {
        m_blocks.reserve(m_blocks.size() + other.m_blocks.size());
        for (Block& block : other.m_blocks)
            m_blocks.push_back(std::move(block));
        other.m_blocks.clear();
        // The other list's fresh slots serve this one when it has none of its own, as a list
        // that takes over another's usually has; else they stay unused in their block.
        Slot* pOtherFresh = std::exchange(other.m_pFresh, nullptr);
        Slot* pOtherFreshEnd = std::exchange(other.m_pFreshEnd, nullptr);
        if (m_pFresh == m_pFreshEnd) {
            m_pFresh = pOtherFresh;
            m_pFreshEnd = pOtherFreshEnd;
        }
        // The free chains join: the other list's spare nodes serve this one now. A list that
        // takes over another's usually has none of its own, and then nothing is walked.
        Slot* pOtherFree = std::exchange(other.m_pFree, nullptr);
        if (!pOtherFree)
            return;
        if (m_pFree) {
            Slot* pLast = pOtherFree;
            for (;;) {
                QARVO_LIST_UNPOISON(pLast, sizeof(Slot));
                Slot* pNext = pLast->pNextFree;
                if (!pNext)
                    break;
                QARVO_LIST_POISON(pLast, sizeof(Slot));
                pLast = pNext;
            }
            pLast->pNextFree = m_pFree;
            QARVO_LIST_POISON(pLast, sizeof(Slot));
        }
        m_pFree = pOtherFree;
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
    Slot* m_pFree = nullptr;
    Slot* m_pFresh = nullptr; // the newest block's slots not yet handed out
    Slot* m_pFreshEnd = nullptr;
    std::vector<Block> m_blocks;
};

#undef QARVO_LIST_POISON
#undef QARVO_LIST_UNPOISON
