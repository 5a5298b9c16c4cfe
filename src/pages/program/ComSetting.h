// CComSetting: a "COM" page of the program Properties sheet: the controller's role on one of
// its serial ports (slave, master, or the link to the TX330 text panel), the protocol and line
// settings, the device address and the polling times. The text panel's link is fixed, so its
// settings are set and hidden; UDC is a master's protocol of the newer controllers.
#pragma once

#include "blocks/ComPortSettings.h"
#include "pages/program/ProgramPage.h"

class CComboBox;

// The roles of the model list.
constexpr int COM_MODEL_SLAVE = 0;
constexpr int COM_MODEL_MASTER = 1;
constexpr int COM_MODEL_TEXT_PANEL = 2;

class CComSetting : public CProgramPage {
    DECLARE_DYNAMIC(CComSetting)

public:
    CComSetting();

    int m_nModel = 0;
    int m_nProtocol = 0;
    int m_nAddress = 1;
    int m_nBaud = COM_BAUD_9600;
    int m_nParityDataStop = 0;
    int m_nTimeout = 200;
    int m_nDelay = 0;
    int m_nDataRegister = 0;
    int m_nParity = 0;
    int m_nDataBits = 1;
    int m_nStopBits = 0;
    CString m_strParityText = _T("None,8,1");

    void CopyFrom(const ComPortSettings& com);
    // The record with the page's values; what the page does not edit comes from base.
    ComPortSettings CopyTo(const ComPortSettings& base) const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CComboBox& Combo(int nID) const;
    void FillLists();
    void OnProtocolChange();
    void OnModelChange();
    // The parity, data bits and stop bits named by a line of the list.
    void SplitParityText(const CString& strText);
    CString ParityTextOfMembers() const;
    void ShowLineControls(bool bShow);
    CString SelectedProtocol() const;
    // The word order list, shown unless the protocol or the role fixes it.
    void ShowWordOrder();
    void ShowAddress(bool bShow);
    void SetUdcOffered(bool bOffered);
    void FixForTextPanel();
    int AddressMinimum() const;
};
