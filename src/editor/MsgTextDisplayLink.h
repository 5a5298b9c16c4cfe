// The diagram view's side of the simulation's "Message texts" display: after every scan (and
// after a click on a simulated input) it looks at which message came on or went off and opens,
// turns or closes the display accordingly. It owns the open display's pointer; the display's
// window, when it goes, tells it here.
#pragma once

#include "blocks/SimContext.h"
#include "pages/sheet/SimMessageDisplay.h"

class CVetlaView;

class CMsgTextDisplayLink : public ISimMessageDisplayHost {
public:
    explicit CMsgTextDisplayLink(CVetlaView& view) : m_view(view) {}
    ~CMsgTextDisplayLink() { Close(); }
    CMsgTextDisplayLink(const CMsgTextDisplayLink&) = delete;
    CMsgTextDisplayLink& operator=(const CMsgTextDisplayLink&) = delete;

    // The message-text pass: a message that came on opens the display (or has its page chosen),
    // one that went off has the page chosen again, or closes the display when none is active.
    void OpenMessageTexts();
    // Destroys an open display (leaving the simulation).
    void Close();
    // An open display is destroyed and opened anew from the messages as they now stand.
    void Reopen();
    ISimMessageDisplay* GetDisplay() const { return m_pDisplay; }

    // ISimMessageDisplayHost.
    CVetlaDoc* GetDisplayDocument() const override;
    const CSimContext* GetDisplaySimContext() const override { return &m_sim; }
    CWnd* GetDisplayParent() override;
    void RefreshBlockValues(CBlockObj& block) override;
    void CloseValuePopup() override;
    BOOL IsValuePopup(const CWnd* pWnd) const override;
    void OnDisplayDestroyed() override { m_pDisplay = nullptr; }

private:
    CVetlaView& m_view;
    ISimMessageDisplay* m_pDisplay = nullptr;
    CSimContext m_sim;
};
