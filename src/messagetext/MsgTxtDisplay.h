// CMsgTxtDisplay: one page of the simulation's "Message texts" sheet: the message text of one
// message-text block as the controller's display shows it, character set 1 on the LCD grid with
// the elements over it, redrawn every 53 ms so that the values follow the running blocks. The
// page shows copies: it never writes the cells back, and its elements go back to the block only
// through the in-place popup, which writes a parameter into the element's own block.
#pragma once

#include "blocks/BlockMSGTEXT.h"
#include "messagetext/LcdCanvas.h"
#include "platform/ui/PropertyPage.h"

class CAllDisplayMsgTxts;
class ISimMessageDisplayHost;

class CMsgTxtDisplay : public CPropertyPage, public ILcdGridHost {
    DECLARE_DYNAMIC(CMsgTxtDisplay)

public:
    explicit CMsgTxtDisplay(ISimMessageDisplayHost* pHost = nullptr, CAllDisplayMsgTxts* pSheet = nullptr);
    ~CMsgTxtDisplay() override;

    // The block's number, its first plane's cells (13 columns) and the tab title; set before
    // the page's window exists.
    void TakeBlock(const CBlockMSGTEXT& block);

    int m_nBlockNumber = -1;
    CString m_strCells[MSGTEXT_ROWS][MSGTEXT_OLD_COLUMNS];
    CString m_strTitle;
    CLcdCanvas m_grid;

    // "Details": an open popup closes without its value; else every page switches the style
    // of its elements at its next redraw.
    void OnDetails();

    // ---- ILcdGridHost ----
    LcdGridHostKind GetGridHostKind() const override { return LcdGridHostKind::MsgTxtDisplay; }
    CVetlaDoc* GetGridDocument() const override;
    const CSimContext* GetGridSimContext() const override;
    int GetEditedBlockNumber() const override { return m_nBlockNumber; }
    void OnParamWritten(CBlockObj& block) override;
    // The sheet holds off its end while a box of the grid is up.
    void OnCanvasModalLoop(BOOL bRunning) override;

    // The page's host is gone for it (its sheet is closed and waits for a box to go): the page
    // shows no block from now on.
    void DetachHost() { m_pHost = nullptr; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Enter moves the focus as Tab does, so that it never closes the sheet.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    void SetUpDisplayGrid();
    // Copies of the block's set-1 elements at the same indexes (null entries stay null), each
    // fitted to the display's cells.
    void CopyElements(const CBlockMSGTEXT& block);

    ISimMessageDisplayHost* m_pHost;
    CAllDisplayMsgTxts* m_pSheet;
};
