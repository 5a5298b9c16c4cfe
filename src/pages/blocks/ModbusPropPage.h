// CModbusPropPage: the main page of the Modbus read and write blocks: slave address, port,
// command (function code), register address, count and cycle, and the controller's data
// address, either derived from a data kind and number ("Auto") or, on a write block, typed as
// hexadecimal data words ("Manual"), with the coil-state dialog for coil writes.
#pragma once

#include "pages/blocks/ModbusTables.h"
#include "pages/blocks/PageTips.h"
#include "pages/controls/HexTextEdit.h"
#include "pages/sheet/BlockPage.h"

class CModbusPropPage : public CBlockPage {
    DECLARE_DYNAMIC(CModbusPropPage)

public:
    explicit CModbusPropPage(int nType);

    int m_nCycle = 0;
    int m_nSlave = 1;
    int m_nPort = 0;
    int m_nCommand = 0;
    int m_nRegister = 0;
    int m_nCount = 1;
    int m_nKind = 0;
    int m_nDataNumber = 0;
    CString m_strData = _T("0");
    CString m_strData2 = _T("0");
    int m_nMode = 0;
    WORD m_wDataAddress = 0;
    WORD m_wDataAddress2 = 0;
    BYTE m_byFunction = 0;
    CPageTips m_tooltip;

    void ReadBlock(const CBlockObj& block) override;
    BlockWrite MakeBlockWrite(BOOL bApply) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    BOOL IsWriteBlock() const;
    const ModbusCommand& Command() const { return GetModbusCommand(m_nType, m_nCommand); }
    void FillCommands();
    // A new command: its kinds, its count rule and the "Config" button.
    void OnCommandChange(int nNewCommand);
    void FillKinds(int nSel);
    void OnMode(int nMode);
    void EnableModeControls();
    void ClampCount();
    void ClampNumber();
    void OnConfig();
    // The function code and the data address words as the values stand (OK and Apply alike).
    void SaveFunctionAndAddress();
    int ReadEditInt(int nID, bool& bRead) const;
    void SetEditInt(int nID, int nValue);

    CHexTextEdit m_editData;
    CHexTextEdit m_editData2;
};
