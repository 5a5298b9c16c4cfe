// The message-text pages through Block Properties: the page that fits the controller, OK and
// Cancel, the insert commands under the placement rules and the per-set limits, the character
// sets, the element dialogs from a double click, and the older page's rules. Driven through
// control ids, synthetic clicks and the dialog hook.
#include "pages/SheetFixture.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
#include "controls/IconImages.h"
#include "messagetext/AIFilterDlg.h"
#include "messagetext/BarGraphSettingDlg.h"
#include "messagetext/IOSN.h"
#include "messagetext/MessageTextIds.h"
#include "messagetext/MessageTextsNew.h"
#include "messagetext/MsgTextSettingDlg.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class MessageTextPage : public SheetFixture {
protected:
    void SetUp() override
    {
        SheetFixture::SetUp();
        m_pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
        m_pCounter = Block(BT_COUNTER, 400, 200);
        m_pTrigger = Block(BT_THTRG, 600, 200);
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        SheetFixture::TearDown();
    }

    // Block Properties on the message text: act runs on its page, then the sheet gets nButton.
    // A dialog the act opens goes to m_onDialog.
    void Edit(const std::function<void(CMessageTexts&)>& act, int nButton)
    {
        CDialog::SetDialogHook([this, act, nButton](CDialog& dlg) {
            if (!dlg.IsKindOf(RUNTIME_CLASS(CPropertySheet))) {
                if (m_onDialog)
                    m_onDialog(dlg);
                return;
            }
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            auto* pPage = dynamic_cast<CMessageTexts*>(sheet.GetPage(0));
            ASSERT_NE(pPage, nullptr);
            m_bNewPage = dynamic_cast<CMessageTexts_New*>(pPage) != nullptr;
            act(*pPage);
            sheet.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        });
        Properties(m_pText);
    }
    // Edit on the page of the controllers that have two character sets.
    void EditNew(const std::function<void(CMessageTexts_New&)>& act, int nButton)
    {
        Edit([this, &act](CMessageTexts& page) {
            ASSERT_TRUE(m_bNewPage);
            act(static_cast<CMessageTexts_New&>(page));
        }, nButton);
    }
    static void Notify(CWnd& page, int nID, UINT nCode)
    {
        page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(page.GetDlgItem(nID)->GetSafeHwnd()));
    }
    static void Pick(CWnd& page, int nListID, int nIndex)
    {
        static_cast<CListBox*>(page.GetDlgItem(nListID))->SetCurSel(nIndex);
        Notify(page, nListID, LBN_SELCHANGE);
    }
    // Entry i of the parameter list of block nBlock of the block list (0 the counter, 1 the
    // trigger) inserted at (line, column).
    static void InsertParam(CMessageTexts& page, int nBlock, int nIndex, int nLine, int nColumn)
    {
        Pick(page, IDC_MT_BLOCK_LIST, nBlock);
        Pick(page, IDC_MT_PARAM_LIST, nIndex);
        page.m_grid.SetFocusCell(CCellID(nLine, nColumn));
        Notify(page, IDC_MT_INSERT, BN_CLICKED);
    }
    static void InsertCounterParam(CMessageTexts& page, int nIndex, int nLine, int nColumn)
    {
        InsertParam(page, 0, nIndex, nLine, nColumn);
    }
    static void TypeAt(CLcdCanvas& grid, int nLine, int nColumn, const std::u16string& text)
    {
        grid.SetFocusCell(CCellID(nLine, nColumn));
        for (char16_t ch : text)
            grid.SendMessage(WM_CHAR, ch, 1);
    }
    // A click on the grid followed by the second click of a double click.
    static void DoubleClick(CLcdCanvas& grid, CPoint point)
    {
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(point));
        grid.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(point));
        grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MakePointLParam(point));
    }
    static int WidgetCount(const CLcdCanvas& grid)
    {
        int n = 0;
        for (const CObArray& list : grid.m_arrWidgets)
            n += int(list.GetSize());
        return n;
    }
    static CWidget* WidgetOf(const CObArray& list, int i) { return static_cast<CWidget*>(list.GetAt(i)); }
    bool Refused()
    {
        const bool bRefused = !m_boxes.Boxes().empty() &&
                              m_boxes.Boxes().back().text.Find(_T("Can't insert the selected Object at this position B")) == 0;
        m_boxes.Clear();
        return bRefused;
    }

    CBlockMSGTEXT* m_pText = nullptr;
    CBlockObj* m_pCounter = nullptr;
    CBlockObj* m_pTrigger = nullptr;  // its first parameter is 7 cells wide
    bool m_bNewPage = false;
    std::function<void(CDialog&)> m_onDialog;
};

TEST_F(MessageTextPage, OkWritesTextAndElementsBackWithOneSnapshot)
{
    const int nBefore = Snapshots();
    Edit(
        [](CMessageTexts& page) {
            TypeAt(page.m_grid, 1, 1, u"Hi");
            TypeAt(page.m_grid, 2, 3, u"\u4e2d");
            InsertCounterParam(page, 0, 1, 10);
        },
        IDOK);
    EXPECT_TRUE(m_bNewPage);
    EXPECT_EQ(m_pText->m_strCells1[1][1] + m_pText->m_strCells1[1][2], CString(_T("Hi")));
    EXPECT_EQ(m_pText->m_strCells1[2][3], CString(u"\u4e2d"));
    EXPECT_EQ(m_pText->m_strCells1[0][0], CString(_T("W")));
    ASSERT_EQ(m_pText->m_arrWidgets1[0].GetSize(), 1);
    const CWidget* pWidget = WidgetOf(m_pText->m_arrWidgets1[0], 0);
    EXPECT_EQ(pWidget->m_nColumn, 10);
    EXPECT_EQ(pWidget->m_nParamId, 16);
    EXPECT_FALSE(pWidget->m_strCaption.IsEmpty());
    EXPECT_EQ(pWidget->m_nWidth, g_arrParamWidth[16]);
    EXPECT_EQ(pWidget->m_nBlockNumber, m_pCounter->m_nNumber);
    EXPECT_FALSE(pWidget->m_bSelected);
    EXPECT_EQ(Snapshots(), nBefore + 1);
}

TEST_F(MessageTextPage, CancelLeavesTheSavedBytesAsTheyWere)
{
    // A message text with an element of each set, so that the page has lists to copy.
    EditNew(
        [this](CMessageTexts_New& page) {
            InsertCounterParam(page, 0, 1, 10);
            page.CheckDlgButton(IDC_MT_ENABLE_SET2, 1);
            page.OnEnableCharSet(1);
            page.OnSelectCharSet(1);
            page.m_grid.SetFocusCell(CCellID(2, 2));
            EXPECT_NE(page.PlaceScaleTime(m_pCounter->m_nNumber, 0), nullptr);
        },
        IDOK);
    const Bytes saved = SaveToBytes(Doc());
    const int nBefore = Snapshots();
    Edit(
        [](CMessageTexts& page) {
            TypeAt(page.m_grid, 1, 1, u"Hi");
            InsertCounterParam(page, 1, 3, 3);
            static_cast<CMessageTexts_New&>(page).OnSelectCharSet(0);
        },
        IDCANCEL);
    EXPECT_EQ(m_pText->m_strCells1[1][1], CString());
    EXPECT_EQ(SaveToBytes(Doc()), saved);
    EXPECT_EQ(Snapshots(), nBefore);
}

TEST_F(MessageTextPage, OkWithNothingChangedKeepsAnElementNotPlacedYet)
{
    // The counter's value on line 1 and, under it, a file's "Current Time" not placed yet (line
    // and column -1).
    Edit([](CMessageTexts& page) { InsertCounterParam(page, 0, 1, 3); }, IDOK);
    auto* pLoose = new CWidget(40, 0, 160, 30, RGB(128, 128, 128));
    pLoose->m_nParamId = 34;
    pLoose->m_pBlock = m_pText;
    pLoose->m_nBlockNumber = m_pText->m_nNumber;
    m_pText->m_arrWidgets1[0].Add(pLoose);
    const Bytes saved = SaveToBytes(Doc());
    Edit([](CMessageTexts&) {}, IDOK);
    EXPECT_EQ(m_pText->m_arrWidgets1[0].GetSize(), 2);
    EXPECT_EQ(SaveToBytes(Doc()), saved);
}

TEST_F(MessageTextPage, ParametersFollowThePlacementRules)
{
    Edit(
        [this](CMessageTexts& page) {
            ASSERT_EQ(g_arrParamWidth[22], 7);
            InsertParam(page, 1, 0, 1, 18);  // id 22, width 7: ends at 24
            EXPECT_FALSE(Refused());
            InsertParam(page, 1, 0, 2, 19);
            EXPECT_TRUE(Refused());
            InsertCounterParam(page, 0, 3, 5);  // width 6: 5-10
            InsertCounterParam(page, 0, 3, 11);  // touches
            EXPECT_FALSE(Refused());
            InsertCounterParam(page, 0, 3, 16);  // overlaps 11-16 by one cell
            EXPECT_TRUE(Refused());
            TypeAt(page.m_grid, 4, 7, u"\u4e2d");  // 7-8
            InsertCounterParam(page, 0, 4, 2);   // would end on the left half
            EXPECT_TRUE(Refused());
            InsertCounterParam(page, 0, 4, 8);   // would start on the right half
            EXPECT_TRUE(Refused());
            EXPECT_EQ(WidgetCount(page.m_grid), 3);
        },
        IDOK);
    EXPECT_EQ(m_pText->m_arrWidgets1[2].GetSize(), 2);
}

TEST_F(MessageTextPage, TheBlockListNamesTheBlocksByTheUsersNames)
{
    m_pTrigger->m_strLabelSuffix = _T("Pump");
    Edit(
        [this](CMessageTexts& page) {
            auto* pBlocks = static_cast<CListBox*>(page.GetDlgItem(IDC_MT_BLOCK_LIST));
            ASSERT_EQ(pBlocks->GetCount(), 2);
            CString strUnnamed;
            CString strNamed;
            pBlocks->GetText(0, strUnnamed);
            pBlocks->GetText(1, strNamed);
            CString strNumber;
            strNumber.Format(_T("B%d["), m_pCounter->m_nNumber - NUM_FUNCTION_BLOCK);
            EXPECT_EQ(strUnnamed.Left(strNumber.GetLength()), strNumber);
            strNumber.Format(_T("B%d Pump["), m_pTrigger->m_nNumber - NUM_FUNCTION_BLOCK);
            EXPECT_EQ(strNamed.Left(strNumber.GetLength()), strNumber);
            // The named entry still stands for its block.
            InsertParam(page, 1, 0, 1, 1);
            ASSERT_NE(page.m_grid.m_pSelectedWidget, nullptr);
            EXPECT_EQ(page.m_grid.m_pSelectedWidget->m_pBlock, m_pTrigger);
        },
        IDCANCEL);
}

TEST_F(MessageTextPage, LimitsCountTheShownSetOnly)
{
    EditNew(
        [this](CMessageTexts_New& page) {
            // The scope and pointer commands are pictures.
            EXPECT_EQ(static_cast<CIconButton*>(page.GetDlgItem(IDC_MT_SCOPE))->GetShownIcon(), IDI_SCOPE);
            EXPECT_EQ(static_cast<CIconButton*>(page.GetDlgItem(IDC_MT_POINTER))->GetShownIcon(), IDI_POINTER);
            page.CheckDlgButton(IDC_MT_ENABLE_SET2, 1);
            page.OnEnableCharSet(1);
            for (int nSet = 0; nSet < 2; ++nSet) {
                page.OnSelectCharSet(nSet);
                for (int i = 0; i < 8; ++i) {
                    page.m_grid.SetFocusCell(CCellID(1 + i / 4, 1 + 6 * (i % 4)));
                    EXPECT_NE(page.PlaceBarGraph(m_pCounter->m_nNumber, 0, 3, WIDGET_KIND_BARGRAPH), nullptr);
                }
                page.OnInsertBarGraph(WIDGET_KIND_BARGRAPH);
                ASSERT_FALSE(m_boxes.Boxes().empty());
                EXPECT_EQ(m_boxes.Boxes().back().text, CString(_T("Maximun 8 bar graphs can be used in one message text.")));
                m_boxes.Clear();
            }
            // A scope starts on line 1 or 2; a graph on line 1.
            page.m_grid.SetFocusCell(CCellID(3, 1));
            EXPECT_EQ(page.PlaceBarGraph(m_pCounter->m_nNumber, 0, 5, WIDGET_KIND_SCOPE), nullptr);
            EXPECT_TRUE(Refused());
            page.m_grid.SetFocusCell(CCellID(2, 1));
            EXPECT_EQ(page.PlaceGraph(3), nullptr);
            EXPECT_TRUE(Refused());
            page.m_grid.SetFocusCell(CCellID(3, 1));
            EXPECT_NE(page.PlaceScaleTime(m_pCounter->m_nNumber, 0), nullptr);
        },
        IDOK);
    int nSet1 = 0;
    int nSet2 = 0;
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        nSet1 += int(m_pText->m_arrWidgets1[nLine].GetSize());
        nSet2 += int(m_pText->m_arrWidgets2[nLine].GetSize());
    }
    EXPECT_EQ(nSet1, 8);
    EXPECT_EQ(nSet2, 9);
    EXPECT_EQ(m_pText->m_nMsgSettings[MTS_CHARSET_SHOWN], 1);
    EXPECT_EQ(m_pText->m_nMsgSettings[MTS_ENABLE_SET2], 1);
}

TEST_F(MessageTextPage, DisablingTheHiddenSetKeepsTheShownEdits)
{
    EditNew(
        [this](CMessageTexts_New& page) {
            page.CheckDlgButton(IDC_MT_ENABLE_SET2, 1);
            page.OnEnableCharSet(1);
            TypeAt(page.m_grid, 1, 1, u"abc");
            m_boxes.QueueAnswer(IDYES);
            page.CheckDlgButton(IDC_MT_ENABLE_SET2, 0);
            page.OnEnableCharSet(1);
            EXPECT_EQ(page.m_grid.GetItemText(1, 2), CString(_T("b")));
            // The only enabled set cannot be disabled.
            page.CheckDlgButton(IDC_MT_ENABLE_SET1, 0);
            page.OnEnableCharSet(0);
            EXPECT_TRUE(page.IsDlgButtonChecked(IDC_MT_ENABLE_SET1));
        },
        IDOK);
    EXPECT_EQ(m_pText->m_strCells1[1][3], CString(_T("c")));
    EXPECT_EQ(m_pText->m_nMsgSettings[MTS_ENABLE_SET2], 0);
}

TEST_F(MessageTextPage, AWidenedBarGraphThatWouldOverlapKeepsItsWidth)
{
    EditNew(
        [this](CMessageTexts_New& page) {
            page.m_grid.SetFocusCell(CCellID(1, 1));
            CWidget* pBar = page.PlaceBarGraph(m_pCounter->m_nNumber, 0, 3, WIDGET_KIND_BARGRAPH);
            ASSERT_NE(pBar, nullptr);
            InsertCounterParam(page, 0, 1, 6);
            m_onDialog = [](CDialog& dlg) {
                dlg.SetDlgItemText(IDC_BG_WIDTH, _T("6"));
                dlg.SetDlgItemText(IDC_BG_MIN, _T("-5"));
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            };
            DoubleClick(page.m_grid, CPoint(10, 15));
            EXPECT_TRUE(Refused());
            EXPECT_EQ(pBar->m_nWidth, 3);
            EXPECT_EQ(pBar->m_nMinValue, -5);
            // Narrower fits.
            m_onDialog = [](CDialog& dlg) {
                dlg.SetDlgItemText(IDC_BG_WIDTH, _T("5"));
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            };
            page.m_grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MakePointLParam(CPoint(10, 15)));
            EXPECT_FALSE(Refused());
            EXPECT_EQ(pBar->m_nWidth, 5);
        },
        IDOK);
}

TEST_F(MessageTextPage, TheBarGraphDialogChecksBeforeItWrites)
{
    EditNew(
        [this](CMessageTexts_New& page) {
            page.m_grid.SetFocusCell(CCellID(2, 1));
            CWidget* pBar = page.PlaceBarGraph(m_pCounter->m_nNumber, 0, 4, WIDGET_KIND_BARGRAPH);
            ASSERT_NE(pBar, nullptr);
            const int nBlock = pBar->m_nBlockNumber;
            std::vector<CString> texts;
            m_onDialog = [&](CDialog& dlg) {
                dlg.SetDlgItemText(IDC_BG_MIN, _T("10"));
                dlg.SetDlgItemText(IDC_BG_MAX, _T("10"));
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                texts.push_back(m_boxes.Boxes().empty() ? CString() : m_boxes.Boxes().back().text);
                dlg.SetDlgItemText(IDC_BG_MAX, _T("40000"));
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BG_MAX, EN_UPDATE), 0);
                CString strMax;
                dlg.GetDlgItemText(IDC_BG_MAX, strMax);
                texts.push_back(strMax);
                // The arrows step the scale within its range and the width within 2 to 12.
                static_cast<CSpinButtonCtrl*>(dlg.GetDlgItem(IDC_BG_MAX_SPIN))->UserStep(1);
                dlg.GetDlgItemText(IDC_BG_MAX, strMax);
                texts.push_back(strMax);
                dlg.SetDlgItemText(IDC_BG_WIDTH, _T("12"));
                static_cast<CSpinButtonCtrl*>(dlg.GetDlgItem(IDC_BG_WIDTH_SPIN))->UserStep(-1);
                CString strWidth;
                dlg.GetDlgItemText(IDC_BG_WIDTH, strWidth);
                texts.push_back(strWidth);
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            };
            DoubleClick(page.m_grid, CPoint(10, 45));
            ASSERT_EQ(texts.size(), 4u);
            EXPECT_EQ(texts[0], CString(_T("The MaxValue must be larger than the MinValue.")));
            EXPECT_EQ(texts[1], CString(_T("32767")));
            EXPECT_EQ(texts[2], CString(_T("32767")));
            EXPECT_EQ(texts[3], CString(_T("11")));
            EXPECT_EQ(pBar->m_nMaxValue, 0);
            EXPECT_EQ(pBar->m_nBlockNumber, nBlock);
        },
        IDCANCEL);
}

// The scope's time is the diagram's setting, shown and not edited: a file's time the settings
// would refuse does not hold the scope dialog.
TEST_F(MessageTextPage, AScopeTimeFromAFileLetsTheScopeDialogClose)
{
    Doc().m_nScopeTime = 60000;
    CBarGraphSettingDlg dlg(&Doc(), nullptr);
    dlg.m_nKind = WIDGET_KIND_SCOPE;
    dlg.m_nWidth = Doc().m_nScopeTime;
    dlg.m_nBlockNumber = m_pCounter->m_nNumber;
    dlg.m_nMaxValue = 100;
    CDialog::SetDialogHook([this](CDialog& d) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BG_BLOCK, CBN_SELCHANGE), 0);
        static_cast<CComboBox*>(d.GetDlgItem(IDC_BG_ACTUAL))->SetCurSel(0);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        if (!m_boxes.Boxes().empty())
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(m_boxes.Boxes().empty()) << m_boxes.Boxes().back().text.ToUtf8();
}

// Each element dialog that a double click opens checks again that its element fits where it
// lies: where it does, a text left under the element (as a file may hold one) goes; where an
// element of the same line covers its first column, the refusal shows and the element's names
// are not taken.
TEST_F(MessageTextPage, EveryElementDialogChecksThePlaceAndEmptiesTheCellsUnderIt)
{
    CBlockObj* pInput = Block(BT_IN, 100, 100);
    const struct {
        const char* pszKind;
        std::function<CWidget*(CMessageTexts_New&)> place;
    } kinds[] = {
        {"scale time", [this](CMessageTexts_New& page) { return page.PlaceScaleTime(m_pCounter->m_nNumber, 0); }},
        {"I/O status name", [pInput](CMessageTexts_New& page) { return page.PlaceIOStatusName(pInput->m_nNumber); }},
        {"bar graph", [this](CMessageTexts_New& page) {
             return page.PlaceBarGraph(m_pCounter->m_nNumber, 0, 4, WIDGET_KIND_BARGRAPH);
         }},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.pszKind);
        EditNew(
            [&](CMessageTexts_New& page) {
                page.m_grid.SetFocusCell(CCellID(2, 2));
                CWidget* pWidget = kind.place(page);
                ASSERT_NE(pWidget, nullptr);
                CRect rcCell;
                page.m_grid.GetCellRect(2, 4, &rcCell);
                m_onDialog = [](CDialog& dlg) {
                    if (auto* pNames = dynamic_cast<CIOSN*>(&dlg))
                        TypeAt(pNames->m_grid, 1, 1, u"Z");
                    if (dynamic_cast<CBarGraphSettingDlg*>(&dlg))
                        dlg.SetDlgItemText(IDC_BG_MAX, _T("100"));
                    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                };
                // An element of the same line over its first column: refused, nothing taken.
                auto* pOver = new CWidget(0, 0, 10, 10, RGB(128, 128, 128));
                pOver->m_nLine = 2;
                pOver->m_nColumn = 2;
                pOver->m_nWidth = 1;
                page.m_grid.m_arrWidgets[1].Add(pOver);
                page.m_grid.SetItemText(2, 3, _T("x"));
                DoubleClick(page.m_grid, rcCell.CenterPoint());
                EXPECT_TRUE(Refused());
                EXPECT_EQ(page.m_grid.GetItemText(2, 3), CString(_T("x")));
                EXPECT_NE(pWidget->m_strNames[1][1], CString(_T("Z")));
                page.m_grid.m_arrWidgets[1].RemoveAt(page.m_grid.m_arrWidgets[1].GetSize() - 1);
                delete pOver;
                // Alone on its line it fits: the text under it goes.
                DoubleClick(page.m_grid, rcCell.CenterPoint());
                EXPECT_FALSE(Refused());
                EXPECT_EQ(page.m_grid.GetItemText(2, 3), CString());
                if (pWidget->m_nKind == WIDGET_KIND_IOSTATUSNAME) {
                    EXPECT_EQ(pWidget->m_strNames[1][1], CString(_T("Z")));
                }
            },
            IDCANCEL);
    }
}

TEST_F(MessageTextPage, TheOlderPageTakesOneParameterALineEndingByColumn12)
{
    Doc().m_wHardwareCode = 0x4188;
    Edit(
        [this](CMessageTexts& page) {
            EXPECT_EQ(page.m_grid.GetColumnCount(), 13);
            InsertCounterParam(page, 0, 1, 7);  // width 6: 7-12
            EXPECT_FALSE(Refused());
            InsertCounterParam(page, 0, 2, 8);
            EXPECT_TRUE(Refused());
            InsertCounterParam(page, 1, 1, 1);  // a second one on line 1
            EXPECT_TRUE(Refused());
        },
        IDOK);
    EXPECT_FALSE(m_bNewPage);
    EXPECT_EQ(m_pText->m_arrWidgets1[0].GetSize(), 1);
    EXPECT_EQ(m_pText->m_arrWidgets1[1].GetSize(), 0);
}

// A drag on the older page keeps to its one element a line as the insert button does: the
// download has room for no second one.
TEST_F(MessageTextPage, TheOlderPageRefusesADropOfASecondElementOnALine)
{
    Doc().m_wHardwareCode = 0x4188;
    const auto cellPoint = [](CLcdCanvas& grid, int nRow, int nCol) {
        CRect rect;
        grid.GetCellRect(nRow, nCol, &rect);
        return rect.CenterPoint();
    };
    // The element at (line, column) pressed, moved with the button down and dropped on a cell.
    const auto drag = [&](CLcdCanvas& grid, int nLine, int nColumn, int nRow, int nCol) {
        DROPEFFECT result = DROPEFFECT_NONE;
        AfxSetDragLoop([&](CWnd&, const ClipboardData& data, DROPEFFECT allowed) {
            result = AfxDragOverAndDrop(grid, data, 0, cellPoint(grid, nRow, nCol), allowed);
            return result;
        });
        const CPoint start = cellPoint(grid, nLine, nColumn);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(start));
        grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(start + CPoint(3, 0)));
        grid.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(start));
        AfxSetDragLoop(nullptr);
        return result;
    };
    Edit(
        [&](CMessageTexts& page) {
            InsertCounterParam(page, 0, 1, 7);  // width 6: 7-12
            InsertCounterParam(page, 0, 2, 1);  // 1-6
            ASSERT_TRUE(m_boxes.Boxes().empty());
            const struct {
                const char* pszWhat;
                int nRow, nCol;
                bool bMoved;
            } cases[] = {
                {"beside the element of line 1", 1, 1, false},
                {"along its own line", 2, 3, true},
                {"onto a free line", 3, 2, true},
            };
            for (const auto& c : cases) {
                SCOPED_TRACE(c.pszWhat);
                const CWidget* pDragged = page.m_grid.m_pSelectedWidget;
                ASSERT_NE(pDragged, nullptr);
                const int nLine = pDragged->m_nLine;
                const int nColumn = pDragged->m_nColumn;
                EXPECT_EQ(drag(page.m_grid, nLine, nColumn, c.nRow, c.nCol) != DROPEFFECT_NONE, c.bMoved);
                ASSERT_NE(page.m_grid.m_pSelectedWidget, nullptr);
                EXPECT_EQ(page.m_grid.m_pSelectedWidget->m_nLine, c.bMoved ? c.nRow : nLine);
                EXPECT_EQ(page.m_grid.m_pSelectedWidget->m_nColumn, c.bMoved ? c.nCol : nColumn);
                ASSERT_EQ(m_boxes.Boxes().size(), c.bMoved ? 0u : 1u);
                if (!c.bMoved) {
                    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("Can't insert the selected Object at this position")));
                }
                m_boxes.Clear();
                EXPECT_EQ(page.m_grid.m_arrWidgets[0].GetSize(), 1);
            }
        },
        IDOK);
    EXPECT_FALSE(m_bNewPage);
    EXPECT_EQ((std::vector<INT_PTR>{m_pText->m_arrWidgets1[0].GetSize(), m_pText->m_arrWidgets1[1].GetSize(),
                                    m_pText->m_arrWidgets1[2].GetSize()}),
              (std::vector<INT_PTR>{1, 0, 1}));
}

// The Message Text Setting command: the dialog's checks come before any cell is emptied, and a
// change marks the document modified.
class MsgTextSetting : public MessageTextPage {
protected:
    // The command with act run on the shown dialog, then the buttons pressed in order.
    void Run(const std::function<void(CDialog&)>& act, std::vector<int> buttons = {IDOK})
    {
        CDialog::SetDialogHook([act, buttons](CDialog& dlg) {
            act(dlg);
            for (int nButton : buttons)
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        });
        Command(ID_FILE_MSGTEXT_SETTINGS);
        CDialog::SetDialogHook(nullptr);
    }
    static void SelectSet(CDialog& dlg, int nComboID, int nSet)
    {
        static_cast<CComboBox*>(dlg.GetDlgItem(nComboID))->SetCurSel(nSet);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nComboID, CBN_SELCHANGE), 0);
    }
    void FillPlanes()
    {
        m_pText->m_strCells1[1][1] = u"\u4e2d";
        m_pText->m_strCells1[1][3] = _T("a");
        m_pText->m_strCells2[2][1] = u"\u00e9";
        m_pText->m_strCells2[2][2] = _T("b");
    }
};

TEST_F(MsgTextSetting, TheLineTickerFollowsTheCharacterTicker)
{
    std::vector<CString> lines;
    Run(
        [&](CDialog& dlg) {
            for (LPCTSTR lpszChar : {_T("250"), _T("50"), _T("10000")}) {
                dlg.SetDlgItemText(IDC_MTS_TICKER_CHAR, lpszChar);
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MTS_TICKER_CHAR, EN_UPDATE), 0);
                CString strLine;
                dlg.GetDlgItemText(IDC_MTS_TICKER_LINE, strLine);
                lines.push_back(strLine);
            }
        },
        {IDCANCEL});
    EXPECT_EQ(lines, (std::vector<CString>{_T("2000"), _T("1000"), _T("100000")}));
    EXPECT_EQ(TickerLineTimeFor(199), 1000);
}

TEST_F(MsgTextSetting, TheTickerArrowsStepOntoHundreds)
{
    EXPECT_EQ(TickerStepTarget(250, 1), 300);
    EXPECT_EQ(TickerStepTarget(250, -1), 100);
    EXPECT_EQ(TickerStepTarget(300, 1), 400);
    EXPECT_EQ(TickerStepTarget(50, 1), 0);
    EXPECT_EQ(TickerStepTarget(10000, 1), 10000);
    CString strChar;
    CString strLine;
    Run(
        [&](CDialog& dlg) {
            dlg.SetDlgItemText(IDC_MTS_TICKER_CHAR, _T("250"));
            static_cast<CSpinButtonCtrl*>(dlg.GetDlgItem(IDC_MTS_TICKER_SPIN))->UserStep(1);
            dlg.GetDlgItemText(IDC_MTS_TICKER_CHAR, strChar);
            dlg.GetDlgItemText(IDC_MTS_TICKER_LINE, strLine);
        },
        {IDCANCEL});
    EXPECT_EQ(strChar, CString(_T("300")));
    EXPECT_EQ(strLine, CString(_T("3000")));
}

TEST_F(MsgTextSetting, ChangingSet2EmptiesOnlyPlane2sWideCellsAndMarksTheDocument)
{
    FillPlanes();
    Doc().m_undo.SaveState(&Doc());
    Doc().SetModifiedFlag(FALSE);
    m_boxes.QueueAnswer(IDYES);
    Run([](CDialog& dlg) { SelectSet(dlg, IDC_MTS_CHARSET2, 2); });
    EXPECT_EQ(Doc().m_nCharSet2, 2);
    EXPECT_EQ(m_pText->m_strCells1[1][1], CString(u"\u4e2d"));
    EXPECT_EQ(m_pText->m_strCells2[2][1], CString());
    EXPECT_EQ(m_pText->m_strCells2[2][2], CString(_T("b")));
    EXPECT_TRUE(Doc().IsModified());
    // One Undo gives back the set and the emptied cell together.
    const int nText = m_pText->m_nNumber;
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Doc().m_nCharSet2, 0);
    const auto* pText = static_cast<CBlockMSGTEXT*>(Doc().FindBlockByNumber(nText));
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(pText->m_strCells2[2][1], CString(u"\u00e9"));
}

TEST_F(MsgTextSetting, ARefusedFieldOrANoLosesNothing)
{
    FillPlanes();
    Doc().SetModifiedFlag(FALSE);
    m_boxes.QueueAnswer(IDYES);
    // A ticker time off the 100 ms steps is refused before the question; Cancel follows.
    Run([](CDialog& dlg) {
        SelectSet(dlg, IDC_MTS_CHARSET1, 2);
        dlg.SetDlgItemText(IDC_MTS_TICKER_CHAR, _T("150"));
    }, {IDOK, IDCANCEL});
    EXPECT_EQ(m_pText->m_strCells1[1][1], CString(u"\u4e2d"));
    EXPECT_EQ(Doc().m_nCharSet1, 0);
    m_boxes.Clear();
    m_boxes.QueueAnswer(IDNO);
    Run([](CDialog& dlg) { SelectSet(dlg, IDC_MTS_CHARSET1, 1); }, {IDOK, IDCANCEL});
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("Some message contents will be removed.\nDo you want to continue?")));
    EXPECT_EQ(m_pText->m_strCells1[1][1], CString(u"\u4e2d"));
    EXPECT_FALSE(Doc().IsModified());
    // Only the scope time: no question.
    m_boxes.Clear();
    Run([](CDialog& dlg) { dlg.SetDlgItemText(IDC_MTS_SCOPE_TIME, _T("77")); });
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(Doc().m_nScopeTime, 77);
    EXPECT_TRUE(Doc().IsModified());
    // Sets and a filter from a file that the lists do not offer: an untouched OK keeps them, and
    // the scope time, and asks nothing.
    Doc().m_nCharSet1 = 7;
    Doc().m_nAiFilter = 9;
    Doc().SetModifiedFlag(FALSE);
    m_boxes.Clear();
    Run([](CDialog&) {});
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(Doc().m_nCharSet1, 7);
    EXPECT_EQ(Doc().m_nAiFilter, 9);
    EXPECT_EQ(m_pText->m_strCells1[1][1], CString(u"\u4e2d"));
    EXPECT_EQ(Doc().m_nScopeTime, 77);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(MessageTextPage, TheOlderPageKeepsSet2AndDropsElementsWithoutABlock)
{
    Doc().m_wHardwareCode = 0x4188;
    auto* pLoose = new CWidget(0, 0, 0, 0, RGB(128, 128, 128));
    pLoose->m_nLine = 2;
    pLoose->m_nColumn = 1;
    pLoose->m_nWidth = 4;
    pLoose->m_nKind = 0;
    m_pText->m_arrWidgets1[1].Add(pLoose);
    auto* pSet2 = new CWidget;
    m_pText->m_arrWidgets2[0].Add(pSet2);
    m_pText->m_strCells2[1][1] = _T("z");
    Edit([](CMessageTexts& page) { EXPECT_EQ(WidgetCount(page.m_grid), 0); }, IDOK);
    EXPECT_EQ(m_pText->m_arrWidgets1[1].GetSize(), 0);
    EXPECT_EQ(m_pText->m_arrWidgets2[0].GetSize(), 1);
    EXPECT_EQ(m_pText->m_strCells2[1][1], CString(_T("z")));
}

TEST_F(MessageTextPage, SpecialCharactersGoWhereACharacterMay)
{
    EditNew(
        [](CMessageTexts_New& page) {
            page.m_grid.SetFocusCell(CCellID(1, 1));
            page.ShowSpecialCharPalette();
            page.ShowSpecialCharPalette();
            EXPECT_TRUE(page.SpecialCharPaletteShown());
            page.CloseSpecialCharPalette(TCHAR(0x20AC));
            EXPECT_FALSE(page.SpecialCharPaletteShown());
            EXPECT_EQ(page.m_grid.GetItemText(1, 1), CString(TCHAR(0x20AC)));
            // Not under an element, nor on half of a Chinese character.
            page.m_grid.SetFocusCell(CCellID(1, 1));
            ASSERT_NE(page.PlaceGraph(0), nullptr);  // lines 1-4, columns 1-12
            page.m_grid.SetFocusCell(CCellID(2, 3));
            page.ShowSpecialCharPalette();
            page.CloseSpecialCharPalette(TCHAR(0x00B1));
            EXPECT_EQ(page.m_grid.GetItemText(2, 3), CString());
            TypeAt(page.m_grid, 4, 20, u"\u4e2d");
            page.m_grid.SetFocusCell(CCellID(4, 21));
            page.ShowSpecialCharPalette();
            page.CloseSpecialCharPalette(TCHAR(0x00B1));
            EXPECT_EQ(page.m_grid.GetItemText(4, 21), CString());
            EXPECT_EQ(page.m_grid.GetItemText(4, 20), CString(u"\u4e2d"));
        },
        IDOK);
}

TEST_F(MessageTextPage, TheGraphPickerAndTheIoStatusNameDialog)
{
    Block(BT_IN, 100, 100);
    CBlockObj* pSecondInput = Block(BT_IN, 100, 300);
    CString strAnd, strAmplifier;
    strAnd.Format(_T("B%04d"), Block(BT_AND, 300, 100)->m_nNumber - NUM_FUNCTION_BLOCK);
    strAmplifier.Format(_T("B%04d"), Block(BT_AAMP, 300, 300)->m_nNumber - NUM_FUNCTION_BLOCK);
    EditNew(
        [&](CMessageTexts_New& page) {
            m_onDialog = [](CDialog& dlg) {
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GRAPH_FIRST + 29, BN_CLICKED), 0);
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            };
            page.m_grid.SetFocusCell(CCellID(1, 13));
            page.OnInsertGraph();
            ASSERT_NE(page.m_grid.m_pSelectedWidget, nullptr);
            EXPECT_EQ(page.m_grid.m_pSelectedWidget->m_nOption, 29);
            EXPECT_EQ(page.m_grid.m_pSelectedWidget->m_nKind, WIDGET_KIND_GRAPH);
            // The second input, named by its number; the FALSE name typed over the preset.
            m_onDialog = [&](CDialog& dlg) {
                auto& iosn = static_cast<CIOSN&>(dlg);
                auto* pItems = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_IOSN_ITEM));
                // Function block outputs: the AND, not the analog amplifier.
                static_cast<CComboBox*>(dlg.GetDlgItem(IDC_IOSN_TYPE))->SetCurSel(5);
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_IOSN_TYPE, CBN_SELCHANGE), 0);
                EXPECT_GE(pItems->FindString(-1, strAnd), 0);
                EXPECT_EQ(pItems->FindString(-1, strAmplifier), CB_ERR);
                static_cast<CComboBox*>(dlg.GetDlgItem(IDC_IOSN_TYPE))->SetCurSel(0);
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_IOSN_TYPE, CBN_SELCHANGE), 0);
                EXPECT_EQ(pItems->GetCount(), 2);
                pItems->SetCurSel(1);
                TypeAt(iosn.m_grid, 1, 1, u"Lo");
                TypeAt(iosn.m_grid, 2, 1, u"\u4e2d");  // no Chinese in the name grid
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            };
            page.m_grid.SetFocusCell(CCellID(1, 1));
            page.OnInsertIOStatusName();
            const CWidget* pName = page.m_grid.m_pSelectedWidget;
            ASSERT_NE(pName, nullptr);
            EXPECT_EQ(pName->m_nKind, WIDGET_KIND_IOSTATUSNAME);
            EXPECT_EQ(pName->m_nBlockNumber, pSecondInput->m_nNumber);
            EXPECT_EQ(pName->m_nWidth, 8);
            EXPECT_EQ(pName->m_strNames[1][1] + pName->m_strNames[1][2] + pName->m_strNames[1][3], CString(_T("LoF")));
            EXPECT_EQ(pName->m_strNames[2][1] + pName->m_strNames[2][3], CString(_T("O ")));
        },
        IDOK);
}

// In a ladder program the I/O points are the operands of contacts and coils, while function
// blocks keep their own numbers: each function block output is listed by its number, and OK
// takes every entry the list shows.
TEST_F(MessageTextPage, InALadderProgramTheIoStatusNamesListFunctionBlocksByNumber)
{
    Doc().m_nDocType = DOC_TYPE_LAD;
    Block(BT_MAKE, 100, 100)->m_nOperand = NUM_INPUT + 33;
    CBlockObj* pAnd = Block(BT_AND, 300, 100);
    CString strAnd;
    strAnd.Format(_T("B%04d"), pAnd->m_nNumber - NUM_FUNCTION_BLOCK);
    const auto selectType = [](CDialog& dlg, int nIndex) {
        static_cast<CComboBox*>(dlg.GetDlgItem(IDC_IOSN_TYPE))->SetCurSel(nIndex);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_IOSN_TYPE, CBN_SELCHANGE), 0);
    };
    std::vector<CString> inputs;
    std::vector<CString> blocks;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        auto* pItems = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_IOSN_ITEM));
        const auto entries = [pItems] {
            std::vector<CString> texts(std::size_t(pItems->GetCount()));
            for (int i = 0; i < pItems->GetCount(); ++i)
                pItems->GetLBText(i, texts[std::size_t(i)]);
            return texts;
        };
        selectType(dlg, 0);
        inputs = entries();
        selectType(dlg, 5);
        blocks = entries();
        pItems->SetCurSel(pItems->FindString(-1, strAnd));
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    CIOSN dlg(&Doc());
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(inputs, std::vector<CString>{_T("I101")});
    ASSERT_FALSE(blocks.empty());
    for (const CString& strEntry : blocks) {
        SCOPED_TRACE(strEntry.ToUtf8());
        const CBlockObj* pBlock = Doc().FindBlockByNumber(IoNumberOfEntry(strEntry));
        ASSERT_NE(pBlock, nullptr);
        EXPECT_GE(pBlock->m_nNumber, NUM_FUNCTION_BLOCK);
    }
    EXPECT_NE(std::ranges::find_if(blocks, [&](const CString& s) { return s.Left(5) == strAnd; }), blocks.end());
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(dlg.m_nNumber, pAnd->m_nNumber);
}

CString EncoderEntry(const CBlockObj& encoder)
{
    CString str;
    str.Format(_T("B%d["), encoder.m_nNumber - NUM_FUNCTION_BLOCK);
    return str;
}

TEST_F(MessageTextPage, ElementsWithoutAWidthOrAnActualValueAreRefused)
{
    CBlockObj* pEncoder = Block(BT_ENCODER, 200, 400);
    EditNew(
        [&](CMessageTexts_New& page) {
            // An I/O point without a block in a diagram would have no width.
            page.m_grid.SetFocusCell(CCellID(1, 1));
            EXPECT_EQ(page.PlaceIOStatusName(133), nullptr);
            EXPECT_TRUE(Refused());
            EXPECT_EQ(WidgetCount(page.m_grid), 0);
            // The encoder has no actual value: its bar graph dialog refuses OK.
            m_onDialog = [&](CDialog& dlg) {
                auto* pBlocks = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_BG_BLOCK));
                const int nEncoder = pBlocks->FindString(-1, EncoderEntry(*pEncoder));
                ASSERT_GE(nEncoder, 0);
                pBlocks->SetCurSel(nEncoder);
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BG_BLOCK, CBN_SELCHANGE), 0);
                m_boxes.Clear();
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                EXPECT_EQ(m_boxes.Boxes().size(), 1u);
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            };
            page.OnInsertBarGraph(WIDGET_KIND_BARGRAPH);
            EXPECT_EQ(WidgetCount(page.m_grid), 0);
        },
        IDCANCEL);
}

// The simulation's sheet is modeless: Apply writes the edited message into the running block,
// and the acknowledgement starts over from the output as it stands.
TEST_F(MessageTextPage, InASimulationApplyWritesTheMessageIntoTheRunningBlock)
{
    m_pText->m_strCells1[1][1] = _T("S");
    StartSimulation();
    Properties(m_pText);
    CAllPropertySheet* pSheet = V().OpenSheets().Find(m_pText->m_nNumber);
    ASSERT_NE(pSheet, nullptr);
    auto* pPage = dynamic_cast<CMessageTexts*>(pSheet->m_pMainPage);
    ASSERT_NE(pPage, nullptr);
    EXPECT_EQ(pPage->m_grid.GetItemText(1, 1), CString(_T("S")));
    TypeAt(pPage->m_grid, 1, 2, u"x");
    InsertCounterParam(*pPage, 0, 2, 10);
    auto* pPriority = static_cast<CComboBox*>(pPage->GetDlgItem(IDC_MT_PRIORITY));
    pPriority->SetCurSel(pPriority->FindStringExact(-1, _T("3")));
    pPage->CheckDlgButton(IDC_MT_ACKNOWLEDGE, 1);
    pPage->CheckDlgButton(IDC_PROTECTION, 1);
    m_pText->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    const int nBefore = Snapshots();
    Press(*pSheet, ID_APPLY_NOW);
    ASSERT_EQ(V().OpenSheets().Find(m_pText->m_nNumber), pSheet);
    EXPECT_EQ(m_pText->m_strCells1[1][1] + m_pText->m_strCells1[1][2], CString(_T("Sx")));
    ASSERT_EQ(m_pText->m_arrWidgets1[1].GetSize(), 1);
    EXPECT_EQ(WidgetOf(m_pText->m_arrWidgets1[1], 0)->m_nBlockNumber, m_pCounter->m_nNumber);
    EXPECT_EQ(m_pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 3);
    EXPECT_TRUE(V().IsMsgTextSlotUsed(3));
    EXPECT_FALSE(V().IsMsgTextSlotUsed(0));
    EXPECT_EQ(m_pText->m_nParamEx[MSGTEXT_ACK_PARAMEX], 1);
    EXPECT_EQ(m_pText->m_bShown, 1);
    EXPECT_EQ(m_pText->m_nParam[BLOCK_PROTECTION_PARAM], 1);
    EXPECT_EQ(Snapshots(), nBefore + 1);
    // Acknowledgement off again: no longer counted as shown; OK writes and closes.
    pPage->CheckDlgButton(IDC_MT_ACKNOWLEDGE, 0);
    TypeAt(pPage->m_grid, 1, 3, u"y");
    Press(*pSheet, IDOK);
    EXPECT_EQ(V().OpenSheets().Find(m_pText->m_nNumber), nullptr);
    EXPECT_EQ(m_pText->m_bShown, 0);
    EXPECT_EQ(m_pText->m_strCells1[1][3], CString(_T("y")));
}

// A screen lower than the sheet would hide its buttons: they move to a column at its right.
TEST_F(MessageTextPage, OnALowScreenTheButtonsStandAtTheRightOfTheSheet)
{
    bool bSeen = false;
    CDialog::SetDialogHook([&bSeen](CDialog& dlg) {
        auto* pSheet = dynamic_cast<CAllPropertySheet*>(&dlg);
        if (!pSheet)
            return;
        bSeen = true;
        CRect rcBefore, rcClientBefore, rcOK;
        pSheet->GetWindowRect(rcBefore);
        pSheet->GetClientRect(rcClientBefore);
        pSheet->GetDlgItem(IDOK)->GetWindowRect(rcOK);
        pSheet->FitLowScreen(rcBefore.Height());
        CRect rcSame;
        pSheet->GetWindowRect(rcSame);
        EXPECT_EQ(rcSame, rcBefore) << "a screen as high as the sheet changes nothing";
        pSheet->FitLowScreen(rcBefore.Height() - 1);
        CRect rcAfter, rcClient;
        pSheet->GetWindowRect(rcAfter);
        pSheet->GetClientRect(rcClient);
        const int g = rcBefore.bottom - rcOK.bottom;
        EXPECT_EQ(rcAfter.Height(), rcOK.top - rcBefore.top);
        EXPECT_EQ(rcAfter.Width(), rcBefore.Width() + rcOK.Width() + g);
        int nTop = 0;
        for (int nID : {IDOK, IDCANCEL}) {
            CRect rc;
            pSheet->GetDlgItem(nID)->GetWindowRect(rc);
            pSheet->ScreenToClient(rc);
            EXPECT_EQ(rc.left, rcClientBefore.right) << nID;
            EXPECT_EQ(rc.Size(), rcOK.Size()) << nID;
            EXPECT_GT(rc.top, nTop) << nID;
            EXPECT_LE(rc.right, rcClient.right) << nID;
            EXPECT_LE(rc.bottom, rcClient.bottom) << nID;
            nTop = rc.bottom;
        }
        pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Properties(m_pText);
    EXPECT_TRUE(bSeen);
}

TEST_F(MessageTextPage, APriorityTakenByThePageIsNotGivenAgain)
{
    ASSERT_EQ(m_pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 0);
    Edit(
        [](CMessageTexts& page) {
            auto* pPriority = static_cast<CComboBox*>(page.GetDlgItem(IDC_MT_PRIORITY));
            pPriority->SetCurSel(pPriority->FindStringExact(-1, _T("1")));
        },
        IDOK);
    EXPECT_EQ(m_pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 1);
    CBlockObj* pSecond = Block(BT_MSGTEXT, 500, 500);
    EXPECT_EQ(pSecond->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 0);
}

TEST_F(MessageTextPage, DisablingTheShownSetShowsTheOtherAndEmptiesIt)
{
    EditNew(
        [this](CMessageTexts_New& page) {
            page.CheckDlgButton(IDC_MT_ENABLE_SET2, 1);
            page.OnEnableCharSet(1);
            TypeAt(page.m_grid, 1, 1, u"one");
            page.OnSelectCharSet(1);
            TypeAt(page.m_grid, 1, 1, u"two");
            page.CheckDlgButton(IDC_MT_LINE2, 1);
            page.m_grid.SetFocusCell(CCellID(3, 1));
            EXPECT_NE(page.PlaceScaleTime(m_pCounter->m_nNumber, 0), nullptr);
            m_boxes.QueueAnswer(IDYES);
            page.CheckDlgButton(IDC_MT_ENABLE_SET2, 0);
            page.OnEnableCharSet(1);
            EXPECT_EQ(page.GetShownCharSet(), 0);
            EXPECT_EQ(page.m_grid.GetItemText(1, 2), CString(_T("n")));
            EXPECT_FALSE(page.IsDlgButtonChecked(IDC_MT_LINE2));
            EXPECT_EQ(WidgetCount(page.m_grid), 0);
            EXPECT_FALSE(page.GetDlgItem(IDC_MT_SHOW_SET2)->IsWindowEnabled());
        },
        IDOK);
    EXPECT_EQ(m_pText->m_strCells2[1][1], CString());
    EXPECT_EQ(m_pText->m_strCells1[1][1], CString(_T("o")));
    EXPECT_EQ(m_pText->m_arrWidgets2[2].GetSize(), 0);
    EXPECT_EQ(m_pText->m_nMsgSettings[MTS_TICKER_LINE_FIRST + 2 * 1 + 1], 0);
    EXPECT_EQ(m_pText->m_nMsgSettings[MTS_CHARSET_SHOWN], 0);
}

TEST(MessageTextEntries, IoAndAnalogEntriesNameTheirNumbers)
{
    struct Case {
        LPCTSTR lpszEntry;
        int nNumber;
    };
    const Case io[] = {{_T("I101"), 133}, {_T("Q012"), 612},  {_T("M005"), 1321}, {_T("F2"), 1302},
                       {_T("S1.2"), 1018}, {_T("S1.10"), 1026}, {_T("S1.1"), 1017}, {_T("B0003[On Delay]"), 9003},
                       {_T("X1"), -1},     {_T("I"), -1},      {_T("S1"), -1}};
    for (const Case& c : io)
        EXPECT_EQ(IoNumberOfEntry(c.lpszEntry), c.nNumber) << c.nNumber;
    EXPECT_EQ(IoEntry(0, 133, nullptr), CString(_T("I101")));
    EXPECT_EQ(IoEntry(4, 1026, nullptr), CString(_T("S1.10")));
    EXPECT_EQ(AnalogInputEntry(4009), CString(_T("AI101")));
    EXPECT_EQ(AnalogInputNumber(_T("AI101")), 4009);
    EXPECT_EQ(AnalogFlagEntry(4290), CString(_T("AM002")));
    EXPECT_EQ(AnalogFlagNumber(_T("AM002")), 4290);
    EXPECT_EQ(AnalogInputNumber(_T("AM002")), -1);
}

// The item-selection dialog's language mode: the language already chosen closes without a
// word, the other one says when it takes effect and is handed back.
TEST_F(MessageTextPage, TheLanguageModeOffersBothLanguages)
{
    for (const int nPick : {0, 1}) {
        CAIFilterDlg dlg(nullptr);
        dlg.m_nMode = AIFILTER_MODE_LANGUAGE;
        CString strSecond;
        CDialog::SetDialogHook([&](CDialog& shown) {
            auto* pList = static_cast<CComboBox*>(shown.GetDlgItem(IDC_AIF_LIST));
            pList->GetLBText(1, strSecond);
            pList->SetCurSel(nPick);
            shown.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        const size_t nBoxes = m_boxes.Boxes().size();
        EXPECT_EQ(dlg.DoModal(), IDOK);
        CDialog::SetDialogHook(nullptr);
        EXPECT_EQ(strSecond, CString(_T("Simple Chinese")));
        EXPECT_EQ(dlg.m_nLanguageChoice, nPick);
        ASSERT_EQ(m_boxes.Boxes().size(), nBoxes + size_t(nPick));
        if (nPick == 1) {
            EXPECT_EQ(m_boxes.Boxes().back().text, CString(_T("Chages are not applied until restart of the progam.")));
        }
    }
}

// A page given another size moves its controls by the change of width; the older page's grid
// grows with it, the newer page's grid moves like the others.
TEST_F(MessageTextPage, AResizedPageMovesItsControls)
{
    for (const WORD wHardware : {WORD(0x5188), WORD(0x4188)}) {
        SCOPED_TRACE(wHardware);
        Doc().m_wHardwareCode = wHardware;
        Edit(
            [wHardware](CMessageTexts& page) {
                const auto placeOf = [&page](int nID) {
                    CRect rc;
                    page.GetDlgItem(nID)->GetWindowRect(rc);
                    page.ScreenToClient(rc);
                    return rc;
                };
                const CRect rcGrid = placeOf(IDC_MT_GRID);
                const CRect rcInsert = placeOf(IDC_MT_INSERT);
                CRect rcPage;
                page.GetClientRect(rcPage);
                page.MoveWindow(CRect(CPoint(), rcPage.Size() + CSize(40, 20)));
                EXPECT_EQ(placeOf(IDC_MT_INSERT), rcInsert + CPoint(40, 0));
                if (wHardware == 0x4188) {
                    EXPECT_EQ(placeOf(IDC_MT_GRID), CRect(rcGrid.TopLeft(), rcGrid.Size() + CSize(40, 20)));
                } else {
                    EXPECT_EQ(placeOf(IDC_MT_GRID), rcGrid + CPoint(40, 0));
                }
            },
            IDCANCEL);
    }
}

// The pages offer the blocks whose type carries a value a message text shows; the newer page
// leaves out the user-defined communication.
class ListsProbe : public CMessageTexts {
public:
    using CMessageTexts::CMessageTexts;
    using CMessageTexts::ListsBlock;
};
class ListsProbeNew : public CMessageTexts_New {
public:
    using CMessageTexts_New::CMessageTexts_New;
    using CMessageTexts_New::ListsBlock;
};

TEST(MessageTextBlocks, TheNewerPageLeavesOutTheUserDefinedCommunication)
{
    const ListsProbe older(BT_MSGTEXT);
    const ListsProbeNew newer(BT_MSGTEXT);
    const std::unique_ptr<CBlockObj> pUdc(CreateBlockForType(BT_UDC, nullptr, nullptr));
    const std::unique_ptr<CBlockObj> pCounter(CreateBlockForType(BT_COUNTER, nullptr, nullptr));
    EXPECT_TRUE(older.ListsBlock(*pUdc));
    EXPECT_FALSE(newer.ListsBlock(*pUdc));
    EXPECT_TRUE(newer.ListsBlock(*pCounter));
}

}  // namespace
