// The running application with one new diagram for the property sheet tests, on the layer
// without windows or (registered a second time) on Qt's offscreen platform. Modal sheets are
// driven from the dialog hook through their control ids.
#pragma once

#include "blocks/BlockObj.h"
#include "document/DocTestSupport.h"
#include "document/ModelSettings.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "pages/sheet/AllPropertySheet.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/PageTexts.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/KeyState.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "support/RunningApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <utility>

class SheetFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxResetKeyState();
        m_bShowAtNewFile = g_bShowAtNewFile;
        g_bShowAtNewFile = 0;
        ASSERT_TRUE(m_app.Start());
        CVetlaDoc::InitBlockCaptions();
        Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        ASSERT_NE(View(), nullptr);
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        g_bChineseUI = m_bChineseUI;
        m_app.Close();
        g_bShowAtNewFile = m_bShowAtNewFile;
        g_wHardwareCode = m_wHardwareCode;
        SetPageTextLookup(nullptr);
        AfxResetKeyState();
    }

    CMainFrame* Frame() const { return AfxGetMainFrame(); }
    CVetlaView& V() const { return *Frame()->GetActiveView(); }
    CVetlaView* View() const { return Frame() ? Frame()->GetActiveView() : nullptr; }
    CVetlaDoc& Doc() const { return *V().GetDocument(); }
    int Snapshots() const { return Doc().m_undo.m_nIndex; }

    CBlockObj* Block(int nType, int x = 200, int y = 200)
    {
        CBlockObj* pBlock = V().CreateBlockObject(nType);
        pBlock->m_ptPos = CPoint(x, y);
        pBlock->m_ptPos2 = pBlock->m_ptPos;
        Doc().AddBlock(pBlock);
        return pBlock;
    }
    void Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID); }
    void Properties(CBlockObj* pBlock)
    {
        V().SetCurrentObjects(pBlock, nullptr, nullptr);
        Command(ID_EDIT_BLOCK_PROPERTIES);
    }
    // The block's modeless sheet as its Properties command opens it; null when none opened.
    CAllPropertySheet* OpenSheet(CBlockObj* pBlock)
    {
        Properties(pBlock);
        return V().OpenSheets().Find(pBlock->m_nNumber);
    }
    void StartSimulation()
    {
        Command(ID_TOOLS_SIMULATION);
        ASSERT_EQ(V().EditMode(), EDIT_MODE_SIMULATE);
    }
    // The block's modeless sheet in a simulation started for it; null when none opened.
    CAllPropertySheet* RunningSheet(CBlockObj* pBlock)
    {
        StartSimulation();
        return OpenSheet(pBlock);
    }
    // The next modal sheet: act runs once it shows, then the sheet gets the button nButton.
    void OnModal(std::function<void(CPropertySheet&)> act, int nButton)
    {
        CDialog::SetDialogHook([this, act, nButton](CDialog& dlg) {
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            m_pShownSheet = &sheet;
            act(sheet);
            sheet.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        });
    }
    // Block Properties on the block as a modal sheet: act runs on it, then it gets nButton.
    void EditModal(CBlockObj* pBlock, std::function<void(CPropertySheet&)> act, int nButton)
    {
        OnModal(std::move(act), nButton);
        Properties(pBlock);
    }
    // EditModal with act run on the sheet's main page.
    void EditPage(CBlockObj* pBlock, std::function<void(CBlockPage&)> act, int nButton)
    {
        EditModal(pBlock, [act = std::move(act)](CPropertySheet& sheet) { act(MainPage(sheet)); }, nButton);
    }
    // Block Properties on the block: the text goes into a control of the shown page, then OK
    // and Cancel. True when OK left the sheet open, as a refused entry does.
    bool OkKeepsTheSheet(CBlockObj* pBlock, int nID, LPCTSTR lpszText)
    {
        bool bStillOpen = false;
        CDialog::SetDialogHook([&](CDialog& dlg) {
            SetText(*static_cast<CPropertySheet&>(dlg).GetActivePage(), nID, lpszText);
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            bStillOpen = IsWindow(&dlg) != FALSE;
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        Properties(pBlock);
        CDialog::SetDialogHook(nullptr);
        return bStillOpen;
    }
    // The pages' texts by key, the template's text where a key has none.
    static void UseTexts(std::map<WORD, CString> texts)
    {
        SetPageTextLookup([texts = std::move(texts)](WORD nKey, CString& str) {
            const auto it = texts.find(nKey);
            if (it == texts.end())
                return FALSE;
            str = it->second;
            return TRUE;
        });
    }
    static void SetText(CWnd& parent, int nID, LPCTSTR lpszText)
    {
        CWnd* pControl = parent.GetDlgItem(nID);
        ASSERT_NE(pControl, nullptr) << nID;
        pControl->SetWindowText(lpszText);
    }
    static CString Text(CWnd& parent, int nID)
    {
        CString str;
        if (CWnd* pControl = parent.GetDlgItem(nID))
            pControl->GetWindowText(str);
        return str;
    }
    // The text set into the control; what the control shows after it.
    static CString Entered(CWnd& parent, int nID, LPCTSTR lpszText)
    {
        SetText(parent, nID, lpszText);
        return Text(parent, nID);
    }
    static CBlockPage& MainPage(CPropertySheet& sheet) { return *static_cast<CAllPropertySheet&>(sheet).m_pMainPage; }
    static CComboBox& Combo(CWnd& page, int nID) { return *static_cast<CComboBox*>(page.GetDlgItem(nID)); }
    // The line the combo box of that id shows chosen; empty when it has none.
    static CString Selected(CWnd& page, int nID)
    {
        auto* pCombo = static_cast<CComboBox*>(page.GetDlgItem(nID));
        CString str;
        if (pCombo && pCombo->GetCurSel() >= 0)
            pCombo->GetLBText(pCombo->GetCurSel(), str);
        return str;
    }
    static bool Visible(CWnd& page, int nID)
    {
        CWnd* pControl = page.GetDlgItem(nID);
        return pControl && pControl->IsWindowVisible();
    }
    static bool Enabled(CWnd& page, int nID) { return page.GetDlgItem(nID)->IsWindowEnabled() != FALSE; }
    // The value the block's sheet shows while the diagram runs; a type that shows none fails.
    CString LiveValue(CBlockObj& block)
    {
        CString strText;
        EXPECT_TRUE(FindBlockPageRow(block.m_nType)->pfnLiveValue(block, V().MakeSimContext(), strText)) << block.m_nType;
        return strText;
    }
    // The mouse comes to rest at the middle of the control: the cursor goes there, and the move
    // is returned for whoever watches the control's messages.
    static MSG MouseRestingOn(CWnd& control)
    {
        CRect rect;
        control.GetClientRect(rect);
        const CPoint ptClient = rect.CenterPoint();
        CPoint ptScreen = ptClient;
        control.ClientToScreen(&ptScreen);
        SetCursorPos(ptScreen.x, ptScreen.y);
        return {&control, WM_MOUSEMOVE, 0, MAKELPARAM(WORD(ptClient.x), WORD(ptClient.y)), 0, ptScreen};
    }
    // Time passes on the application's clock in steps of 100 ms, its timers running.
    void Wait(UINT nMilliseconds)
    {
        for (UINT n = 0; n < nMilliseconds; n += 100) {
            m_clock.Advance(100);
            m_app->PumpPending();
        }
    }
    // A button of a modeless sheet or of a page, as a click sends it.
    static void Press(CWnd& sheet, int nID)
    {
        sheet.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                          reinterpret_cast<LPARAM>(sheet.GetDlgItem(nID)->GetSafeHwnd()));
    }

    CManualTickSource m_clock;
    RunningApp m_app{"qarvo-pages", RunningApp::BackendOfTheRun(), &m_clock};
    CMessageBoxRecorder m_boxes;
    int m_bShowAtNewFile = 1;
    const WORD m_wHardwareCode = g_wHardwareCode;  // the global the tests set, put back after each
    const int m_bChineseUI = g_bChineseUI;  // likewise, with the page texts' lookup
    CPropertySheet* m_pShownSheet = nullptr;
};
