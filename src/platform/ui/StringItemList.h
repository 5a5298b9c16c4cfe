// The items of a combo box or a list box: strings with a data value each, kept sorted when the
// control's style asks for it, and the searches both controls answer. Indices are 0-based; -1
// (CB_ERR, LB_ERR) reports a failed search or a bad index.
#pragma once

#include "platform/core/String.h"

#include <cstdint>
#include <vector>

// Item data of the controls (also declared, identically, where other controls need it).
using DWORD_PTR = std::uintptr_t;

class CStringItemList {
public:
    struct Item {
        CString strText;
        DWORD_PTR dwData = 0;
    };

    int GetCount() const { return int(m_items.size()); }
    bool IsValid(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }
    const Item& At(int nIndex) const { return m_items[std::size_t(nIndex)]; }
    Item& At(int nIndex) { return m_items[std::size_t(nIndex)]; }

    // At the end, or at its place in case-insensitive order when bSorted.
    int Add(const CString& strText, bool bSorted);
    // nIndex -1 appends; an index past the end fails (-1).
    int Insert(int nIndex, const CString& strText);
    // Returns the count left, -1 for a bad index.
    int Delete(int nIndex);
    void Clear() { m_items.clear(); }

    // The first item after nStartAfter (-1: from the first), wrapping round once, whose text
    // begins with (FindPrefix) or equals (FindExact) strFind without regard to case.
    int FindPrefix(int nStartAfter, const CString& strFind) const;
    int FindExact(int nStartAfter, const CString& strFind) const;

    const std::vector<Item>& Items() const { return m_items; }
    void Assign(const std::vector<Item>& items) { m_items = items; }

private:
    template <class Match>
    int Find(int nStartAfter, Match match) const;

    std::vector<Item> m_items;
};
