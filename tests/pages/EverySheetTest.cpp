// Every type code with a sheet through Block Properties, in both controller generations (the
// types only the newer controllers offer included, as a diagram changed to an older controller
// still holds them): the sheet opens, OK writes what the pages hold without a refusal and leaves
// a diagram that stores and loads back to the same bytes, and Cancel changes nothing at all.
// Every number box of those sheets, of File > Properties and of the clock dialogs takes numbers
// past its bounds, a minus, a second point and a paste, and holds what was typed or its bound.
#include "SheetFixture.h"

#include "controller/SummerTimeDlg.h"
#include "document/UndoStore.h"
#include "pages/controls/NumericEdit.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DataExchange.h"
#include "support/QtTestInput.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

class EverySheet : public SheetFixture {
protected:
    // The next modal sheet gets nButton once it shows; shown says that it did.
    void PressOnShow(int nButton, bool& bShown)
    {
        CDialog::SetDialogHook([nButton, &bShown](CDialog& dlg) {
            bShown = true;
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        });
    }
    // The document's bytes stored and loaded back into a fresh document store the same.
    void ExpectStoresAndLoadsBack()
    {
        const Bytes bytes = SaveToBytes(Doc());
        CVetlaDoc copy;
        ASSERT_FALSE(LoadFails(copy, bytes));
        EXPECT_EQ(SaveToBytes(copy), bytes);
    }

    // A number box on a page of the sheet of a block of that type, or of File > Properties (0).
    struct BoxPlace {
        WORD wHardware;
        int nType, nPage, nID;
    };
    void OpenSheet(int nType) { nType ? Properties(m_pBlock) : Command(ID_FILE_PROPERTIES); }
    static bool IsNumberBox(CWnd& control)
    {
        auto* pEdit = dynamic_cast<CEdit*>(&control);
        return pEdit && control.IsWindowVisible() && control.IsWindowEnabled() && !(pEdit->GetStyle() & ES_READONLY) &&
               (dynamic_cast<CNumericEdit*>(pEdit) || pEdit->IsNumberBox());
    }
    // The sheet's number boxes not yet walked on a page of the same class.
    void FindNumberBoxes(WORD wHardware, int nType, std::set<std::pair<std::string, int>>& walked, std::vector<BoxPlace>& places)
    {
        OnModal([&](CPropertySheet& sheet) {
            for (int nPage = 0; sheet.SetActivePage(nPage); ++nPage) {
                CWnd* pPage = sheet.GetPage(nPage);
                for (CWnd* pBox = pPage->GetWindow(GW_CHILD); pBox; pBox = pBox->GetWindow(GW_HWNDNEXT)) {
                    if (IsNumberBox(*pBox) && walked.insert({pPage->GetRuntimeClass()->m_lpszClassName, pBox->GetDlgCtrlID()}).second)
                        places.push_back({wHardware, nType, nPage, pBox->GetDlgCtrlID()});
                }
            }
        }, IDCANCEL);
        OpenSheet(nType);
    }
    // Ctrl+A, then the keys, or the text pasted with Ctrl+V: the number the box shows (NaN: none).
    static double Enter(CWnd& box, const char* pszKeys, const char16_t* pszPaste = nullptr)
    {
        QtRetype(box, pszKeys);
        if (pszPaste) {
            CClipboard::SetText(pszPaste);
            QtType(QtWidgetOf(box)->findChild<QLineEdit*>(), Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
        }
        double dValue = 0;
        return AfxParseDouble(Text(*box.GetParent(), box.GetDlgCtrlID()).Trim(), dValue) ? dValue : std::nan("");
    }
    // Numbers past the bounds typed and pasted, a minus, a second point, and a short number over
    // the full box: each shows the bound or what was typed. The last shown.
    static double EnterNumbers(CWnd& box)
    {
        SCOPED_TRACE(testing::Message() << "box " << box.GetDlgCtrlID());
        const double dHigh = Enter(box, "999999999");
        EXPECT_EQ(Enter(box, "", u"123456789012345"), dHigh) << "a paste past the bound gives the bound, as typed";
        const double dLow = Enter(box, "-999999999");
        EXPECT_TRUE(dLow < 0 || dLow == dHigh) << dLow << ": a minus where no negative is allowed";
        EXPECT_TRUE(dLow >= 0 || Enter(box, "", u"-123456789012345") == dLow) << "a negative paste, as typed";
        // A whole-number box drops the point, and the digits past its budget.
        const double dPoint = Enter(box, "35.57");
        EXPECT_TRUE(dPoint == 35.57 || dPoint == dHigh ||
                    (dPoint >= 1 && dPoint == std::trunc(dPoint) && std::string("3557").starts_with(std::to_string(int(dPoint)))))
            << dPoint;
        const double dShort = Enter(box, "1");
        EXPECT_EQ(dShort, 1) << "Ctrl+A and a short number over the full box";
        return dShort;
    }
    // The numbers into the box, OK, and what the sheet shows when it opens again; a box that
    // checks its range at OK may refuse the short number with the range message.
    void EnterAndStore(const BoxPlace& place)
    {
        double dStored = 0;
        CDialog::SetDialogHook([&](CDialog& dlg) {
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            sheet.SetActivePage(place.nPage);
            dStored = EnterNumbers(*sheet.GetPage(place.nPage)->GetDlgItem(place.nID));
            m_boxes.Clear();
            sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            if (!m_boxes.Boxes().empty()) {
                EXPECT_EQ(m_boxes.Boxes()[0].text.Find(_T("Please enter an integer between")), 0);
                sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                dStored = std::nan("");
            }
        });
        OpenSheet(place.nType);
        OnModal([&](CPropertySheet& sheet) {
            sheet.SetActivePage(place.nPage);
            EXPECT_TRUE(std::isnan(dStored) || Enter(*sheet.GetPage(place.nPage)->GetDlgItem(place.nID), "") == dStored);
        }, IDCANCEL);
        OpenSheet(place.nType);
    }

    CBlockObj* m_pBlock = nullptr;
};

TEST_F(EverySheet, OkAndCancelKeepTheDiagramConsistentForEveryTypeOfBothGenerations)
{
    int nOpened = 0;
    for (const WORD wHardware : {WORD(0x4188), WORD(0x5288)}) {
        Command(ID_FILE_NEW);
        Doc().m_wHardwareCode = wHardware;
        g_wHardwareCode = wHardware;
        for (const BlockPageRow& type : GetBlockPageRows()) {
            SCOPED_TRACE(testing::Message() << "type " << type.nType << " hardware " << wHardware);
            CBlockObj* pBlock = Block(type.nType, 100 + 20 * (nOpened % 20), 100 + 20 * (nOpened / 20 % 20));
            ++nOpened;
            const int nNumber = pBlock->m_nNumber;
            const size_t nBlocks = size_t(Doc().m_blockList.GetCount());

            const Bytes before = SaveToBytes(Doc());
            const int nSnapshots = Snapshots();
            bool bShown = false;
            PressOnShow(IDCANCEL, bShown);
            Properties(pBlock);
            EXPECT_TRUE(bShown);
            EXPECT_EQ(SaveToBytes(Doc()), before) << "Cancel changed the diagram";
            EXPECT_EQ(Snapshots(), nSnapshots);

            m_boxes.Clear();
            bShown = false;
            PressOnShow(IDOK, bShown);
            Properties(pBlock);
            EXPECT_TRUE(bShown);
            EXPECT_TRUE(m_boxes.Boxes().empty()) << "OK refused a page's own values";
            EXPECT_EQ(Snapshots(), std::min(nSnapshots + 1, UNDO_MAX_INDEX));
            EXPECT_EQ(Doc().FindBlockByNumber(nNumber), pBlock);
            EXPECT_EQ(pBlock->m_nType, type.nType);
            EXPECT_EQ(size_t(Doc().m_blockList.GetCount()), nBlocks);
            for (CBlockObj* pRef : pBlock->m_pRefBlock)
                EXPECT_TRUE(!pRef || Doc().FindBlockByNumber(pRef->m_nNumber) == pRef);
            ExpectStoresAndLoadsBack();
        }
    }
    EXPECT_GT(nOpened, 150) << "both generations' catalogues were walked";
}

TEST_F(EverySheet, EveryNumberBoxHoldsWhatWasTypedOrItsBound)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys and the clipboard through the Qt widgets";
    // The boxes are found before the controls are widgets, which is quicker.
    std::set<std::pair<std::string, int>> walked;
    std::vector<BoxPlace> places;
    for (const WORD wHardware : {WORD(0x4188), WORD(0x5288)}) {
        Command(ID_FILE_NEW);
        Doc().m_wHardwareCode = g_wHardwareCode = wHardware;
        FindNumberBoxes(wHardware, 0, walked, places);
        for (const BlockPageRow& type : GetBlockPageRows()) {
            m_pBlock = Block(type.nType);
            FindNumberBoxes(wHardware, type.nType, walked, places);
        }
    }
    InitQtControls();
    for (size_t i = 0; i < places.size(); ++i) {
        const BoxPlace& place = places[i];
        SCOPED_TRACE(testing::Message() << "hardware " << std::hex << place.wHardware << std::dec << " type " << place.nType);
        if (i == 0 || place.nType != places[i - 1].nType || place.wHardware != places[i - 1].wHardware) {
            Command(ID_FILE_NEW);
            Doc().m_wHardwareCode = g_wHardwareCode = place.wHardware;
            m_pBlock = place.nType ? Block(place.nType) : nullptr;
        }
        EnterAndStore(place);
    }
    CSummerTimeDlg& summer = Frame()->m_dlgSummerTime;
    ASSERT_TRUE(Frame()->m_dlgDeviceClock.Create(Frame()) && summer.Create(Frame()));
    static_cast<CButton*>(summer.GetDlgItem(int(CSummerTimeDlg::IDC_ACTIVE)))->Click();
    static_cast<CComboBox*>(summer.GetDlgItem(int(CSummerTimeDlg::IDC_RULE)))->UserSelect(DST_RULE_FREE);
    for (CDialog* pDialog : {static_cast<CDialog*>(&Frame()->m_dlgDeviceClock), static_cast<CDialog*>(&summer)}) {
        for (CWnd* pBox = pDialog->GetWindow(GW_CHILD); pBox; pBox = pBox->GetWindow(GW_HWNDNEXT)) {
            if (IsNumberBox(*pBox))
                EnterNumbers(*pBox);
        }
    }
    CClipboard::Empty();
    EXPECT_GT(places.size(), 80u) << "the number boxes were found";
}

}  // namespace
