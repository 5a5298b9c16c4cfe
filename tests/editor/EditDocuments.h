// Documents with windowless views for the clipboard, delete and connector-pair tests: several
// open at once (a copy in one, a paste in another), each two pages across and down of 1024 x 768,
// with blocks placed by the view's factory and numbered by the document, and wires laid by the
// view's own wire builder, as an edited diagram holds them.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "document/BlockNameMap.h"
#include "document/DocTestSupport.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/DiagramConsistency.h"
#include "support/DiagramPoints.h"
#include "editor/VetlaView.h"
#include "platform/core/Geometry.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Clipboard.h"
#include "shell/MainFrame.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

constexpr WORD HW_NEWER = 0x5188;
constexpr WORD HW_OLDER = 0x1188;
constexpr WORD FIRMWARE_NEWER = 0xC100;
constexpr WORD FIRMWARE_OLDER = 0xB100;

class EditDocument {
public:
    EditDocument(int nDocType, WORD wHardwareCode)
        : m_pDoc(std::make_unique<CVetlaDoc>()), m_pView(std::make_unique<CVetlaView>(m_pDoc.get()))
    {
        CVetlaDoc& doc = *m_pDoc;
        doc.m_nDocType = nDocType;
        doc.m_wHardwareCode = wHardwareCode;
        doc.m_wFirmwareWord = IsNewGeneration(wHardwareCode) ? FIRMWARE_NEWER : FIRMWARE_OLDER;
        doc.m_sizeScreen = {1024, 768};
        doc.m_nPagesAcross = 2;
        doc.m_nPagesDown = 2;
        doc.m_rcExtent = CRect(0, 0, 2048, 1536);
        if (nDocType == DOC_TYPE_LAD && doc.m_powerBusList.IsEmpty()) {
            auto* pRail = new CPowerBusObj(BT_POWERBUS);
            pRail->m_ptPos = CPoint(20, 20);
            pRail->m_nWidth = 4;
            pRail->m_nHeight = 1200;
            doc.m_powerBusList.AddTail(pRail);
        }
        m_pView->UpdateScrollSizes();
    }

    CVetlaDoc& Doc() { return *m_pDoc; }
    CVetlaView& View() { return *m_pView; }
    CBlockObj* Rail() { return static_cast<CBlockObj*>(m_pDoc->m_powerBusList.GetHead()); }

    CBlockObj* Block(int nType, int x, int y)
    {
        CBlockObj* pBlock = m_pView->CreateBlockObject(nType);
        // The factory reads the active document's kind; the block is made for this one.
        pBlock->ReinitPins(m_pDoc.get());
        pBlock->m_ptPos = CPoint(x, y);
        pBlock->m_ptPos2 = pBlock->m_ptPos;
        m_pDoc->AddBlock(pBlock);
        return pBlock;
    }

    // A wire laid by the view, from (pFrom, nFromPin) to (pTo, nToPin); the rail's end sits on
    // its x at the other end's height.
    CConnectLineObj* Wire(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
    {
        const bool bRail = !m_pDoc->m_powerBusList.IsEmpty() && pFrom == Rail();
        const CPoint ptTo = PinCentre(pTo, nToPin);
        const CPoint ptFrom = bRail ? CPoint(pFrom->m_ptPos.x, ptTo.y) : PinCentre(pFrom, nFromPin);
        return m_pView->WireTool().ConnectPins(ptFrom, pFrom, nFromPin, ptTo, pTo, nToPin);
    }

    template <class T>
    void Select(T* pObject)
    {
        m_pView->Selection().Add(pObject);
    }

    int CountType(int nType) const
    {
        int nCount = 0;
        for (POSITION pos = m_pDoc->m_blockList.GetHeadPosition(); pos;)
            nCount += static_cast<CBlockObj*>(m_pDoc->m_blockList.GetNext(pos))->m_nType == nType;
        return nCount;
    }
    std::vector<CBlockObj*> Blocks() const { return diagram_consistency::ListOf<CBlockObj>(m_pDoc->m_blockList); }
    std::vector<CConnectLineObj*> Lines() const
    {
        return diagram_consistency::ListOf<CConnectLineObj>(m_pDoc->m_lineList);
    }
    Bytes Saved() { return SaveToBytes(*m_pDoc); }

    // Ends the document before the main frame it is registered with.
    void Close()
    {
        m_pView.reset();
        m_pDoc.reset();
    }

private:
    std::unique_ptr<CVetlaDoc> m_pDoc;
    std::unique_ptr<CVetlaView> m_pView;
};

// The main window with documents; the first document made is the active one.
class EditingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterBlockClasses();
        CVetlaDoc::InitBlockCaptions();
        InitBlockNames();
    }

    EditingTest()
    {
        AfxSetMainFrame(&m_frame);
        m_frame.MDIActivate(&m_child);
        CClipboard::Empty();
    }
    ~EditingTest() override
    {
        m_child.SetActiveView(nullptr);
        m_frame.MDIActivate(nullptr);
        // The last made first: ladder elements may belong to an earlier document's table.
        while (!m_docs.empty())
            m_docs.pop_back();
        CClipboard::Empty();
        AfxSetMainFrame(nullptr);
    }

    EditDocument& NewDocument(int nDocType = DOC_TYPE_FBD, WORD wHardwareCode = HW_NEWER)
    {
        m_docs.push_back(std::make_unique<EditDocument>(nDocType, wHardwareCode));
        if (m_docs.size() == 1)
            Activate(*m_docs.back());
        return *m_docs.back();
    }
    void Activate(EditDocument& doc) { m_child.SetActiveView(&doc.View()); }

    // Copy in one document, paste in another with its top-left at the point.
    static void Paste(EditDocument& doc, CPoint ptAt)
    {
        doc.View().SetPressPoint(ptAt);
        doc.View().OnEditPaste();
    }

    CMainFrame m_frame;
    CChildFrame m_child;
    std::vector<std::unique_ptr<EditDocument>> m_docs;
};
