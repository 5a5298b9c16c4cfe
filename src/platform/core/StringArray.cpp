#include "platform/core/StringArray.h"

#include <stdexcept>

void CStringArray::CheckIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        throw std::out_of_range("CStringArray index out of range");
}

void CStringArray::SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/)
{
    if (nNewSize < 0)
        throw std::out_of_range("CStringArray size is negative");
    m_items.resize(std::size_t(nNewSize));
}

const CString& CStringArray::GetAt(INT_PTR nIndex) const
{
    CheckIndex(nIndex);
    return m_items[std::size_t(nIndex)];
}

void CStringArray::SetAt(INT_PTR nIndex, LPCTSTR newElement)
{
    ElementAt(nIndex) = newElement;
}

CString& CStringArray::ElementAt(INT_PTR nIndex)
{
    CheckIndex(nIndex);
    return m_items[std::size_t(nIndex)];
}

INT_PTR CStringArray::Add(const CString& newElement)
{
    m_items.push_back(newElement);
    return GetUpperBound();
}

void CStringArray::SetAtGrow(INT_PTR nIndex, const CString& newElement)
{
    if (nIndex < 0)
        throw std::out_of_range("CStringArray index out of range");
    if (nIndex >= GetSize())
        SetSize(nIndex + 1);
    m_items[std::size_t(nIndex)] = newElement;
}

void CStringArray::InsertAt(INT_PTR nIndex, const CString& newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0)
        throw std::out_of_range("CStringArray index out of range");
    if (nIndex > GetSize())
        SetSize(nIndex);
    const CString copy(newElement); // may be an element of this array
    m_items.insert(m_items.begin() + nIndex, std::size_t(nCount), copy);
}

void CStringArray::InsertAt(INT_PTR nStartIndex, const CStringArray& newArray)
{
    if (nStartIndex < 0)
        throw std::out_of_range("CStringArray index out of range");
    if (nStartIndex > GetSize())
        SetSize(nStartIndex);
    const std::vector<CString> copy(newArray.m_items); // may be this array
    m_items.insert(m_items.begin() + nStartIndex, copy.begin(), copy.end());
}

void CStringArray::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
        throw std::out_of_range("CStringArray index out of range");
    m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount);
}

INT_PTR CStringArray::Append(const CStringArray& src)
{
    const INT_PTR first = GetSize();
    InsertAt(first, src);
    return first;
}

void CStringArray::Copy(const CStringArray& src)
{
    if (&src != this)
        m_items = src.m_items;
}
