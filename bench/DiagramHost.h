// A document of the newer controller generation with its view and child frame, made the main
// frame's active ones as the benchmarks' diagrams need them. Blocks stand on a grid as a user
// would place them, so that a drawing covers a sheet.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/MessageTextClasses.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "shell/MainFrame.h"

struct DiagramHost {
    static constexpr int COLUMNS = 40;
    static constexpr int PITCH_X = 80;
    static constexpr int PITCH_Y = 90;

    explicit DiagramHost(int nDocType = DOC_TYPE_FBD)
    {
        RegisterBlockClasses();
        RegisterMessageTextClasses();
        g_wHardwareCode = 0x5188;
        doc.m_wHardwareCode = 0x5188;
        doc.m_nDocType = nDocType;
        AfxSetMainFrame(&frame);
        child.SetActiveView(&view);
        frame.MDIActivate(&child);
        view.SetDocument(&doc);
    }
    ~DiagramHost()
    {
        frame.MDIActivate(nullptr);
        AfxSetMainFrame(nullptr);
    }
    DiagramHost(const DiagramHost&) = delete;
    DiagramHost& operator=(const DiagramHost&) = delete;

    // A block of the type in the next place of the grid, added to the document.
    CBlockObj* Place(int nType)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
        const int i = placed++;
        pBlock->m_ptPos = CPoint(60 + PITCH_X * (i % COLUMNS), 40 + PITCH_Y * (i / COLUMNS));
        doc.AddBlock(pBlock);
        return pBlock;
    }

    // The document's page covers the grid with nSpareRows empty rows below it.
    void FitPage(int nSpareRows)
    {
        doc.m_sizeScreen = {COLUMNS * PITCH_X + 100, (placed / COLUMNS + nSpareRows) * PITCH_Y + 100};
        doc.m_rcExtent = CRect(0, 0, doc.m_sizeScreen.cx, doc.m_sizeScreen.cy);
    }

    CMainFrame frame;
    CChildFrame child;
    CVetlaView view;
    CVetlaDoc doc;
    int placed = 0;
};
