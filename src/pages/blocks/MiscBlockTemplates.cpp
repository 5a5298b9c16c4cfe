#include "pages/blocks/MiscBlockTemplates.h"

#include "pages/blocks/MiscBlockIds.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/TemplateBuilder.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"

#include <vector>

namespace {

constexpr int kNoId = -1;

void Mask()
{
    CTemplateBuilder(IDD_MASK, _T("Parameter"), CSize(235, 144))
        .Name()
        .Group(IDC_PARAM_GROUP, _T("Mask"), CRect(10, 32, 225, 74))
        .Edit(IDC_PARAM_VALUE, CRect(20, 48, 70, 60))
        .Label(IDC_HEX_LABEL, _T("(Hex)"), CRect(73, 50, 113, 60))
        .Push(IDC_SETTING_BUTTON, _T("Setting"), CRect(116, 47, 160, 61))
        .Check(IDC_REFERENCE_BUTTON, _T("Reference"), CRect(166, 48, 222, 60))
        .Check(IDC_PROTECT_ACTIVE, _T("Protection Active"), CRect(10, 84, 120, 96))
        .Register();
}

void MaxMin()
{
    CTemplateBuilder(IDD_MAXMIN, _T("Parameter"), CSize(250, 198))
        .Name()
        .Group(IDC_PARAM_GROUP, _T("Mode"), CRect(10, 30, 240, 120))
        .Edit(IDC_PARAM_VALUE, CRect(20, 44, 80, 56))
        .Spin(IDC_PARAM_SPIN, CRect(80, 44, 90, 56))
        .Check(IDC_REFERENCE_BUTTON, _T("Reference"), CRect(160, 45, 230, 57))
        .Label(IDC_MODE_TEXT_FIRST, _T("Mode=0,Output=Min;"), CRect(20, 64, 235, 74))
        .Label(IDC_MODE_TEXT_FIRST + 1, _T("Mode=1,Output=Max;"), CRect(20, 76, 235, 86))
        .Label(IDC_MODE_TEXT_FIRST + 2, _T("Mode=2,if S1=0,Output=Min;if S1=1,Output=Max;"), CRect(20, 88, 235, 98))
        .Label(IDC_MODE_TEXT_FIRST + 3, _T("Otherwise,Output=Ax;"), CRect(20, 100, 235, 110))
        .Check(IDC_RESET_ON_DISABLE, _T("When Enable=0,reset Max/Min"), CRect(10, 128, 190, 140))
        .Check(IDC_RETENTIVE, _T("Retentivity"), CRect(10, 144, 120, 156))
        .Check(IDC_PROTECT_ACTIVE, _T("Protection Active"), CRect(10, 160, 120, 172))
        .Register();
}

void MiscRelay()
{
    CTemplateBuilder(IDD_MISC_RELAY, _T("Parameter"), CSize(250, 112))
        .Name()
        .Radio(IDC_PRIORITY_R, _T("Input R takes priority over S"), CRect(10, 32, 190, 44), true)
        .Radio(IDC_PRIORITY_S, _T("Input S takes priority over R"), CRect(10, 48, 190, 60), false)
        .Numbers(IDC_SREG_BIT, CRect(195, 46, 235, 140), 15)
        .Check(IDC_RETENTIVITY, _T("Retentivity"), CRect(10, 70, 120, 82))
        .Label(IDC_SREG_BIT_LABEL, _T("Shift register bit at the output connector"), CRect(10, 48, 190, 58))
        .Numbers(IDC_SREG_INDEX, CRect(195, 30, 235, 90), 3)
        .Label(IDC_SREG_INDEX_LABEL, _T("Shift register index"), CRect(10, 32, 190, 42))
        .Register();
}

void Mem()
{
    CTemplateBuilder(IDD_MEM, _T("Parameter"), CSize(235, 118))
        .Name()
        .Label(1324, _T("Type"), CRect(10, 32, 50, 42))
        .List(IDC_MEM_TYPE, CRect(55, 30, 225, 80), {_T("Function Block")})
        .Label(IDC_MEM_BLOCK_LABEL, _T("Block"), CRect(10, 50, 50, 60))
        .List(IDC_MEM_BLOCK, CRect(55, 48, 225, 150), {_T("----------")})
        .Label(1322, _T("Index"), CRect(10, 68, 50, 78))
        .List(IDC_MEM_INDEX, CRect(55, 66, 225, 150), {_T("----------")})
        .Check(IDC_RETENTIVITY, _T("Retentivity"), CRect(10, 90, 120, 102))
        .Register();
}

void Modbus()
{
    CTemplateBuilder(IDD_MODBUS, _T("Parameter"), CSize(245, 193))
        .Label(IDC_BLOCK_NAME_LABEL, _T("Block name"), CRect(10, 12, 85, 22))
        .Edit(IDC_BLOCK_NAME, CRect(90, 10, 150, 22))
        .Label(IDC_CYCLE_LABEL, _T("Cycle"), CRect(156, 12, 180, 22))
        .Edit(IDC_CYCLE, CRect(182, 10, 212, 22))
        .Label(IDC_CYCLE_NOTE, _T("(0:successive)"), CRect(182, 24, 243, 34))
        .Label(IDC_SLAVE_LABEL, _T("Slave Address"), CRect(10, 30, 85, 40))
        .Edit(IDC_SLAVE, CRect(90, 28, 150, 40))
        .Label(IDC_PORT_LABEL, _T("Port(Master)"), CRect(10, 48, 85, 58))
        .List(IDC_PORT, CRect(90, 46, 170, 100), {_T("COM0(RS232)"), _T("COM1(RS485)"), _T("COM2(RS485)")})
        .Label(IDC_COMMAND_LABEL, _T("Command"), CRect(10, 66, 85, 76))
        .List(IDC_COMMAND, CRect(90, 64, 235, 130))
        .Label(IDC_REGISTER_LABEL, _T("Register Address"), CRect(10, 84, 85, 94))
        .Edit(IDC_REGISTER, CRect(90, 82, 150, 94))
        .Label(IDC_COUNT_LABEL, _T("Count"), CRect(10, 102, 85, 112))
        .Edit(IDC_COUNT, CRect(90, 100, 150, 112))
        .Group(IDC_WRITING_MODE_GROUP, _T("Writing Mode"), CRect(10, 118, 235, 186))
        .Radio(IDC_MODE_AUTO, _T("Auto"), CRect(18, 143, 70, 155), true)
        .Radio(IDC_MODE_MANUAL, _T("Manual"), CRect(18, 161, 70, 173), false)
        .Label(IDC_DATA_ADDRESS_LABEL, _T("Data Address"), CRect(76, 131, 150, 141))
        .List(IDC_DATA_KIND, CRect(76, 142, 110, 194), {_T("M"), _T("Q"), _T("I")})
        .Edit(IDC_DATA_NUMBER, CRect(114, 142, 160, 154))
        .Edit(IDC_DATA_FIRST, CRect(76, 160, 110, 172))
        .Edit(IDC_DATA_SECOND, CRect(114, 160, 144, 172))
        .Label(IDC_HEX_LABEL, _T("(Hex)"), CRect(147, 162, 189, 172))
        .Push(IDC_SETTING_BUTTON, _T("Config"), CRect(191, 159, 231, 173))
        .Register();
}

void SetCoilState()
{
    CTemplateBuilder dialog(IDD_SET_COIL_STATE, _T("Set Coil State"), CSize(199, 153),
                   WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    for (int b = 0; b < COIL_BOXES; ++b) {
        CString strText;
        strText.Format(_T("Coil %d"), b);
        const int x = 7 + 47 * (b / 8);
        const int y = 7 + 14 * (b % 8);
        dialog.Check(IDC_COIL_FIRST + b, strText, CRect(x, y, x + 45, y + 12));
    }
    dialog.Push(IDOK, _T("OK"), CRect(87, 132, 137, 146)).Push(IDCANCEL, _T("Cancel"), CRect(142, 132, 192, 146));
    dialog.Register();
}

void Udc()
{
    CTemplateBuilder page(IDD_UDC, _T("Parameter"), CSize(279, 296));
    page.Name()
        .Label(kNoId, _T("ComPort"), CRect(10, 30, 60, 40))
        .List(IDC_PORT, CRect(62, 28, 140, 80), {_T("COM0(RS232)"), _T("COM1(RS485)"), _T("COM2(RS485)")})
        .Label(kNoId, _T("Cycle"), CRect(150, 30, 175, 40))
        .Edit(IDC_CYCLE, CRect(176, 28, 206, 40))
        .Label(kNoId, _T("(0:successive)"), CRect(210, 30, 275, 40));
    struct Direction {
        LPCTSTR lpszGroup;
        int y;
        int nStartCheck, nStart, nEndCheck, nEnd, nArea, nNumber, nWords;
    };
    const Direction directions[] = {
        {_T("Transmit"), 48, IDC_UDC_TX_START_CHECK, IDC_UDC_TX_START, IDC_UDC_TX_END_CHECK, IDC_UDC_TX_END,
         IDC_UDC_TX_AREA, IDC_UDC_TX_NUMBER, IDC_UDC_TX_WORDS},
        {_T("Receive"), 128, IDC_UDC_RX_START_CHECK, IDC_UDC_RX_START, IDC_UDC_RX_END_CHECK, IDC_UDC_RX_END,
         IDC_UDC_RX_AREA, IDC_UDC_RX_NUMBER, IDC_UDC_RX_WORDS},
    };
    for (const Direction& d : directions) {
        const int y = d.y;
        page.Group(kNoId, d.lpszGroup, CRect(10, y, 269, y + 74))
            .Check(d.nStartCheck, _T("Start-Char"), CRect(20, y + 14, 90, y + 26))
            .Edit(d.nStart, CRect(95, y + 13, 120, y + 25))
            .Label(kNoId, _T("(Hex)"), CRect(124, y + 15, 150, y + 25))
            .Check(d.nEndCheck, _T("End-Char"), CRect(20, y + 32, 90, y + 44))
            .Edit(d.nEnd, CRect(95, y + 31, 120, y + 43))
            .Label(kNoId, _T("(Hex)"), CRect(124, y + 33, 150, y + 43))
            .Label(kNoId, _T("Data Address"), CRect(20, y + 52, 78, y + 62))
            .List(d.nArea, CRect(80, y + 50, 113, y + 100),
                  d.nArea == IDC_UDC_TX_AREA ? std::vector<CString>{_T("AM"), _T("AQ"), _T("AI")}
                                             : std::vector<CString>{_T("AM")})
            .Edit(d.nNumber, CRect(116, y + 50, 148, y + 62))
            .Label(kNoId, _T("Count"), CRect(160, y + 52, 185, y + 62))
            .Edit(d.nWords, CRect(188, y + 50, 220, y + 62));
    }
    page.Check(IDC_PROTECTION, _T("Protection Active"), CRect(10, 208, 120, 220))
        .Group(kNoId, _T("Tx/Rx Format"), CRect(10, 226, 269, 286));
    const LPCTSTR fields[] = {_T("Start-Char"), _T("Data"), _T("Data"), _T("Data..."), _T("End-Char")};
    const LPCTSTR sizes[] = {_T("byte"), _T("word"), _T("word"), _T("word..."), _T("byte")};
    for (int i = 0; i < 5; ++i) {
        page.Label(kNoId, fields[i], CRect(18 + 50 * i, 244, 64 + 50 * i, 254))
            .Label(kNoId, sizes[i], CRect(18 + 50 * i, 260, 64 + 50 * i, 270));
    }
    page.Register();
}

void Wifi()
{
    CTemplateBuilder(IDD_WIFI, _T("Parameter"), CSize(235, 156))
        .Radio(IDC_WIFI_STATION, _T("Station"), CRect(10, 10, 60, 22), true)
        .Radio(IDC_WIFI_VM, _T("VM"), CRect(70, 10, 120, 22), false)
        .Radio(IDC_WIFI_DIAGNOSTIC, _T("Diagnostic"), CRect(130, 10, 200, 22), false)
        .Group(IDC_WIFI_GROUP, _T("Read value from"), CRect(10, 30, 225, 110))
        .Label(IDC_WIFI_ID_LABEL, _T("WiFi ID"), CRect(20, 46, 80, 56))
        .List(IDC_WIFI_ID, CRect(85, 44, 215, 120))
        .Label(IDC_WIFI_TYPE_LABEL, _T("Block Type"), CRect(20, 66, 80, 76))
        .List(IDC_WIFI_TYPE, CRect(85, 64, 215, 140))
        .Label(IDC_WIFI_NUMBER_LABEL, _T("Block Number"), CRect(20, 86, 80, 96))
        .List(IDC_WIFI_NUMBER, CRect(85, 84, 215, 180))
        .Register();
}

}  // namespace

void RegisterMiscBlockTemplates()
{
    static const bool bRegistered = [] {
        Mask();
        MaxMin();
        MiscRelay();
        Mem();
        Modbus();
        SetCoilState();
        Udc();
        Wifi();
        return true;
    }();
    (void)bRegistered;
}
