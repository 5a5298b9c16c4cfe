// A popup menu with items their owner draws, on Qt's offscreen platform: the owner paints each
// such item through the drawing layer, told whether it is selected or grayed, and the menu still
// takes the keys and the mouse and returns the chosen item. The owner's colours are the menu's.
#include "platform/gdi/DC.h"
#include "platform/qt/QtMenus.h"
#include "platform/ui/DrawItem.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestInput.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

constexpr UINT ID_PLAIN = 41101;
constexpr UINT ID_DRAWN = 41102;
constexpr UINT ID_DRAWN_OFF = 41103;
constexpr UINT ID_LAST = 41104;

constexpr COLORREF kSelectedFill = RGB(200, 0, 0);
constexpr COLORREF kPlainFill = RGB(0, 200, 0);
constexpr COLORREF kGrayedFill = RGB(0, 0, 200);

// Fills each item it draws with a colour that tells its state, and keeps the last state of each.
class COwnerWnd : public CWnd {
public:
    std::map<UINT, UINT> m_states;

protected:
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pItem)
    {
        EXPECT_EQ(nIDCtl, 0);
        EXPECT_EQ(pItem->CtlType, ODT_MENU);
        m_states[pItem->itemID] = pItem->itemState;
        const COLORREF crFill = (pItem->itemState & ODS_GRAYED)     ? kGrayedFill
                                : (pItem->itemState & ODS_SELECTED) ? kSelectedFill
                                                                    : kPlainFill;
        pItem->hDC->FillSolidRect(&pItem->rcItem, crFill);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

// Counts the system colour changes it hears of.
class CColourListener : public CWnd {
public:
    int m_nChanges = 0;

protected:
    void OnSysColorChange() override { ++m_nChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourListener, CWnd)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

QColor QColorOf(COLORREF cr) { return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)); }

class QtOwnerDrawnMenuTest : public QtMenusSuite {
protected:
    void SetUp() override
    {
        CMessageQueue::Get().Reset();
        ASSERT_TRUE(m_owner.Create(nullptr, u"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200),
                                   nullptr, 0));
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        m_menu.AppendMenu(MF_STRING, ID_PLAIN, _T("Plain"));
        m_menu.AppendMenu(MF_OWNERDRAW, ID_DRAWN, _T("&Drawn\tCtrl+D"));
        m_menu.AppendMenu(MF_OWNERDRAW | MF_GRAYED, ID_DRAWN_OFF, _T("Drawn off"));
        m_menu.AppendMenu(MF_STRING, ID_LAST, _T("Last"));
    }
    void TearDown() override { m_owner.DestroyWindow(); }

    // Opens the popup for the owner and runs user while it is open; the command chosen.
    UINT Track(const std::function<void(QMenu&)>& user)
    {
        QTimer::singleShot(0, [&user] {
            auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            EXPECT_NE(pMenu, nullptr);
            if (pMenu)
                user(*pMenu);
            // A menu the user left open is closed, so that the test goes on.
            if (QApplication::activePopupWidget())
                QApplication::activePopupWidget()->close();
        });
        return UINT(m_menu.TrackPopupMenu(TPM_RETURNCMD, 20, 20, &m_owner));
    }

    static QRect ItemRect(QMenu& menu, UINT nID)
    {
        for (QAction* pAction : menu.actions()) {
            if (pAction->data().toUInt() == nID)
                return menu.actionGeometry(pAction);
        }
        ADD_FAILURE() << "no item " << nID;
        return QRect();
    }

    static QColor ColourOfItem(QMenu& menu, UINT nID)
    {
        const QRect rect = ItemRect(menu, nID);
        return menu.grab().toImage().pixelColor(rect.center());
    }
    // Where an item the menu draws itself shows nothing but its background.
    static QColor BackgroundOfItem(QMenu& menu, UINT nID)
    {
        const QRect rect = ItemRect(menu, nID);
        return menu.grab().toImage().pixelColor(rect.right() - rect.width() / 4, rect.center().y());
    }
    static void Key(QMenu& menu, Qt::Key key) { QtType(&menu, key, QString()); }

    COwnerWnd m_owner;
    CMenu m_menu;
};

}  // namespace

TEST_F(QtOwnerDrawnMenuTest, TheOwnerDrawsItsItemsSelectedAsTheKeysMoveAndEnterChoosesOne)
{
    const UINT nChosen = Track([this](QMenu& menu) {
        EXPECT_EQ(ColourOfItem(menu, ID_DRAWN), QColorOf(kPlainFill));
        EXPECT_EQ(ColourOfItem(menu, ID_DRAWN_OFF), QColorOf(kGrayedFill));
        EXPECT_EQ(m_owner.m_states[ID_DRAWN_OFF], ODS_GRAYED);
        // The items the menu draws itself are not the owner's.
        EXPECT_FALSE(m_owner.m_states.contains(ID_PLAIN));
        // The owner draws with the colours the menu has.
        EXPECT_EQ(BackgroundOfItem(menu, ID_PLAIN), QColorOf(GetSysColor(COLOR_MENU)));
        Key(menu, Qt::Key_Down);
        EXPECT_EQ(BackgroundOfItem(menu, ID_PLAIN), QColorOf(GetSysColor(COLOR_HIGHLIGHT)));
        Key(menu, Qt::Key_Down);
        EXPECT_EQ(ColourOfItem(menu, ID_DRAWN), QColorOf(kSelectedFill));
        EXPECT_EQ(m_owner.m_states[ID_DRAWN], ODS_SELECTED);
        // The grayed item is passed over, as the menu passes over its own disabled items.
        Key(menu, Qt::Key_Down);
        EXPECT_EQ(ColourOfItem(menu, ID_DRAWN), QColorOf(kPlainFill));
        EXPECT_EQ(menu.activeAction()->data().toUInt(), ID_LAST);
        Key(menu, Qt::Key_Up);
        Key(menu, Qt::Key_Return);
    });
    EXPECT_EQ(nChosen, ID_DRAWN);
}

TEST_F(QtOwnerDrawnMenuTest, AClickOnAnItemTheOwnerDrawsChoosesIt)
{
    const UINT nChosen = Track([](QMenu& menu) {
        const QPoint point = ItemRect(menu, ID_DRAWN).center();
        // Delivered where Qt delivers a click at that point.
        QWidget* pTarget = menu.childAt(point) ? menu.childAt(point) : &menu;
        QtClick(pTarget, pTarget->mapFrom(&menu, point));
    });
    EXPECT_EQ(nChosen, ID_DRAWN);
}

TEST_F(QtOwnerDrawnMenuTest, ANewDesktopPaletteChangesTheSystemColoursAndEveryWindowHearsOfIt)
{
    CColourListener child;
    ASSERT_TRUE(child.Create(nullptr, u"child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_owner, 1));
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Base, QColor(12, 34, 56));
    QApplication::setPalette(changed);
    QApplication::processEvents();
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(12, 34, 56));
    EXPECT_EQ(child.m_nChanges, 1);
    QApplication::setPalette(original);
    QApplication::processEvents();
    EXPECT_NE(GetSysColor(COLOR_WINDOW), RGB(12, 34, 56));
    child.DestroyWindow();
}
