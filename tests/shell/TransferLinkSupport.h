// The transfer operations through the running application against the simulated controller on
// a pseudo-terminal: a diagram made in a new document, the port configured, an operation posted
// as the menus post it, and what the controller saw and the information window says.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/PowerBusObj.h"
#include "codec/ImageEncoder.h"
#include "codec/ImageLayout.h"
#include "codec/VetlaCoreRule.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/FrameIds.h"
#include "protocol/PlcOperation.h"
#include "shell/MainFrame.h"
#include "shell/VetlaApp.h"
#include "support/LogLines.h"
#include "support/RunningApp.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Bytes = std::vector<BYTE>;
using Fault = SimulatedController::Fault;

class TransferLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSerialPortNumbers();
        ASSERT_TRUE(m_app.Start());
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        Frame()->Session().SetLinkClock(nullptr);
        g_bShowAtNewFile = 1;
        g_wHardwareCode = 0x5188;
        m_app.Close();
        ResetSerialPortNumbers();
    }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static CVetlaDoc* ActiveDoc()
    {
        CVetlaView* pView = Frame()->GetActiveView();
        return pView ? pView->GetDocument() : nullptr;
    }
    // The controller's line as the port, on the line's clock.
    static void UsePort(SimulatedController& controller) { UseSimulatedController(Frame()->Session(), controller); }
    // Posts the operation as a command does and lets the frame run it.
    static void Run(int nOperation)
    {
        Frame()->PostMessage(WM_PLC_COMMAND, WPARAM(nOperation), 0);
        AfxGetThread()->PumpPending();
    }

    // A new empty document of the hardware code, active.
    CVetlaDoc* NewDiagram(WORD wHardwareCode, int nDocType = DOC_TYPE_FBD)
    {
        g_wHardwareCode = wHardwareCode;
        g_bShowAtNewFile = 0;
        Frame()->m_nNewDocType = nDocType;
        Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        return ActiveDoc();
    }
public:
    // A block of the type added to the document (numbered by it unless a number is given).
    static CBlockObj* Add(CVetlaDoc& doc, int nType, int nNumber = 0)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &doc);
        doc.AddBlock(pBlock);
        if (nNumber)
            pBlock->m_nNumber = nNumber;
        pBlock->m_ptPos = CPoint(60 * int(doc.m_blockList.GetCount()), 40);
        return pBlock;
    }
    static void Wire(CVetlaDoc& doc, CBlockObj* pFrom, CBlockObj* pTo, int nPin)
    {
        AddStraightWire(doc, pFrom->m_ptPos, pFrom, BLOCK_FIRST_OUTPUT, pTo->m_ptPos, pTo, nPin);
    }
protected:
    // I1 and I2 into an AND into Q1; with bText also a message text enabled by I1.
    CVetlaDoc* SmallDiagram(WORD wHardwareCode, bool bText)
    {
        CVetlaDoc* pDoc = NewDiagram(wHardwareCode);
        CBlockObj* pI1 = Add(*pDoc, BT_IN, NUM_INPUT);
        CBlockObj* pI2 = Add(*pDoc, BT_IN, NUM_INPUT + 1);
        CBlockObj* pAnd = Add(*pDoc, BT_AND);
        CBlockObj* pQ1 = Add(*pDoc, BT_OUT, NUM_OUTPUT);
        Wire(*pDoc, pI1, pAnd, 0);
        Wire(*pDoc, pI2, pAnd, 1);
        Wire(*pDoc, pAnd, pQ1, 0);
        if (bText) {
            CBlockObj* pText = Add(*pDoc, BT_MSGTEXT);
            Wire(*pDoc, pI1, pText, 0);
            for (int i = 0; i < pText->m_nOutputs; ++i)
                Wire(*pDoc, pText, Add(*pDoc, BT_FLAG, NUM_FLAG + i), 0);
        }
        return pDoc;
    }

    // The log lines written since MarkLog.
    std::vector<std::string> NewLogLines() const
    {
        return LogLinesFrom(Frame()->m_wndInfoBar.GetLogText().ToUtf8(), m_nLogStart);
    }
    void MarkLog() { m_nLogStart = Frame()->m_wndInfoBar.GetLogText().ToUtf8().size(); }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_boxes.Boxes())
            texts.push_back(box.text.ToUtf8());
        return texts;
    }

    // The function codes of the requests, and the flag of the last end frame.
    static Bytes FunctionCodes(SimulatedController& controller)
    {
        Bytes codes;
        for (const auto& request : controller.Requests())
            codes.push_back(request[1]);
        return codes;
    }
    // The controller's registers from wFirst as bytes, high byte first as on the wire.
    static Bytes Memory(SimulatedController& controller, WORD wFirst, int nBytes, bool bTexts = false)
    {
        Bytes bytes;
        for (int i = 0; i < nBytes / 2; ++i) {
            const WORD w = bTexts ? controller.MessageTextRegister(WORD(wFirst + i)) : controller.Register(WORD(wFirst + i));
            bytes.push_back(BYTE(w >> 8));
            bytes.push_back(BYTE(w & 0xFF));
        }
        return bytes;
    }
    // The download stamp the controller was sent, read back from its image.
    static SYSTEMTIME StampOf(const Bytes& buffer0)
    {
        // Each word of the stamp is one register, its first character high: the bytes in wire
        // order are the text.
        const auto first = buffer0.begin() + FindImageSection("ID")->nOffset;
        const std::string str(first, first + 16);
        SYSTEMTIME st{};
        st.wYear = WORD(std::stoi(str.substr(2, 4)));
        st.wMonth = WORD(std::stoi(str.substr(6, 2)));
        st.wDay = WORD(std::stoi(str.substr(8, 2)));
        st.wHour = WORD(std::stoi(str.substr(10, 2)));
        st.wMinute = WORD(std::stoi(str.substr(12, 2)));
        st.wSecond = WORD(std::stoi(str.substr(14, 2)));
        return st;
    }
    // The image the encoder makes of the document with that stamp, as the registers hold it.
    struct WireImage {
        Bytes buffer0, buffer1, texts;
    };
    static WireImage EncodedImage(CVetlaDoc& doc, const SYSTEMTIME& stamp, int nTexts)
    {
        CVetlaCoreRule codec;
        codec.m_pDoc = &doc;
        EXPECT_TRUE(codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, nTexts));
        EXPECT_TRUE(BuildProgramImage(codec, stamp).bOk);
        WriteImageChecksums(codec, doc.IsNewGenerationDoc());
        const auto swapped = [](std::span<const BYTE> image) {
            Bytes bytes(image.begin(), image.end());
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
                std::swap(bytes[i], bytes[i + 1]);
            return bytes;
        };
        return {swapped(codec.Image(0)), swapped(codec.Image(1)), swapped(codec.TextArea())};
    }

    RunningApp m_app{"qarvo-transfer", RunningApp::BackendOfTheRun()};
    CMessageBoxRecorder m_boxes;
    std::size_t m_nLogStart = 0;
};

// A ladder of rungs from the rail: a contact on an input, then contacts on the previous rung's
// coil, into a coil on an output or a flag.
inline CVetlaDoc* LadderOfRungs(CVetlaDoc* pLadder, int nRungs, int nContacts)
{
    if (pLadder->m_powerBusList.IsEmpty())
        pLadder->m_powerBusList.AddTail(new CPowerBusObj(BT_POWERBUS));
    CBlockObj* pRail = static_cast<CBlockObj*>(pLadder->m_powerBusList.GetHead());
    int nElements = 0;
    const auto element = [&](int nType, int nFirstNumber, int nOperand, CBlockObj* pFeed) {
        // Numbered one after the other: more elements than a controller holds may be the point.
        CBlockObj* pElement = TransferLinkTest::Add(*pLadder, nType, nFirstNumber + nElements++);
        pElement->m_nOperand = nOperand;
        TransferLinkTest::Wire(*pLadder, pFeed, pElement, 0);
        return pElement;
    };
    const CBlockObj* pPrevious = nullptr;
    for (int i = 0; i < nRungs; ++i) {
        CBlockObj* pFeed = element(BT_MAKE, NUM_MAKE, NUM_INPUT + i % 16, pRail);
        for (int k = 1; k < nContacts; ++k)
            pFeed = element(BT_BREAK, NUM_BREAK, pPrevious ? pPrevious->m_nNumber : NUM_INPUT + k, pFeed);
        pPrevious = element(BT_RELAY_COIL, NUM_COIL, i % 2 ? NUM_FLAG + i / 2 : NUM_OUTPUT + i / 2, pFeed);
    }
    return pLadder;
}
