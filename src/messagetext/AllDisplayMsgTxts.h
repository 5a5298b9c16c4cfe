// CAllDisplayMsgTxts: the modeless "Message texts" sheet of a running simulation, one
// CMsgTxtDisplay page per message-text block in ascending priority. It keeps the page of the
// most important active message in front as messages come on and go off, closes an open
// in-place popup when the pages change, and deletes itself when its window goes.
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

protected:
    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnMove(int x, int y) override;
    // Taking over from the value popup or a property sheet closes the popup.
    LRESULT OnActivateMessage(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    void AddMessagePages();

    ISimMessageDisplayHost& m_host;
    std::vector<std::unique_ptr<CMsgTxtDisplay>> m_pages;
};

// Installs the sheet as the view's message-text display.
void InstallMsgTextDisplay();
