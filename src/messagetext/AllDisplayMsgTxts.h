// CAllDisplayMsgTxts: the modeless "Message texts" sheet of a running simulation, one
// CMsgTxtDisplay page per message-text block in ascending priority. It keeps the page of the
// most important active message in front as messages come on and go off, closes an open
// in-place popup when the pages change, and deletes itself when its window goes. Closed while a
// box of one of its pages is up, it hides and leaves its host at once but keeps its window, and
// so the pages that the code under the box still uses, until the box has gone.
#pragma once

#include "messagetext/MsgTxtDisplay.h"
#include "pages/sheet/SimMessageDisplay.h"
#include "platform/ui/PropertySheet.h"

#include <memory>
#include <vector>

class CAllDisplayMsgTxts : public CPropertySheet, public ISimMessageDisplay {
    DECLARE_DYNAMIC(CAllDisplayMsgTxts)

public:
    CAllDisplayMsgTxts(LPCTSTR pszCaption, ISimMessageDisplayHost& host, UINT nStartPage = 0);
    ~CAllDisplayMsgTxts() override;

    // The sheet's window, or null (the sheet deleted) when it could not be made.
    static CAllDisplayMsgTxts* Open(ISimMessageDisplayHost& host);

    // ISimMessageDisplay.
    void SelectShownMessagePage(int nBlockNumber, int nEvent) override;
    void DestroyDisplay() override;

    CMsgTxtDisplay* GetDisplayPage(int nPage) const;
    // The block number of each page, in page order.
    std::vector<int> PageBlockNumbers() const;
    // Closes every page's open popup without applying it.
    void ClosePopups();
    // A box of a page runs its message loop (bRunning), or has ended.
    void OnPageModalLoop(BOOL bRunning);

protected:
    BOOL OnInitDialog() override;
    // Cancel, the window manager's close among it, closes the display as its host would.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnMove(int x, int y) override;
    // Taking over from the value popup or a property sheet closes the popup.
    LRESULT OnActivateMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndMessage(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    void AddMessagePages();
    // The host forgets the display, and the display and its pages the host.
    void LeaveHost();

    // Null once the display has left it.
    ISimMessageDisplayHost* m_pHost;
    std::vector<std::unique_ptr<CMsgTxtDisplay>> m_pages;
    // The boxes of pages whose loops run now, and whether the display was closed under one.
    int m_nModalLoops = 0;
    BOOL m_bEndPending = FALSE;
};

// Installs the sheet as the view's message-text display.
void InstallMsgTextDisplay();
