// A diagram view in a window, as the program has it: the application on the headless window
// layer with its main frame, one new FBD (or LAD) document and its child frame and view, so that
// keys, context menus and commands travel as messages (posted ones too) through the frames'
// routing. Popup menus are answered by a recorder that keeps what was shown and picks a command.
#pragma once

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "support/DiagramPoints.h"
#include "editor/PaletteHost.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "platform/core/String.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NativeWindow.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"
#include "support/RunningApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

class DiagramWindow : public ::testing::Test {
protected:
    // What a popup menu showed: each item's command and flags.
    struct ShownItem {
        UINT nID;
        UINT nFlags;
    };

    void SetUp() override
    {
        AfxResetKeyState();
        m_bShowAtNewFile = g_bShowAtNewFile;
        g_bShowAtNewFile = 0;
        m_previousPopup = AfxSetTrackPopupMenuHandler([this](CMenu& menu, UINT, CPoint ptScreen, CWnd* pOwner) {
            m_shown.clear();
            for (const CMenu::Item& item : menu.Items())
                m_shown.push_back({item.nID, item.nFlags});
            m_ptPopup = ptScreen;
            m_pPopupOwner = pOwner;
            ++m_nPopups;
            return m_nPick;
        });
        ASSERT_TRUE(m_app.Start());
        CVetlaDoc::InitBlockCaptions();
        Frame()->SendMessage(WM_COMMAND, m_nDocType == DOC_TYPE_LAD ? ID_FILE_NEW_LAD : ID_FILE_NEW);
        ASSERT_NE(View(), nullptr);
        ASSERT_TRUE(IsWindow(View()));
    }

    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        m_app.Close();
        AfxSetTrackPopupMenuHandler(m_previousPopup);
        g_bShowAtNewFile = m_bShowAtNewFile;
        AfxResetKeyState();
    }

    CMainFrame* Frame() const { return AfxGetMainFrame(); }
    CVetlaView* View() const { return Frame() ? Frame()->GetActiveView() : nullptr; }
    CVetlaDoc& Doc() const { return *View()->GetDocument(); }

    // A block of the type at (x, y), added and numbered by the document.
    CBlockObj* Block(int nType, int x, int y)
    {
        CBlockObj* pBlock = View()->CreateBlockObject(nType);
        pBlock->m_ptPos = CPoint(x, y);
        pBlock->m_ptPos2 = pBlock->m_ptPos;
        Doc().AddBlock(pBlock);
        return pBlock;
    }

    LRESULT Key(UINT nVirtKey, UINT nMessage = WM_KEYDOWN, LPARAM lParam = 1)
    {
        return View()->SendMessage(nMessage, nVirtKey, lParam);
    }
    // A key with Ctrl held.
    LRESULT CtrlKey(UINT nVirtKey)
    {
        AfxSetKeyState(VK_CONTROL, true);
        const LRESULT lResult = Key(nVirtKey);
        AfxSetKeyState(VK_CONTROL, false);
        return lResult;
    }
    // The posted messages, taken as the program's loop takes them.
    void Pump() { m_app->PumpPending(); }
    // A command as the menu sends it: to the main frame, which routes it to the active view.
    void Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID); }
    // The edit mode as the user chooses it: the tool's command, or a palette item for insert
    // mode (its block type in nInsertType); select mode ends whatever tool runs.
    void EnterMode(int nMode, int nInsertType = 0)
    {
        if (View()->EditMode() == nMode && nMode != EDIT_MODE_INSERT)
            return;
        static const struct {
            int nMode;
            UINT nID;
        } kTools[] = {{EDIT_MODE_SELECT, ID_EDIT_SELECTION},        {EDIT_MODE_CONNECT, ID_CONNECT},
                      {EDIT_MODE_CUT_JOIN, ID_CUT_JOIN_CONNECTION}, {EDIT_MODE_INSERT_COMMENT, ID_INSERT_COMMENTS},
                      {EDIT_MODE_SIMULATE, ID_TOOLS_SIMULATION}};
        if (nMode == EDIT_MODE_INSERT)
            Frame()->SendMessage(WM_PALETTE_SELECT, 1, nInsertType);
        for (const auto& tool : kTools)
            if (tool.nMode == nMode)
                Command(tool.nID);
        ASSERT_EQ(View()->EditMode(), nMode);
    }
    // The state a menu or toolbar would show for the command, through the frame's routing.
    struct CommandState {
        BOOL bEnabled;
        int nCheck;
    };
    CommandState State(UINT nID) const
    {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, nID, _T("item"));
        Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(&menu), 0);
        const UINT nState = menu.GetMenuState(nID, MF_BYCOMMAND);
        return {(nState & (MF_GRAYED | MF_DISABLED)) == 0, (nState & MF_CHECKED) ? 1 : 0};
    }
    // The right button at the document point, as the mouse sends it, then the menu it asks for.
    void RightClick(CPoint ptDoc)
    {
        const LPARAM lParam = MAKELPARAM(WORD(ptDoc.x), WORD(ptDoc.y));
        View()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, lParam);
        View()->SendMessage(WM_RBUTTONUP, 0, lParam);
        CPoint ptScreen = ptDoc;
        View()->ClientToScreen(&ptScreen);
        View()->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(View()),
                            MAKELPARAM(WORD(ptScreen.x), WORD(ptScreen.y)));
    }
    std::vector<UINT> ShownCommands() const
    {
        std::vector<UINT> ids;
        for (const ShownItem& item : m_shown)
            ids.push_back(item.nID);
        return ids;
    }
    UINT ShownFlags(UINT nID) const
    {
        for (const ShownItem& item : m_shown) {
            if (item.nID == nID)
                return item.nFlags;
        }
        return UINT(-1);
    }

    int m_nDocType = DOC_TYPE_FBD;
    CManualTickSource m_clock;
    RunningApp m_app{"qarvo-view", RunningApp::Backend::Headless, &m_clock};
    CMessageBoxRecorder m_boxes;
    int m_bShowAtNewFile = 1;
    TrackPopupMenuHandler m_previousPopup;
    std::vector<ShownItem> m_shown;
    CPoint m_ptPopup;
    CWnd* m_pPopupOwner = nullptr;
    int m_nPopups = 0;
    // The command the next popup returns (0: dismissed).
    UINT m_nPick = 0;
};
