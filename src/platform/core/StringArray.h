// CStringArray: the framework's growable array of strings. Indexes outside the array throw
// std::out_of_range rather than reading or writing past the storage.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <vector>

class CStringArray {
public:
    INT_PTR GetSize() const { return INT_PTR(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }
    // New elements are empty strings; nGrowBy is accepted for compatibility, growth is the
    // vector's own.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);

    const CString& GetAt(INT_PTR nIndex) const;
    void SetAt(INT_PTR nIndex, LPCTSTR newElement);
    CString& ElementAt(INT_PTR nIndex);
    const CString& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    CString& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    CString* GetData() { return m_items.data(); }
    const CString* GetData() const { return m_items.data(); }

    INT_PTR Add(const CString& newElement);
    INT_PTR Add(LPCTSTR newElement) { return Add(CString(newElement)); }
    // Grows the array when nIndex is at or past its end.
    void SetAtGrow(INT_PTR nIndex, const CString& newElement);
    // Inserts nCount copies at nIndex; an index past the end grows the array up to it first.
    void InsertAt(INT_PTR nIndex, const CString& newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, const CStringArray& newArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
    void RemoveAll() { m_items.clear(); }
    // Appends the other array (which may be this one); returns the index of its first element.
    INT_PTR Append(const CStringArray& src);
    void Copy(const CStringArray& src);

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    void CheckIndex(INT_PTR nIndex) const;

    std::vector<CString> m_items;
};
