// CUDC: the main page of the user-defined serial communication block: the port and cycle, and
// for sending and receiving the optional start and end characters (one hexadecimal byte each),
// the data area and number of the first word, and the word count.
#pragma once

#include "pages/blocks/PageTips.h"
#include "pages/controls/HexTextEdit.h"
#include "pages/sheet/BlockPage.h"

// The largest number of a first data word in the area (0 AM, 1 AQ, 2 AI).
int UdcLastNumber(int nArea);

class CUDC : public CBlockPage {
    DECLARE_DYNAMIC(CUDC)

public:
    explicit CUDC(int nType);

    // The four characters in the order transmit start, transmit end, receive start, receive end.
    static constexpr int kCharacters = 4;

    int m_nPort = 0;
    int m_nCycle = 0;
    int m_bProtect = 0;
    int m_bTxStart = 0;
    int m_bTxEnd = 0;
    int m_bRxStart = 0;
    int m_bRxEnd = 0;
    int m_nRxArea = 0;
    int m_nTxArea = 0;
    int m_nTxWords = 1;
    int m_nRxWords = 1;
    int m_nTxNumber = 0;
    int m_nRxNumber = 0;
    CString m_strChars[kCharacters];
    int m_nChars[kCharacters] = {};
    CPageTips m_tooltip;

    void ReadBlock(const CBlockObj& block) override;
    BlockWrite MakeBlockWrite(BOOL bApply) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // Each character edit is enabled while its check box is checked.
    void EnableCharacters();
    // A first-word number beyond the chosen area becomes the area's last.
    void ClampNumber(int nNumberID, int nArea);

    CHexTextEdit m_editChars[kCharacters];
};
