#include "blocks/StringStack.h"

#include "platform/core/MessageBox.h"

namespace {

void ReportEmpty()
{
    AfxMessageBox(_T("Empty Stack"), MB_ICONERROR);
}

}  // namespace

void CStringStack::Push(const CString& str)
{
    if (IsFull()) {
        AfxMessageBox(_T("Full Stack"), MB_ICONERROR);
        return;
    }
    m_items[std::size_t(++m_nTop)] = str;
}

void CStringStack::Drop()
{
    if (IsEmpty()) {
        ReportEmpty();
        return;
    }
    m_items[std::size_t(m_nTop--)].Empty();
}

CString CStringStack::Top() const
{
    if (IsEmpty()) {
        ReportEmpty();
        return CString();
    }
    return m_items[std::size_t(m_nTop)];
}

CString CStringStack::Pop()
{
    if (IsEmpty()) {
        ReportEmpty();
        return CString();
    }
    CString str = m_items[std::size_t(m_nTop)];
    m_items[std::size_t(m_nTop--)].Empty();
    return str;
}
