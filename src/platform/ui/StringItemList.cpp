#include "platform/ui/StringItemList.h"

int CStringItemList::Add(const CString& strText, bool bSorted)
{
    int nIndex = GetCount();
    if (bSorted) {
        nIndex = 0;
        while (nIndex < GetCount() && At(nIndex).strText.CompareNoCase(strText) <= 0)
            ++nIndex;
    }
    m_items.insert(m_items.begin() + nIndex, Item{strText, 0});
    return nIndex;
}

int CStringItemList::Insert(int nIndex, const CString& strText)
{
    if (nIndex == -1)
        nIndex = GetCount();
    if (nIndex < 0 || nIndex > GetCount())
        return -1;
    m_items.insert(m_items.begin() + nIndex, Item{strText, 0});
    return nIndex;
}

int CStringItemList::Delete(int nIndex)
{
    if (!IsValid(nIndex))
        return -1;
    m_items.erase(m_items.begin() + nIndex);
    return GetCount();
}

template <class Match>
int CStringItemList::Find(int nStartAfter, Match match) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return -1;
    const int nFirst = IsValid(nStartAfter) ? nStartAfter + 1 : 0;
    for (int i = 0; i < nCount; ++i) {
        const int nIndex = (nFirst + i) % nCount;
        if (match(At(nIndex).strText))
            return nIndex;
    }
    return -1;
}

int CStringItemList::FindPrefix(int nStartAfter, const CString& strFind) const
{
    return Find(nStartAfter, [&](const CString& strText) {
        return strText.Left(strFind.GetLength()).CompareNoCase(strFind) == 0;
    });
}

int CStringItemList::FindExact(int nStartAfter, const CString& strFind) const
{
    return Find(nStartAfter,
                [&](const CString& strText) { return strText.CompareNoCase(strFind) == 0; });
}
