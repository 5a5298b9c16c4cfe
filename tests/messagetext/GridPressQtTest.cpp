// Presses on a grid as Qt delivers them, around double-width characters.
#include "GridTestSupport.h"

#include "controls/GridCtrl.h"
#include "controls/WidePairs.h"
#include "platform/ui/Cursor.h"
#include "support/QtTestInput.h"

#include <QInputMethodEvent>

namespace {

using GridPressQtTest = QtControlsSuite;

// A left press and release in the middle of a cell, with the modifiers held.
void QtPressCell(CGridCtrl& grid, int nRow, int nCol, Qt::KeyboardModifiers modifiers)
{
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(nRow, nCol, rect));
    QWidget* pWidget = QtWidgetOf(grid);
    const QPointF point(rect.CenterPoint().x, rect.CenterPoint().y);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, pWidget->mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, modifiers);
        QApplication::sendEvent(pWidget, &event);
    }
}

// Whichever half of a character the press lands on, with or without Shift, the focus takes the
// left half and the selection holds both.
TEST_F(GridPressQtTest, APressOnARightHalfFocusesItsLeftHalf)
{
    CGridCtrl grid(2, 10, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(5, 5, 290, 100), &m_top, 1002));
    grid.SetItemText(1, 5, _T("\x4E2D"));
    ASSERT_TRUE(WidePairs::Join(grid, 1, 5));
    const struct {
        int nStart;
        int nPressed;
        Qt::KeyboardModifiers modifiers;
        CCellRange selected;
    } cases[] = {
        {2, 6, Qt::ShiftModifier, CCellRange(1, 2, 1, 6)},
        {2, 6, Qt::NoModifier, CCellRange(1, 5, 1, 6)},
        {8, 6, Qt::ShiftModifier, CCellRange(1, 5, 1, 8)},
    };
    for (const auto& c : cases) {
        QtPressCell(grid, 1, c.nStart, Qt::NoModifier);
        QtPressCell(grid, 1, c.nPressed, c.modifiers);
        EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 5)) << c.nStart;
        EXPECT_EQ(grid.GetSelectedCellRange(), c.selected) << c.nStart;
    }
    grid.DestroyWindow();
}

// Shift and a press on the right half of the selected character: the focus stays on its left
// half, so that what is typed next takes the character as a whole. A Chinese character replaces
// the pair, a letter passes over it; the character after it stays either way.
TEST_F(GridPressQtTest, AShiftPressOnASelectedRightHalfTypesOverTheWholeCharacter)
{
    CVetlaDoc doc;
    doc.m_wHardwareCode = 0x5188;
    CTestGridHost host;
    host.m_pDoc = &doc;
    ASSERT_TRUE(host.Create(nullptr, u"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 290, 190), &m_top, 1));
    const auto typeLetter = [](QWidget* pWidget) { QtType(pWidget, Qt::Key_A, QStringLiteral("a")); };
    const auto typeChinese = [](QWidget* pWidget) {
        QInputMethodEvent committed;
        committed.setCommitString(QString(QChar(kChinese2)));
        QApplication::sendEvent(pWidget, &committed);
    };
    const struct {
        void (*type)(QWidget*);
        WCHAR chPair;
    } cases[] = {{typeLetter, kChinese}, {typeChinese, kChinese2}};
    for (const auto& c : cases) {
        CLcdCanvas grid(2, 10, 1, 1);
        ASSERT_TRUE(grid.Create(CRect(5, 5, 290, 100), &host, 1002));
        grid.SetItemText(1, 5, CString(kChinese));
        ASSERT_TRUE(WidePairs::Join(grid, 1, 5));
        grid.SetItemText(1, 7, _T("x"));
        QtPressCell(grid, 1, 6, Qt::NoModifier);
        QtPressCell(grid, 1, 6, Qt::ShiftModifier);
        EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 5)) << int(c.chPair);
        c.type(QtWidgetOf(grid));
        EXPECT_EQ(grid.GetItemText(1, 5), CString(c.chPair));
        EXPECT_EQ(grid.GetItemText(1, 7), CString(_T("x")));
        EXPECT_EQ(BrokenPair(grid), "");
        EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 7));
        grid.DestroyWindow();
    }
    host.DestroyWindow();
}

// A cell class that notes whether the wait cursor shows while its text is read.
class CWaitWatchCell : public CGridCell {
    DECLARE_DYNCREATE(CWaitWatchCell)

public:
    CString GetText() const override
    {
        s_bSawWait = s_bSawWait || ::GetCursor() == AfxLoadStandardCursor(IDC_WAIT);
        return CGridCell::GetText();
    }
    static inline bool s_bSawWait = false;
};
IMPLEMENT_DYNCREATE(CWaitWatchCell, CGridCell)

// A click on a column's header sorts the rows by it, with the wait cursor up while it sorts.
TEST_F(GridPressQtTest, AHeaderClickSortsUnderTheWaitCursor)
{
    CGridCtrl grid(0, 2);
    ASSERT_TRUE(grid.SetDefaultCellType(RUNTIME_CLASS(CWaitWatchCell)));
    grid.SetRowCount(4);
    grid.SetFixedRowCount(1);
    ASSERT_TRUE(grid.Create(CRect(5, 5, 290, 150), &m_top, 1003));
    grid.SetHeaderSort(TRUE);
    for (int r = 1; r <= 3; ++r)
        grid.SetItemText(r, 1, CString(TCHAR('d' - r)));
    ::SetCursor(AfxLoadStandardCursor(IDC_ARROW));
    CWaitWatchCell::s_bSawWait = false;
    QtPressCell(grid, 0, 1, Qt::NoModifier);
    EXPECT_EQ(grid.GetItemText(1, 1), CString(_T("a")));
    EXPECT_TRUE(CWaitWatchCell::s_bSawWait);
    grid.DestroyWindow();
}

}  // namespace
