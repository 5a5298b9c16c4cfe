#include "editor/MsgTextDisplayLink.h"

#include "blocks/BlockMSGTEXT.h"
#include "document/SimMessageTexts.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"

void CMsgTextDisplayLink::OpenMessageTexts()
{
    CVetlaDoc* pDoc = m_view.GetDocument();
    if (!pDoc)
        return;
    m_sim = m_view.MakeSimContext();
    // The display draws values between scans; only the scan refreshes the bars.
    m_sim.pBars = nullptr;
    const MessageTextChange change = TakeMessageTextChange(*pDoc);
    if (change.pCameOn) {
        if (!m_pDisplay)
            m_pDisplay = CreateSimMessageDisplay(*this);
        else
            m_pDisplay->SelectShownMessagePage(change.pCameOn->m_nNumber, MSGTEXT_EVENT_ON);
        return;
    }
    if (change.nWentOff < 0 || !m_pDisplay)
        return;
    if (AnyMessageTextActive(*pDoc))
        m_pDisplay->SelectShownMessagePage(change.nWentOff, MSGTEXT_EVENT_OFF);
    else
        Close();
}

void CMsgTextDisplayLink::Close()
{
    // The display clears the pointer through OnDisplayDestroyed while it goes.
    if (ISimMessageDisplay* pDisplay = m_pDisplay)
        pDisplay->DestroyDisplay();
    m_pDisplay = nullptr;
}

void CMsgTextDisplayLink::Reopen()
{
    if (!m_pDisplay || !m_view.GetDocument())
        return;
    Close();
    m_sim = m_view.MakeSimContext();
    m_sim.pBars = nullptr;
    m_pDisplay = CreateSimMessageDisplay(*this);
}

CVetlaDoc* CMsgTextDisplayLink::GetDisplayDocument() const
{
    return m_view.GetDocument();
}

CWnd* CMsgTextDisplayLink::GetDisplayParent()
{
    return m_view.m_hWnd ? &m_view : nullptr;
}

void CMsgTextDisplayLink::RefreshBlockValues(CBlockObj& block)
{
    m_view.RefreshPropertyPageValues(&block);
}

BOOL CMsgTextDisplayLink::IsValuePopup(const CWnd* pWnd) const { return m_view.IsValuePopup(pWnd); }

void CMsgTextDisplayLink::CloseValuePopup()
{
    m_view.CloseValuePopup();
}
