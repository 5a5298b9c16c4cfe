#include "CollectionArchive.h"

IMPLEMENT_SERIAL(CCollTestItem, CObject, 1)
IMPLEMENT_SERIAL(CCollTestMark, CObject, 2)

void CCollTestItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nValue;
    else
        ar >> m_nValue;
}

void CCollTestMark::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_wValue;
    else
        ar >> m_wValue;
}
