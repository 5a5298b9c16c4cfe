// The Modbus page (commands and their counts, kinds and Auto addresses, Manual data words, the
// coil-state dialog), the user-defined communication page (frame characters typed and pasted,
// number clamps, word counts) and the WiFi page (its lists by type and mode).
#include "PageFixture.h"

#include "blocks/BlockExtended.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/ModbusPropPage.h"
#include "pages/blocks/ModbusTables.h"
#include "pages/blocks/SetCoilStateDlg.h"
#include "pages/blocks/Wifi.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/ComboBox.h"
#include "support/ComboLines.h"
#include "support/QtTestInput.h"

#include <vector>

namespace {

class CommPages : public PageFixture {
protected:
    CBlockMR& Modbus(int nType) { return *static_cast<CBlockMR*>(Block(nType)); }
};

TEST(ModbusTables, ManualWordsKeepTheCountsBits)
{
    struct Case {
        BYTE byFunction;
        int nCount;
        int nFirst;
        int nSecond;
        WORD wFirst;
        WORD wSecond;
    };
    const Case cases[] = {
        {15, 20, 0xFFFF, 0xFF, 0xFFFF, 0x0F}, {15, 4, 0xFFFF, 0xFF, 0x0F, 0},   {5, 1, 0xFFFF, 0xFF, 1, 0},
        {15, 16, 0x1234, 0xFF, 0x1234, 0},    {15, 32, 0x1, 0xFFFF, 1, 0xFFFF}, {6, 1, 0xABCD, 0x11, 0xABCD, 0},
        {16, 2, 0xABCD, 0x11, 0xABCD, 0x11},  {16, 1, 0xABCD, 0x11, 0xABCD, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.byFunction) << " x" << c.nCount);
        const ModbusDataWords words = ManualDataWords(c.byFunction, c.nCount, c.nFirst, c.nSecond);
        EXPECT_EQ(words.wFirst, c.wFirst);
        EXPECT_EQ(words.wSecond, c.wSecond);
    }
    EXPECT_EQ(ModbusCommandIndex(BT_MW, 15), 2);
    EXPECT_EQ(ModbusCommandIndex(BT_MR, 15), -1);
}

TEST_F(CommPages, ASingleWriteForcesCountOneAndAMultipleOneAllowsItsRange)
{
    CBlockMR& write = Modbus(BT_MW);
    EditOk(&write, [&](CPropertyPage& page) {
        Combo(page, IDC_COMMAND).UserSelect(1);  // 06 Write Single Register
        EXPECT_EQ(Text(page, IDC_COUNT), CString(_T("1")));
        EXPECT_FALSE(Enabled(page, IDC_COUNT));
        EXPECT_EQ(ComboLines(page, IDC_DATA_KIND), (std::vector<CString>{_T("AM"), _T("AQ"), _T("AI")}));
        Combo(page, IDC_COMMAND).UserSelect(3);  // 16 Write Multiple Registers
        EXPECT_TRUE(Enabled(page, IDC_COUNT));
        const CPageTips& tips = static_cast<CModbusPropPage&>(page).m_tooltip;
        EXPECT_EQ(tips.GetText(IDC_COUNT), CString(_T("Number between 1 and 2")));
        Combo(page, IDC_DATA_KIND).UserSelect(1);
        EXPECT_EQ(tips.GetText(IDC_DATA_NUMBER), CString(_T("Number between 0 and 31")));
        EXPECT_EQ(Entered(page, IDC_COUNT, _T("5")), CString(_T("2")));
    });
    EXPECT_EQ(write.m_byFunction, 16);
    EXPECT_EQ(write.m_byCommand, 3);
    EXPECT_EQ(write.m_wCount, 2);
}

TEST_F(CommPages, AutoAddressesFollowKindAndNumberAndCountsAreClamped)
{
    struct Case {
        int nType;
        int nCommand;
        int nKind;
        LPCTSTR lpszNumber;
        LPCTSTR lpszCount;
        LPCTSTR lpszCountShown;
        WORD wAddress;
    };
    const Case cases[] = {
        {BT_MR, 0, 1, _T("5"), _T("200"), _T("128"), 261},  // Q5 of "01 Read Coils(0x)"
        {BT_MR, 2, 0, _T("600"), _T("40"), _T("32"), 596 + 511},
        {BT_MW, 3, 2, _T("5"), _T("2"), _T("2"), 505},  // AI5 of "16 Write Multiple Registers"
        {BT_MW, 2, 2, _T("300"), _T("0"), _T("1"), 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nType << " " << c.nCommand);
        CBlockMR& block = Modbus(c.nType);
        EditOk(&block, [&](CPropertyPage& page) {
            Combo(page, IDC_COMMAND).UserSelect(c.nCommand);
            Combo(page, IDC_DATA_KIND).UserSelect(c.nKind);
            SetText(page, IDC_DATA_NUMBER, c.lpszNumber);
            EXPECT_EQ(Entered(page, IDC_COUNT, c.lpszCount), CString(c.lpszCountShown));
            EXPECT_EQ(Enabled(page, IDC_MODE_AUTO), c.nType == BT_MW) << "a read block has no writing mode";
        });
        EXPECT_EQ(block.m_wFirstData, c.wAddress);
        EXPECT_EQ(block.m_wSecondData, 0);
        EXPECT_EQ(block.m_nDataKind, c.nKind);
    }
}

TEST_F(CommPages, ManualCoilWritesStoreTheDataWordsAndRefuseWhatIsNoHex)
{
    CBlockMR& write = Modbus(BT_MW);
    EditOk(&write, [&](CPropertyPage& page) {
        Combo(page, IDC_COMMAND).UserSelect(2);  // 15 Write Multiple Coils
        Click(page, IDC_MODE_MANUAL);
        EXPECT_TRUE(Enabled(page, IDC_SETTING_BUTTON));
        EXPECT_FALSE(Enabled(page, IDC_DATA_KIND));
        SetText(page, IDC_COUNT, _T("20"));
        SetText(page, IDC_DATA_FIRST, _T("ffff"));
        SetText(page, IDC_DATA_SECOND, _T("FF"));
    });
    EXPECT_EQ(write.m_byMode, 1);
    EXPECT_EQ(write.m_wFirstData, 0xFFFF);
    EXPECT_EQ(write.m_wSecondData, 0x0F);
    EXPECT_EQ(write.m_strFirstData, CString(_T("FFFF")));
    m_boxes.Clear();
    EditOk(&write, [&](CPropertyPage& page) { SetText(page, IDC_DATA_SECOND, _T("0x1")); });
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(write.m_strSecondData, CString(_T("F"))) << "the refused text stored nothing, the kept bits stay";
}

// A single coil keeps one bit of what was typed: OK leaves the box showing that bit, as the
// controller gets it and an upload shows it.
TEST_F(CommPages, ManualDataBoxesShowWhatTheCommandKeeps)
{
    if (RunningApp::OnQt())
        InitQtControls();
    CBlockMR& write = Modbus(BT_MW);
    EditOk(&write, [&](CPropertyPage& page) {
        Combo(page, IDC_COMMAND).UserSelect(0);  // 05 Write Single Coil
        Click(page, IDC_MODE_MANUAL);
        if (RunningApp::OnQt()) {
            QtRetype(*page.GetDlgItem(IDC_DATA_FIRST), "ABCD");
        } else {
            SetText(page, IDC_DATA_FIRST, _T(""));
            Type(page, IDC_DATA_FIRST, u"ABCD");
        }
        EXPECT_EQ(Text(page, IDC_DATA_FIRST), CString(_T("ABCD")));
    });
    EXPECT_EQ(write.m_wFirstData, 1);
    EXPECT_EQ(write.m_strFirstData, CString(_T("1")));
    EXPECT_EQ(write.m_strSecondData, CString(_T("0")));
    CString strShown;
    EditOk(&write, [&](CPropertyPage& page) { strShown = Text(page, IDC_DATA_FIRST); });
    EXPECT_EQ(strShown, CString(_T("1")));
}

TEST_F(CommPages, TheCoilDialogOffersTheCoilsTheCommandWrites)
{
    struct Case {
        int nCommand;
        int nCount;
        int nEnabled;
        LPCTSTR lpszData;
        LPCTSTR lpszData2;
    };
    const Case cases[] = {{0, 1, 1, _T("1"), _T("0")}, {2, 20, 20, _T("8001"), _T("9")}};
    for (const Case& c : cases) {
        CSetCoilStateDlg dlg(Frame());
        dlg.m_nCommand = c.nCommand;
        dlg.m_nCount = c.nCount;
        dlg.m_strData = _T("8000");
        dlg.m_strData2 = _T("8");
        CDialog::SetDialogHook([&](CDialog& shown) {
            int nEnabled = 0;
            for (int b = 0; b < COIL_BOXES; ++b)
                nEnabled += shown.GetDlgItem(IDC_COIL_FIRST + b)->IsWindowEnabled() ? 1 : 0;
            EXPECT_EQ(nEnabled, c.nEnabled);
            EXPECT_TRUE(shown.IsDlgButtonChecked(IDC_COIL_FIRST + 15));
            EXPECT_TRUE(shown.IsDlgButtonChecked(IDC_COIL_FIRST + 19));
            shown.CheckDlgButton(IDC_COIL_FIRST, 1);
            shown.CheckDlgButton(IDC_COIL_FIRST + 16, 1);
            shown.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_strData, CString(c.lpszData));
        EXPECT_EQ(dlg.m_strData2, CString(c.lpszData2)) << "coils past the count drop out";
    }
}

TEST_F(CommPages, UdcCharactersAreTypedPastedAndStoredAsBytes)
{
    CBlockObj* pUdc = Block(BT_UDC);
    pUdc->m_nParam[UDC_TX_START_CHARACTER_PARAM] = 0x2;
    pUdc->m_nParam[UDC_TX_START_FLAG_PARAM] = 1;
    EditOk(pUdc, [&](CPropertyPage& page) {
        EXPECT_EQ(Text(page, IDC_UDC_TX_START), CString(_T("2")));
        EXPECT_TRUE(Enabled(page, IDC_UDC_TX_START));
        Click(page, IDC_UDC_TX_START_CHECK);
        EXPECT_FALSE(Enabled(page, IDC_UDC_TX_START)) << "unchecked, the edit is off but keeps its value";
        Click(page, IDC_UDC_TX_END_CHECK);
        SetText(page, IDC_UDC_TX_END, _T(""));
        EXPECT_EQ(Type(page, IDC_UDC_TX_END, u"0d"), CString(_T("0D")));
        Click(page, IDC_UDC_RX_START_CHECK);
        SetText(page, IDC_UDC_RX_START, _T("d"));  // pasted: read as 0x0D, never as code - 55
        SetText(page, IDC_UDC_TX_WORDS, _T("127"));
    });
    EXPECT_EQ(pUdc->m_nParam[UDC_TX_START_FLAG_PARAM], 0);
    EXPECT_EQ(pUdc->m_nParam[UDC_TX_START_CHARACTER_PARAM], 2);
    EXPECT_EQ(pUdc->m_nParam[UDC_TX_END_FLAG_PARAM], 1);
    EXPECT_EQ(pUdc->m_nParamEx[UDC_TX_END_CHARACTER_PARAMEX], 13);
    EXPECT_EQ(pUdc->m_nParamEx[UDC_RX_START_FLAG_PARAMEX], 1);
    EXPECT_EQ(pUdc->m_nParam[UDC_RX_START_CHARACTER_PARAM], 13);
    EXPECT_EQ(pUdc->m_nParamEx[UDC_TX_WORDS_PARAMEX], 127);
}

TEST_F(CommPages, UdcRefusesBadCountsAndCharactersAndClampsNumbers)
{
    struct Case {
        int nID;
        LPCTSTR lpszText;
    };
    const Case refused[] = {{IDC_UDC_TX_WORDS, _T("0")}, {IDC_UDC_RX_WORDS, _T("128")}, {IDC_UDC_RX_END, _T("G")},
                            {IDC_UDC_TX_START, _T("1FF")}, {IDC_CYCLE, _T("10000")}};
    CBlockObj* pUdc = Block(BT_UDC);
    for (const Case& c : refused) {
        SCOPED_TRACE(c.nID);
        m_boxes.Clear();
        const Bytes before = SaveToBytes(Doc());
        EditOk(pUdc, [&](CPropertyPage& page) { SetText(page, c.nID, c.lpszText); });
        EXPECT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(SaveToBytes(Doc()), before);
    }
    EditOk(pUdc, [&](CPropertyPage& page) {
        SetText(page, IDC_UDC_TX_NUMBER, _T("40"));
        Combo(page, IDC_UDC_TX_AREA).UserSelect(1);  // AQ
        EXPECT_EQ(Text(page, IDC_UDC_TX_NUMBER), CString(_T("31")));
        EXPECT_EQ(Entered(page, IDC_UDC_RX_NUMBER, _T("600")), CString(_T("511")));
    });
    EXPECT_EQ(pUdc->m_nParam[UDC_TX_NUMBER_PARAM], 31);
    EXPECT_EQ(pUdc->m_nParamEx[UDC_TX_AREA_PARAMEX], 1);
    EXPECT_EQ(pUdc->m_nParam[UDC_RX_NUMBER_PARAM], 511);
}

TEST(WifiLists, EachTypeAndModeListsItsPoints)
{
    struct Case {
        int nType;
        int nMode;
        int nBlockType;
        size_t nIds;
        size_t nTypes;
        LPCTSTR lpszFirstNumber;
        LPCTSTR lpszLastNumber;
    };
    const Case cases[] = {
        {BT_WIFI_IN, WIFI_MODE_STATION, 0, 7, 2, _T("I0"), _T("I31")},
        {BT_WIFI_IN, WIFI_MODE_STATION, 1, 7, 2, _T("Q0"), _T("Q15")},
        {BT_WIFI_OUT, WIFI_MODE_STATION, 0, 7, 1, _T("Q0"), _T("Q15")},
        {BT_WIFI_AI, WIFI_MODE_STATION, 1, 7, 2, _T("AQ0"), _T("AQ3")},
        {BT_WIFI_IN, WIFI_MODE_VM, 0, 8, 0, _T("VM0"), _T("VM31")},
        {BT_WIFI_AOUT, WIFI_MODE_VM, 0, 0, 0, _T("VAM0"), _T("VAM31")},
        {BT_WIFI_IN, WIFI_MODE_DIAGNOSTIC, 0, 0, 7, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nType << " mode " << c.nMode);
        const WifiLists lists = MakeWifiLists(c.nType, c.nMode, c.nBlockType);
        EXPECT_EQ(lists.ids.size(), c.nIds);
        EXPECT_EQ(lists.types.size(), c.nTypes);
        if (!c.lpszFirstNumber) {
            EXPECT_TRUE(lists.numbers.empty());
            EXPECT_EQ(lists.types.back(), CString(_T("WiFi ID7 communication status")));
            continue;
        }
        ASSERT_FALSE(lists.numbers.empty());
        EXPECT_EQ(lists.numbers.front(), CString(c.lpszFirstNumber));
        EXPECT_EQ(lists.numbers.back(), CString(c.lpszLastNumber));
    }
}

TEST_F(CommPages, WifiModesRefillTheListsAndTheBlockKeepsTheChoice)
{
    auto& wifi = *static_cast<CBlockWIFI*>(Block(BT_WIFI_IN));
    wifi.m_nWifiMode = WIFI_MODE_STATION;
    wifi.m_nWifiId = 3;
    wifi.m_nRemoteKind = 0;
    wifi.m_nRemoteNumber = 5;
    wifi.m_strLabelSuffix = _T("Kept");
    EditOk(&wifi, [&](CPropertyPage& page) {
        EXPECT_EQ(Combo(page, IDC_WIFI_NUMBER).GetCurSel(), 5);
        EXPECT_EQ(Combo(page, IDC_WIFI_NUMBER).GetCount(), 32);
        EXPECT_TRUE(page.IsModified()) << "the lists filled at opening mark the page";
        page.SetModified(FALSE);
        Combo(page, IDC_WIFI_TYPE).UserSelect(1);
        EXPECT_EQ(Combo(page, IDC_WIFI_NUMBER).GetCount(), 16) << "Q0 to Q15";
        EXPECT_TRUE(page.IsModified());
        // The same mode again keeps what the lists show: ID 5 with the new type's Q0, then Q9.
        const auto shown = [&page] {
            return std::vector<int>{Combo(page, IDC_WIFI_ID).GetCurSel(), Combo(page, IDC_WIFI_TYPE).GetCurSel(),
                                    Combo(page, IDC_WIFI_NUMBER).GetCurSel()};
        };
        Combo(page, IDC_WIFI_ID).UserSelect(4);
        Click(page, IDC_WIFI_STATION);
        EXPECT_EQ(shown(), (std::vector<int>{4, 1, 0}));
        Combo(page, IDC_WIFI_NUMBER).UserSelect(9);
        Click(page, IDC_WIFI_STATION);
        EXPECT_EQ(shown(), (std::vector<int>{4, 1, 9}));
        Click(page, IDC_WIFI_VM);
        EXPECT_EQ(Combo(page, IDC_WIFI_ID).GetCurSel(), 0) << "a new mode starts at the first lines";
        EXPECT_FALSE(Shown(page, IDC_WIFI_TYPE));
        Combo(page, IDC_WIFI_NUMBER).UserSelect(30);
    });
    EXPECT_EQ(wifi.m_nWifiMode, WIFI_MODE_VM);
    EXPECT_EQ(wifi.m_nWifiId, 0);
    EXPECT_EQ(wifi.m_nRemoteNumber, 30);
    EXPECT_EQ(wifi.m_strLabelSuffix, CString(_T("Kept")));
}

TEST_F(CommPages, AnAnalogWifiOutputWritesToVamWithoutDiagnostic)
{
    CBlockObj* pOut = Block(BT_WIFI_AOUT);
    EditShown(pOut, [&](CPropertyPage& page) {
        EXPECT_EQ(Text(page, IDC_WIFI_VM), CString(_T("VAM")));
        EXPECT_EQ(Text(page, IDC_WIFI_GROUP), CString(_T("Write value to")));
        EXPECT_FALSE(Shown(page, IDC_WIFI_DIAGNOSTIC));
    }, IDCANCEL);
    CBlockObj* pIn = Block(BT_WIFI_IN, 300, 300);
    EditShown(pIn, [&](CPropertyPage& page) {
        Click(page, IDC_WIFI_DIAGNOSTIC);
        EXPECT_EQ(Combo(page, IDC_WIFI_TYPE).GetCount(), 7);
        EXPECT_EQ(Text(page, IDC_WIFI_TYPE_LABEL), CString(_T("Diagnostic Type")));
        EXPECT_FALSE(Shown(page, IDC_WIFI_NUMBER));
        EXPECT_FALSE(Shown(page, IDC_WIFI_ID));
    }, IDCANCEL);
}

}  // namespace
