// The list, tree and range controls under the offscreen platform: real widgets that show the
// controls' state, and Qt input that reaches the controls as the user's.
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/WinThread.h"
#include "support/QtTestInput.h"

#include <QDateTimeEdit>
#include <QImage>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CRecordingParent : public CWnd {
public:
    std::vector<std::string> m_events;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        const auto* pList = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (pHdr->code == UINT(NM_CLICK))
            m_events.push_back("click:" + std::to_string(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem));
        else if (pHdr->code == LVN_ITEMCHANGED)
            m_events.push_back("changed:" + std::to_string(pList->iItem) + ":" +
                               std::to_string(pList->uNewState));
        else if (pHdr->code == TVN_SELCHANGED)
            m_events.push_back("tree:" + std::to_string(reinterpret_cast<const NMTREEVIEW*>(lParam)->itemNew.lParam));
        else if (pHdr->code == DTN_DATETIMECHANGE)
            m_events.push_back("datetime");
        *pResult = 0;
        return TRUE;
    }
};

class QtListTreeTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        InitQtDialogServices();
        ASSERT_TRUE(m_parent.CreateEx(0, _T("Parent"), _T("controls"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      CRect(0, 0, 400, 300), nullptr, 0));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        ShutdownQtDialogServices();
        CMessageQueue::Get().Reset();
    }

    CWinThread m_thread;
    CRecordingParent m_parent;
};

TEST_F(QtListTreeTest, ClickOnAListRowSelectsItAndNotifies)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(10, 10, 210, 80), &m_parent, 50));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, _T("Save"), LVCFMT_LEFT, 60);
    list.InsertColumn(1, _T("File Name"), LVCFMT_LEFT, 120);
    for (int i = 0; i < 6; ++i)
        list.SetItemText(list.InsertItem(i, _T("row")), 1, _T("name"));
    auto* pPeer = qobject_cast<QtPeerWidget*>(QtWidgetOf(list));
    ASSERT_NE(pPeer, nullptr);
    EXPECT_TRUE(pPeer->isVisible());
    // Six rows do not fit in three: the real scroll bar shows.
    auto* pBar = pPeer->findChild<QScrollBar*>();
    ASSERT_NE(pBar, nullptr);
    EXPECT_TRUE(pBar->isVisible());
    EXPECT_EQ(pBar->maximum(), 6 - list.GetCountPerPage());

    m_parent.m_events.clear();
    const QPoint rowOne = pPeer->ClientRect().topLeft() +
                          QPoint(100, CHeaderCtrl::kDefaultHeight + CListCtrl::kRowHeight + 5);
    QtClick(pPeer, rowOne);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(m_parent.m_events, (std::vector<std::string>{"changed:1:3", "click:1"}));

    // The row is painted selected: the highlight fills it.
    const QImage image = pPeer->grab().toImage();
    const QColor colour = image.pixelColor(rowOne + QPoint(30, 0));
    EXPECT_EQ(colour, QColor(GetRValue(CListCtrl::kHighlightColour), GetGValue(CListCtrl::kHighlightColour),
                             GetBValue(CListCtrl::kHighlightColour)));

    // Moving the scroll bar moves the rows under the mouse.
    pBar->setValue(2);
    EXPECT_EQ(list.GetTopIndex(), 2);
    QtClick(pPeer, rowOne);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 3);
    list.DestroyWindow();
}

TEST_F(QtListTreeTest, AListBoxShowsItsStringsThroughEveryChange)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | WS_VSCROLL, CRect(10, 10, 150, 60), &m_parent, 70));
    auto* pWidget = QtWidgetOf(list)->findChild<QListWidget*>();
    ASSERT_NE(pWidget, nullptr);
    const auto rows = [pWidget] {
        std::vector<std::string> texts;
        for (int i = 0; i < pWidget->count(); ++i)
            texts.push_back(pWidget->item(i)->text().toStdString());
        return texts;
    };
    for (LPCTSTR psz : {_T("B1"), _T("B2"), _T("B3"), _T("B4")})
        list.AddString(psz);
    EXPECT_EQ(rows(), (std::vector<std::string>{"B1", "B2", "B3", "B4"}));
    list.InsertString(1, _T("B9"));
    list.DeleteString(3);
    EXPECT_EQ(rows(), (std::vector<std::string>{"B1", "B9", "B2", "B4"}));
    list.ResetContent();
    list.AddString(_T("B5"));
    EXPECT_EQ(rows(), (std::vector<std::string>{"B5"}));
    // The top index and the selection show as well.
    for (int i = 0; i < 20; ++i)
        list.AddString(_T("B6"));
    list.SetCurSel(14);
    list.SetTopIndex(5);
    EXPECT_EQ(pWidget->currentRow(), 14);
    EXPECT_EQ(pWidget->indexAt(QPoint(2, 2)).row(), 5);
    list.DestroyWindow();
}

TEST_F(QtListTreeTest, TreeShowsItsItemsAndTheUsersChoiceNotifies)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(10, 10, 200, 200), &m_parent, 60));
    HTREEITEM hFamily = tree.InsertItem(_T("3X Series"));
    tree.SetItemData(hFamily, 0);
    HTREEITEM hLine = tree.InsertItem(_T("B1.XX"), hFamily);
    tree.SetItemData(hLine, 1);
    auto* pWidget = QtWidgetOf(tree)->findChild<QTreeWidget*>();
    ASSERT_NE(pWidget, nullptr);
    EXPECT_TRUE(pWidget->isVisible());
    ASSERT_EQ(pWidget->topLevelItemCount(), 1);
    EXPECT_EQ(pWidget->topLevelItem(0)->text(0), QStringLiteral("3X Series"));
    EXPECT_EQ(pWidget->topLevelItem(0)->child(0)->text(0), QStringLiteral("B1.XX"));

    // The program's selection opens the family and shows as the current item.
    tree.SelectItem(hLine);
    EXPECT_TRUE(pWidget->topLevelItem(0)->isExpanded());
    EXPECT_EQ(pWidget->currentItem()->text(0), QStringLiteral("B1.XX"));
    m_parent.m_events.clear();
    pWidget->setCurrentItem(pWidget->topLevelItem(0));
    EXPECT_EQ(tree.GetSelectedItem(), hFamily);
    EXPECT_EQ(m_parent.m_events, (std::vector<std::string>{"tree:0"}));
    tree.DestroyWindow();
}

TEST_F(QtListTreeTest, ProgressAndDateTimeShowTheirState)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(10, 10, 200, 30), &m_parent, 70));
    progress.SetPos(40);
    auto* pBar = QtWidgetOf(progress)->findChild<QProgressBar*>();
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->value(), 40);

    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_VISIBLE, CRect(10, 40, 200, 60), &m_parent, 71));
    SYSTEMTIME st = {2024, 3, 0, 15, 0, 0, 0, 0};
    picker.SetTime(&st);
    auto* pEdit = QtWidgetOf(picker)->findChild<QDateTimeEdit*>();
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->date(), QDate(2024, 3, 15));
    m_parent.m_events.clear();
    pEdit->setDate(QDate(2024, 4, 1));
    SYSTEMTIME read = {};
    picker.GetTime(&read);
    EXPECT_EQ(read.wMonth, 4);
    EXPECT_EQ(m_parent.m_events, (std::vector<std::string>{"datetime"}));
    progress.DestroyWindow();
    picker.DestroyWindow();
}

}  // namespace
