// Device->PC through the running application against the simulated controller: a program read
// into a new document (with and without its password), a refused and a cancelled password, the
// sizes the controller announces checked before anything is read, a wrong slave address, a
// program without function blocks, the data log's items through their sheet, the history of the
// uploaded document, and a program that goes down, up and down again unchanged.
#include "blocks/BlockDataLog.h"
#include "controller/PasswordDlg.h"
#include "controller/TransferSupport.h"
#include "editor/CommandIds.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/sheet/AllPropertySheet.h"
#include "platform/ui/Button.h"
#include "platform/ui/ListBox.h"
#include "TransferLinkSupport.h"
#include "support/QtTestInput.h"


#include <functional>
#include <tuple>

namespace {

class UploadTest : public TransferLinkTest {
protected:
    // Downloads the small diagram, with its password, to the controller and closes its document.
    void DownloadSmallDiagram(SimulatedController& controller, bool bText, LPCTSTR pszPassword = _T(""))
    {
        UsePort(controller);
        SmallDiagram(0x5188, bText)->m_settings.strPassword = pszPassword;
        Run(PLC_OP_DOWNLOAD);
        ASSERT_EQ(controller.LastEndFlag(), 1);
        ActiveDoc()->SetModifiedFlag(FALSE);
        Frame()->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
        m_boxes.Clear();
    }
    // The password dialog answers with the text typed and the button, counting its showings.
    void AnswerPassword(const CString& strTyped, int nButton, int* pnDialogs = nullptr)
    {
        CDialog::SetDialogHook([=](CDialog& d) {
            if (pnDialogs)
                ++*pnDialogs;
            static_cast<CPasswordDlg&>(d).m_wndPassword.UserEdit(strTyped, strTyped.GetLength());
            d.PostMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        });
    }
    static int BlockCount(const CVetlaDoc* pDoc) { return pDoc ? int(pDoc->m_blockList.GetCount()) : -1; }

    // Block Properties on the data log of the active document: act runs on its page, then OK.
    static void OkOnDataLog(const std::function<void(CWnd&)>& act)
    {
        CBlockObj* pLog = ActiveDoc()->FindBlockByNumber(NUM_DATALOG);
        ASSERT_NE(pLog, nullptr);
        bool bShown = false;
        CDialog::SetDialogHook([&](CDialog& d) {
            bShown = true;
            act(*static_cast<CAllPropertySheet&>(d).m_pMainPage);
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        Frame()->GetActiveView()->SetCurrentObjects(pLog, nullptr, nullptr);
        Frame()->SendMessage(WM_COMMAND, ID_EDIT_BLOCK_PROPERTIES);
        CDialog::SetDialogHook(nullptr);
        EXPECT_TRUE(bShown);
    }
    // The source whose text starts so, and for a block the parameter in that row of its list,
    // added on the data-log page.
    static void AddLogged(CWnd& page, const CString& strPrefix, int nParam = -1)
    {
        auto& sources = *static_cast<CListBox*>(page.GetDlgItem(IDC_LOG_SOURCES));
        int nFound = -1;
        for (int i = 0; i < sources.GetCount() && nFound < 0; ++i) {
            CString str;
            sources.GetText(i, str);
            if (str.Left(strPrefix.GetLength()) == strPrefix)
                nFound = i;
        }
        ASSERT_GE(nFound, 0) << strPrefix.ToUtf8();
        sources.UserSelect(nFound);
        if (nParam >= 0)
            static_cast<CListBox*>(page.GetDlgItem(IDC_LOG_PARAMS))->UserSelect(nParam);
        static_cast<CButton*>(page.GetDlgItem(IDC_LOG_ADD))->Click();
    }
    using LoggedItem = std::tuple<std::string, std::string, int, int>;
    static std::vector<LoggedItem> LoggedItems()
    {
        std::vector<LoggedItem> items;
        const auto* pLog = static_cast<const CBlockDataLog*>(ActiveDoc()->FindBlockByNumber(NUM_DATALOG));
        for (INT_PTR i = 0; pLog && i < pLog->m_arrLogItems.GetSize(); ++i) {
            const DataLogItem& item = pLog->m_arrLogItems[i];
            items.emplace_back(item.strItem.ToUtf8(), item.strParam.ToUtf8(), item.nValue1, item.nValue2);
        }
        return items;
    }
};

struct PasswordCase {
    const char* pszName;
    const char* pszStored;   // the controller's password, "" for none
    const char* pszTyped;    // null: no dialog expected
    int nButton;
    bool bDocument;
    const char* pszLastLine;
    const char* pszBox;      // null: none
};

TEST_F(UploadTest, ReadsTheProgramOnlyWithTheRightPassword)
{
    const PasswordCase cases[] = {
        {"None", "", nullptr, IDOK, true, "It Draws completely!", nullptr},
        {"Right", "ABC", "ABC", IDOK, true, "It Draws completely!", nullptr},
        {"Refused", "ABC", "ABD", IDOK, false, "UpLoad Fails", "Wrong password UpLoad Device-->PC failed!"},
        {"Cancelled", "ABC", "ABC", IDCANCEL, false, "UpLoad Fails", nullptr},
    };
    for (const PasswordCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        SimulatedController controller;
        DownloadSmallDiagram(controller, true);
        controller.SetPassword(c.pszStored);
        int nDialogs = 0;
        AnswerPassword(CString::FromUtf8(c.pszTyped ? c.pszTyped : ""), c.nButton, &nDialogs);
        const int nDocuments = Frame()->m_nOpenDocuments;
        MarkLog();
        Run(PLC_OP_UPLOAD);
        EXPECT_EQ(nDialogs, c.pszTyped ? 1 : 0);
        EXPECT_EQ(Frame()->m_nOpenDocuments, nDocuments + (c.bDocument ? 1 : 0));
        ASSERT_FALSE(NewLogLines().empty());
        EXPECT_EQ(NewLogLines().back(), c.pszLastLine);
        EXPECT_EQ(BoxTexts(), c.pszBox ? std::vector<std::string>{c.pszBox} : std::vector<std::string>{});
        EXPECT_EQ(controller.LastEndFlag(), c.bDocument ? 1 : 0);
        if (c.bDocument) {
            // I1, I2, AND, Q1, the message text and the flag it feeds.
            EXPECT_EQ(BlockCount(ActiveDoc()), 6);
            EXPECT_EQ(Frame()->GetSeriesText().ToUtf8(), "75X Series C1.XX");
        }
        CDialog::SetDialogHook(nullptr);
    }
}

TEST_F(UploadTest, CancelledPasswordDoesNotSpoilTheNextUpload)
{
    SimulatedController controller;
    DownloadSmallDiagram(controller, false);
    controller.SetPassword("ABC");
    AnswerPassword(_T("ABC"), IDCANCEL);
    Run(PLC_OP_UPLOAD);
    controller.SetPassword("");
    CDialog::SetDialogHook(nullptr);
    const int nDocuments = Frame()->m_nOpenDocuments;
    Run(PLC_OP_UPLOAD);
    EXPECT_EQ(Frame()->m_nOpenDocuments, nDocuments + 1);
    EXPECT_EQ(BlockCount(ActiveDoc()), 4);
}

struct SizeCase {
    const char* pszName;
    int nProgramBytes;
    int nTextBytes;
};

// Sizes the image cannot have: the upload ends at its handshake and opens nothing.
TEST_F(UploadTest, SizesThatDoNotFitReadNothing)
{
    const SizeCase cases[] = {
        {"BelowBufferZero", 256, 0},
        {"BeyondTheProgramArea", 10240 + 24576 + 128, 0},
        {"LargestWord", 0xFF80 * 2, 0},
        {"TextsNotWhole", 10240 + 128, 1000},
        {"MoreTextsThanAController", 10240 + 128, 17 * 1280},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        SimulatedController controller;
        controller.SetProgramSize(c.nProgramBytes, c.nTextBytes);
        UsePort(controller);
        const int nDocuments = Frame()->m_nOpenDocuments;
        m_boxes.Clear();
        MarkLog();
        Run(PLC_OP_UPLOAD);
        EXPECT_EQ(FunctionCodes(controller), (Bytes{FC_READ_HOLDING_REGISTERS, FC_UPLOAD_START, FC_UPLOAD_END}));
        EXPECT_EQ(controller.LastEndFlag(), 0);
        EXPECT_EQ(NewLogLines(), (std::vector<std::string>{"UpLoad Starts...", "UpLoad Fails"}));
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Project Size Error!"});
        EXPECT_EQ(Frame()->m_nOpenDocuments, nDocuments);
    }
}

TEST_F(UploadTest, WrongSlaveAddressIsAFailureNotAPassword)
{
    SimulatedController controller;
    DownloadSmallDiagram(controller, false);
    controller.SetPassword("ABC");
    controller.SetFault(Fault::WrongSlave, FC_UPLOAD_START);
    int nDialogs = 0;
    CDialog::SetDialogHook([&](CDialog&) { ++nDialogs; });
    MarkLog();
    Run(PLC_OP_UPLOAD);
    EXPECT_EQ(nDialogs, 0);
    EXPECT_EQ(NewLogLines(), (std::vector<std::string>{"UpLoad Starts...", "RTU Function Code 102->Device ID Error!",
                                                       "UpLoad Aborts"}));
    EXPECT_EQ(controller.LastEndFlag(), 0);
}

// A controller programmed at its keys may hold buffer 0 alone: outputs wired straight to
// inputs, no function block. Its wiring and settings are read as for any program.
TEST_F(UploadTest, ProgramOfBufferZeroAloneKeepsItsWiringAndSettings)
{
    CVetlaDoc* pSource = NewDiagram(0x5288);
    Wire(*pSource, Add(*pSource, BT_IN, NUM_INPUT), Add(*pSource, BT_OUT, NUM_OUTPUT), 0);
    Wire(*pSource, Add(*pSource, BT_IN, NUM_INPUT + 3), Add(*pSource, BT_FLAG, NUM_FLAG + 2), 0);
    pSource->m_settings.strProgramName = _T("KEYPAD");
    pSource->m_settings.nTempHigh = 55;
    const Bytes buffer0 = EncodedImage(*pSource, SYSTEMTIME{}, 0).buffer0;
    pSource->SetModifiedFlag(FALSE);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    g_wHardwareCode = 0x5188;

    SimulatedController controller;
    for (std::size_t i = 0; i + 1 < buffer0.size(); i += 2)
        controller.SetRegister(WORD(IMAGE_REGISTER_BUFFER0 + i / 2), WORD(buffer0[i] << 8 | buffer0[i + 1]));
    controller.SetProgramSize(IMAGE_BUFFER0_BYTES, 0);
    UsePort(controller);
    MarkLog();
    Run(PLC_OP_UPLOAD);
    EXPECT_EQ(controller.LastEndFlag(), 1);
    // 80 reads of buffer 0 between the handshake and the end.
    EXPECT_EQ(FunctionCodes(controller).size(), 2U + 80 + 1);
    ASSERT_FALSE(NewLogLines().empty());
    EXPECT_EQ(NewLogLines().back(), "It Draws completely!");
    CVetlaDoc* pDoc = ActiveDoc();
    ASSERT_EQ(BlockCount(pDoc), 4);
    for (const auto& [nInput, nOutput] : {std::pair{NUM_INPUT, NUM_OUTPUT}, std::pair{NUM_INPUT + 3, NUM_FLAG + 2}}) {
        const CBlockObj* pOutput = pDoc->FindBlockByNumber(nOutput);
        ASSERT_NE(pOutput, nullptr) << nOutput;
        EXPECT_EQ(pOutput->m_nPinSource[0], nInput);
    }
    EXPECT_EQ(pDoc->m_lineList.GetCount(), 2);
    EXPECT_EQ(pDoc->m_settings.strProgramName, CString(_T("KEYPAD")));
    EXPECT_EQ(pDoc->m_settings.nTempHigh, 55);
    EXPECT_EQ(pDoc->m_wHardwareCode, 0x5288);
    EXPECT_EQ(Frame()->GetSeriesText().ToUtf8(), "77X Series C1.XX");
}

// The uploaded data log names its items as its page does, but for the analog points, which carry
// their operand without the type's caption: OK on the unchanged sheet keeps every operand range,
// analog point, block and value.
TEST_F(UploadTest, DataLogItemsStayWhatTheyWereOnOk)
{
    SimulatedController controller;
    UsePort(controller);
    CVetlaDoc* pDoc = NewDiagram(0x5188);
    Add(*pDoc, BT_DATALOG);
    CBlockObj* pBlocks[] = {Add(*pDoc, BT_DPR), Add(*pDoc, BT_COUNTER), Add(*pDoc, BT_HCOUNTER), Add(*pDoc, BT_ACOMP)};
    for (int k = 0; k < 4; ++k)
        Wire(*pDoc, pBlocks[k], Add(*pDoc, BT_FLAG, NUM_FLAG + k), 0);
    const auto block = [&](int k) {
        CString str;
        str.Format(_T("B%d["), pBlocks[k]->m_nNumber - NUM_FUNCTION_BLOCK);
        return str;
    };
    OkOnDataLog([&](CWnd& page) {
        for (LPCTSTR pszSource : {_T("I100-"), _T("Q008-"), _T("M8-"), _T("AI103"), _T("AQ102"), _T("AM7[")})
            AddLogged(page, pszSource);
        AddLogged(page, block(0), 0);
        AddLogged(page, block(1), 0);
        // The last values of the hours counter and the comparator first: their places in the
        // lists are what the image keeps.
        AddLogged(page, block(2), 3);
        AddLogged(page, block(2), 1);
        AddLogged(page, block(3), 2);
        AddLogged(page, block(3), 0);
    });
    const std::vector<LoggedItem> original = LoggedItems();
    ASSERT_EQ(original.size(), 12U);
    Run(PLC_OP_DOWNLOAD);
    ASSERT_EQ(controller.LastEndFlag(), 1) << ::testing::PrintToString(BoxTexts());
    ActiveDoc()->SetModifiedFlag(FALSE);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_CLOSE);

    std::vector<LoggedItem> uploaded = original;
    for (LoggedItem& item : uploaded) {
        std::string& strItem = std::get<0>(item);
        if (strItem.starts_with("A"))
            strItem = strItem.substr(0, strItem.find('['));
    }
    Run(PLC_OP_UPLOAD);
    ASSERT_NE(ActiveDoc(), nullptr);
    EXPECT_EQ(LoggedItems(), uploaded);
    OkOnDataLog([](CWnd&) {});
    EXPECT_EQ(LoggedItems(), uploaded);
}

TEST_F(UploadTest, DamagedProgramSaysSoAndOpensNoDocument)
{
    SimulatedController controller;
    DownloadSmallDiagram(controller, false);
    // The first record's code names no block type.
    controller.SetRegister(WORD(IMAGE_REGISTER_BUFFER0 + IMAGE_BUFFER0_BYTES / 2), 0);
    const int nDocuments = Frame()->m_nOpenDocuments;
    MarkLog();
    Run(PLC_OP_UPLOAD);
    EXPECT_EQ(Frame()->m_nOpenDocuments, nDocuments);
    EXPECT_EQ(ActiveDoc(), nullptr);
    ASSERT_FALSE(NewLogLines().empty());
    EXPECT_EQ(NewLogLines().back(), "Drawing Fails!");
    ASSERT_EQ(BoxTexts().size(), 1U);
    EXPECT_NE(BoxTexts()[0].find("does not know"), std::string::npos) << BoxTexts()[0];
}

// The password a downloaded program carries in its image guards its upload; a clear takes
// program and password away, and the upload then finds no program.
TEST_F(UploadTest, DownloadedPasswordGuardsTheUploadUntilAClear)
{
    SimulatedController controller;
    DownloadSmallDiagram(controller, false, _T("QRS"));
    int nDialogs = 0;
    AnswerPassword(_T("QRS"), IDOK, &nDialogs);
    Run(PLC_OP_UPLOAD);
    EXPECT_EQ(nDialogs, 1);
    ASSERT_EQ(BlockCount(ActiveDoc()), 4);
    EXPECT_EQ(ActiveDoc()->m_settings.strPassword, CString(_T("QRS")));

    m_boxes.QueueAnswer(IDYES);
    Run(PLC_OP_CLEAR_PROGRAM);
    ASSERT_EQ(controller.LastEndFlag(), 1);
    m_boxes.Clear();
    const int nDocuments = Frame()->m_nOpenDocuments;
    Run(PLC_OP_UPLOAD);
    EXPECT_EQ(nDialogs, 1);
    EXPECT_EQ(Frame()->m_nOpenDocuments, nDocuments);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Device's Program is empty!"});
    EXPECT_EQ(controller.LastEndFlag(), 0);
}

// On screen the password dialog opens over the progress window with the keyboard in its field:
// the password typed at once, and Enter, open the program.
TEST_F(UploadTest, OnScreenThePasswordTypedAtOnceOpensTheProgram)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "needs the Qt backend";
    SimulatedController controller;
    DownloadSmallDiagram(controller, false, _T("ABC"));
    InitQtControls();
    CDialog::SetDialogHook([](CDialog&) {
        // On a desktop the keyboard reaches the dialog once the window manager has activated it.
        ASSERT_TRUE(ProcessEventsUntil([] { return QApplication::focusWidget() != nullptr; }));
        for (const QChar ch : QStringLiteral("ABC\r"))
            QtType(QApplication::focusWidget(), ch == u'\r' ? Qt::Key_Return : Qt::Key(ch.unicode()), ch);
    });
    Run(PLC_OP_UPLOAD);
    AfxSetControlViewFactory(nullptr);
    EXPECT_EQ(BlockCount(ActiveDoc()), 4) << ::testing::PrintToString(BoxTexts());
}

// At the controller's fastest line rate every reply trickles in over milliseconds.
TEST_F(UploadTest, SlowLineStillUploads)
{
    SimulatedController controller;
    DownloadSmallDiagram(controller, true);
    // Every byte takes its time on the steady clock; the line's clock stands meanwhile.
    controller.SetLineBaud(115200);
    MarkLog();
    Run(PLC_OP_UPLOAD);
    EXPECT_EQ(controller.LastEndFlag(), 1) << ::testing::PrintToString(NewLogLines());
    EXPECT_EQ(BlockCount(ActiveDoc()), 6) << ::testing::PrintToString(BoxTexts());
}

// The uploaded document opens without its Properties sheet, yet carries "Show at new file".
TEST_F(UploadTest, UndoRightAfterAnUploadKeepsTheDiagram)
{
    SimulatedController controller;
    DownloadSmallDiagram(controller, false);
    g_bShowAtNewFile = 1;
    int nDialogs = 0;
    CDialog::SetDialogHook([&](CDialog& d) {
        ++nDialogs;
        d.PostMessage(WM_COMMAND, IDCANCEL, 0);
    });
    Run(PLC_OP_UPLOAD);
    CVetlaDoc* pDoc = ActiveDoc();
    ASSERT_EQ(BlockCount(pDoc), 4);
    EXPECT_EQ(nDialogs, 0);
    EXPECT_EQ(pDoc->m_settings.bShowAtNewFile, 1);
    EXPECT_FALSE(pDoc->m_undo.CanUndo());
    Frame()->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(BlockCount(ActiveDoc()), 4);
}

TEST_F(UploadTest, DownloadUploadDownloadKeepsTheImage)
{
    SimulatedController controller;
    DownloadSmallDiagram(controller, true);
    const auto image = [&] {
        Bytes bytes = Memory(controller, IMAGE_REGISTER_BUFFER0, IMAGE_BUFFER0_BYTES + 128);
        const Bytes texts = Memory(controller, 0, IMAGE_TEXT_BLOCK_BYTES, true);
        bytes.insert(bytes.end(), texts.begin(), texts.end());
        // Only the download stamp and the checksum over it may differ.
        const ImageSection* pId = FindImageSection("ID");
        std::fill_n(bytes.begin() + pId->nOffset, pId->nSize, BYTE(0));
        std::fill_n(bytes.begin() + 1016, 4, BYTE(0));
        return bytes;
    };
    const Bytes first = image();
    Run(PLC_OP_UPLOAD);
    ASSERT_EQ(BlockCount(ActiveDoc()), 6);
    controller.SetProgramSize(0, 0);
    for (WORD w = 0; w < (IMAGE_BUFFER0_BYTES + 128) / 2; ++w)
        controller.SetRegister(WORD(IMAGE_REGISTER_BUFFER0 + w), 0);
    Run(PLC_OP_DOWNLOAD);
    ASSERT_EQ(controller.LastEndFlag(), 1) << ::testing::PrintToString(BoxTexts());
    EXPECT_EQ(image(), first);
}

TEST_F(UploadTest, CommandsDuringATransferWaitAndTheWindowStays)
{
    SimulatedController controller;
    DownloadSmallDiagram(controller, false);
    controller.SetPassword("ABC");
    int nDialogs = 0;
    CDialog::SetDialogHook([&](CDialog& d) {
        ++nDialogs;
        if (nDialogs == 1) {
            // While the upload waits for the password: a second upload, and the user closing.
            Frame()->PostMessage(WM_PLC_COMMAND, PLC_OP_UPLOAD, 0);
            Frame()->SendMessage(WM_CLOSE);
            EXPECT_NE(AfxGetMainFrame(), nullptr);
            EXPECT_TRUE(Frame()->Session().IsPortOpen());
        }
        static_cast<CPasswordDlg&>(d).m_wndPassword.UserEdit(_T("ABC"), 3);
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    const int nDocuments = Frame()->m_nOpenDocuments;
    Run(PLC_OP_UPLOAD);
    AfxGetThread()->PumpPending();
    // The second upload ran after the first: two documents, and its handshake after the first end.
    EXPECT_EQ(nDialogs, 2);
    EXPECT_EQ(Frame()->m_nOpenDocuments, nDocuments + 2);
    const Bytes codes = FunctionCodes(controller);
    const auto firstEnd = std::find(codes.begin(), codes.end(), FC_UPLOAD_END);
    EXPECT_NE(std::find(firstEnd, codes.end(), FC_UPLOAD_START), codes.end());
}

}  // namespace
