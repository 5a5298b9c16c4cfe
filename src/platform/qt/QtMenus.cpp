#include "platform/qt/QtMenus.h"

#include "platform/core/Document.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/gdi/Font.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/DrawItem.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuBarWnd.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/ToolBarGlyphs.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <algorithm>
#include <memory>

namespace {

constexpr const char* kMenuBarName = "qarvoMenuBar";

QString ToQString(const CString& str)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(str.GetString()), str.GetLength());
}

CString FromQString(const QString& str)
{
    return CString(std::u16string_view(reinterpret_cast<const char16_t*>(str.utf16()),
                                       std::size_t(str.size())));
}

// The menu's font as the drawing layer names it, selected into the context an owner draws with.
LOGFONT LogFontOf(const QFont& font)
{
    const QFontInfo info(font);
    LOGFONT logFont{};
    logFont.lfHeight = -info.pixelSize();
    logFont.lfWeight = font.weight();
    const QString family = info.family().left(LF_FACESIZE - 1);
    std::copy_n(family.utf16(), family.size(), logFont.lfFaceName);
    return logFont;
}

// An item its owner draws: the menu measures it as an item of its own with that caption and room
// for a picture, and the owner paints it through the drawing layer (WM_DRAWITEM), selected while
// it is the menu's current item, grayed while disabled. The mouse and the keys stay with the
// menu, which chooses the item as it chooses any other.
class OwnerDrawnItem : public QWidget {
public:
    OwnerDrawnItem(QAction* pAction, CWnd* pOwner, UINT nID, const QString& caption)
        : m_pAction(pAction), m_pOwner(pOwner), m_nID(nID), m_caption(caption)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    QSize sizeHint() const override
    {
        const QMenu* pMenu = Menu();
        QStyleOptionMenuItem option;
        option.initFrom(pMenu ? static_cast<const QWidget*>(pMenu) : this);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.text = m_caption;
        option.maxIconWidth = kToolGlyphWidth;
        QString label = m_caption.section(u'\t', 0, 0);
        label.remove(u'&');
        const QSize contents(option.fontMetrics.horizontalAdvance(label) +
                                 option.fontMetrics.horizontalAdvance(m_caption.section(u'\t', 1)),
                             std::max(option.fontMetrics.height(), kToolGlyphHeight));
        return style()->sizeFromContents(QStyle::CT_MenuItem, &option, contents, pMenu);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!IsWindow(m_pOwner))
            return;
        const QMenu* pMenu = Menu();
        QPainter painter(this);
        QPainterSurface surface(painter, SIZE{width(), height()}, GetDisplayDevice().caps);
        CDC dc;
        dc.AttachSurface(&surface);
        CFont font;
        const LOGFONT logFont = LogFontOf(this->font());
        font.CreateFontIndirect(&logFont);
        CFont* pOldFont = dc.SelectObject(&font);
        DRAWITEMSTRUCT item;
        item.itemID = m_nID;
        item.itemState = (pMenu && pMenu->activeAction() == m_pAction ? ODS_SELECTED : 0) |
                         (m_pAction->isEnabled() ? 0 : ODS_GRAYED);
        item.hDC = &dc;
        const QRect rectItem = ItemRect();
        item.rcItem = RECT{rectItem.left(), rectItem.top(), rectItem.right() + 1, rectItem.bottom() + 1};
        m_pOwner->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        dc.SelectObject(pOldFont);
        dc.AttachSurface(nullptr);
    }

private:
    // The menu shows the item in a widget of its own, a child of the menu.
    const QMenu* Menu() const { return qobject_cast<const QMenu*>(parentWidget()); }

    // The menu places the widget across its whole width, over the edge it draws around itself:
    // the edge stays the menu's. Styles that paint the edge with the panel give it no width, but
    // it is there.
    QRect ItemRect() const
    {
        const QMenu* pMenu = Menu();
        if (!pMenu)
            return rect();
        const int nEdge = std::max(pMenu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, pMenu), 1);
        const QRect rectInside = pMenu->rect().adjusted(nEdge, nEdge, -nEdge, -nEdge);
        return rect().intersected(rectInside.translated(-pos()));
    }

    QAction* m_pAction;
    CWnd* m_pOwner;
    UINT m_nID;
    QString m_caption;
};

QAction* AddOwnerDrawnItem(QMenu* pQMenu, const CMenu::Item& item, CWnd* pOwner)
{
    auto* pAction = new QWidgetAction(pQMenu);
    const QString caption = ToQString(item.strText);
    pAction->setText(caption);
    pAction->setDefaultWidget(new OwnerDrawnItem(pAction, pOwner, item.nID, caption));
    pQMenu->addAction(pAction);
    return pAction;
}

// Empties a menu bar or menu. Its clear deletes the actions but not the submenus that addMenu
// made as its children, which would pile up with every refill: they go first, with theirs.
template <class Menu>
void ClearMenu(Menu* pMenu)
{
    const QList<QAction*> actions = pMenu->actions();
    for (QAction* pAction : actions) {
        if (QMenu* pSub = pAction->menu(); pSub && pSub->parent() == pMenu)
            delete pSub;
    }
    pMenu->clear();
}

// Fills qMenu with the items of menu; pOwner brings the submenus' items up to date before they
// open and draws the items it owns. A chosen command is posted to pOwner when bPostCommands is
// set; else the caller reads it from the action that QMenu::exec returns. Submenus fill
// themselves each time they open.
void FillMenu(QMenu* pQMenu, CMenu& menu, CWnd* pOwner, bool bPostCommands)
{
    ClearMenu(pQMenu);
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        const CMenu::Item& item = menu.Items()[i];
        if (item.nFlags & MF_SEPARATOR) {
            pQMenu->addSeparator();
            continue;
        }
        if (item.pPopup) {
            QMenu* pSub = pQMenu->addMenu(ToQString(item.strText));
            CMenu* pPopup = item.pPopup.get();
            QObject::connect(pSub, &QMenu::aboutToShow, pSub, [pSub, pPopup, pOwner, bPostCommands, i] {
                if (IsWindow(pOwner))
                    pOwner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup), i);
                FillMenu(pSub, *pPopup, pOwner, bPostCommands);
            });
            FillMenu(pSub, *pPopup, pOwner, bPostCommands);
            pSub->setEnabled(!(item.nFlags & (MF_GRAYED | MF_DISABLED)));
            continue;
        }
        QAction* pAction = (item.nFlags & MF_OWNERDRAW) ? AddOwnerDrawnItem(pQMenu, item, pOwner)
                                                        : pQMenu->addAction(ToQString(item.strText));
        pAction->setEnabled(!(item.nFlags & (MF_GRAYED | MF_DISABLED)));
        pAction->setCheckable((item.nFlags & MF_CHECKED) != 0);
        pAction->setChecked((item.nFlags & MF_CHECKED) != 0);
        pAction->setData(item.nID);
        if (!bPostCommands)
            continue;
        const UINT nID = item.nID;
        QObject::connect(pAction, &QAction::triggered, pAction, [pOwner, nID] {
            if (IsWindow(pOwner))
                pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(nID), 0), 0);
        });
    }
}

void ShowMenuBar(CMenuBarWnd& bar)
{
    QWidget* pHost = QtWidgetOf(bar);
    if (!pHost)
        return;
    if (QApplication::activePopupWidget()) {
        // A menu is open: rebuilding now would delete it under the user. Try again once it
        // has closed (the timer dies with the strip's widget).
        CMenuBarWnd* pBar = &bar;
        QTimer::singleShot(100, pHost, [pBar] { ShowMenuBar(*pBar); });
        return;
    }
    auto* pMenuBar = pHost->findChild<QMenuBar*>(kMenuBarName, Qt::FindDirectChildrenOnly);
    if (!pMenuBar) {
        pMenuBar = new QMenuBar(pHost);
        pMenuBar->setObjectName(kMenuBarName);
        // The bar belongs in the strip of its frame; a desktop's global menu would take it away
        // from the window.
        pMenuBar->setNativeMenuBar(false);
        auto* pLayout = new QVBoxLayout(pHost);
        pLayout->setContentsMargins(0, 0, 0, 0);
        pLayout->addWidget(pMenuBar);
    }
    ClearMenu(pMenuBar);
    CMenu* pMenu = bar.GetMenu();
    CWnd* pFrame = bar.GetParent();
    if (!pMenu)
        return;
    for (UINT i = 0; i < pMenu->GetMenuItemCount(); ++i) {
        const CMenu::Item& item = pMenu->Items()[i];
        if (!item.pPopup) {
            const UINT nID = item.nID;
            QAction* pAction = pMenuBar->addAction(ToQString(item.strText));
            QObject::connect(pAction, &QAction::triggered, pAction, [pFrame, nID] {
                if (IsWindow(pFrame))
                    pFrame->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(nID), 0), 0);
            });
            continue;
        }
        QMenu* pQMenu = pMenuBar->addMenu(ToQString(item.strText));
        CMenu* pPopup = item.pPopup.get();
        QObject::connect(pQMenu, &QMenu::aboutToShow, pQMenu, [pQMenu, pPopup, pFrame, i] {
            if (IsWindow(pFrame))
                pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup), i);
            FillMenu(pQMenu, *pPopup, pFrame, true);
        });
        FillMenu(pQMenu, *pPopup, pFrame, true);
    }
    bar.SetBarHeight(pMenuBar->sizeHint().height());
}

// The chosen command is returned, not posted: TrackPopupMenu decides where it goes.
UINT TrackPopup(CMenu& menu, UINT, CPoint ptScreen, CWnd* pOwner)
{
    QMenu qMenu;
    FillMenu(&qMenu, menu, pOwner, false);
    QAction* pChosen = qMenu.exec(QPoint(ptScreen.x, ptScreen.y));
    return pChosen ? pChosen->data().toUInt() : 0;
}

// The folder a file dialog opens in: the one the user last chose a file in, else their
// documents folder, else their home; never the folder the program was started from.
QString& LastDialogFolder()
{
    static QString s_strFolder;
    return s_strFolder;
}

QString StartFolder(const CString& strInitialDir)
{
    if (!strInitialDir.IsEmpty())
        return ToQString(strInitialDir);
    if (!LastDialogFolder().isEmpty() && QDir(LastDialogFolder()).exists())
        return LastDialogFolder();
    const QString strDocuments = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !strDocuments.isEmpty() && QDir(strDocuments).exists() ? strDocuments : QDir::homePath();
}

BOOL RunFileDialog(FileDialogRequest& request)
{
    QFileDialog dialog(request.pOwner ? QtWidgetOf(*request.pOwner) : nullptr,
                       ToQString(request.strTitle), StartFolder(request.strInitialDir),
                       QtFileFilter(request.strFilter));
    dialog.setAcceptMode(request.bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(!request.bOpenFileDialog                      ? QFileDialog::AnyFile
                       : (request.dwFlags & OFN_ALLOWMULTISELECT) ? QFileDialog::ExistingFiles
                                                                    : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(ToQString(request.strDefExt));
    // Qt asks before overwriting unless told not to; the layer's flag decides.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.dwFlags & OFN_OVERWRITEPROMPT));
    if (!request.strFileName.IsEmpty())
        dialog.selectFile(ToQString(request.strFileName));
    if (dialog.exec() != QDialog::Accepted)
        return FALSE;
    request.fileNames.clear();
    for (const QString& file : dialog.selectedFiles())
        request.fileNames.push_back(FromQString(file));
    request.strFileName = request.fileNames.empty() ? CString() : request.fileNames.front();
    if (!request.fileNames.empty())
        LastDialogFolder() = QFileInfo(ToQString(request.strFileName)).absolutePath();
    const QStringList filters = dialog.nameFilters();
    request.nFilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return !request.fileNames.empty();
}

COLORREF ColorRefOf(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

// What the program draws into a menu itself takes the colours that Qt's style paints the menus
// with: the background and the selected item's as a menu drawn off screen shows them, the texts'
// from the menus' palette.
void TakeMenuColours()
{
    QMenu probe;
    QAction* pAction = probe.addAction(QStringLiteral("M"));
    probe.resize(probe.sizeHint());
    const QRect rectItem = probe.actionGeometry(pAction);
    const QPoint ptBlank(rectItem.right() - rectItem.width() / 4, rectItem.center().y());
    const auto colourAtBlank = [&probe, ptBlank] {
        QImage image(probe.size(), QImage::Format_RGB32);
        probe.render(&image);
        return ColorRefOf(image.pixel(ptBlank));
    };
    AfxSetSysColor(COLOR_MENU, colourAtBlank());
    probe.setActiveAction(pAction);
    AfxSetSysColor(COLOR_HIGHLIGHT, colourAtBlank());
    const QPalette palette = probe.palette();
    AfxSetSysColor(COLOR_WINDOW, ColorRefOf(palette.color(QPalette::Base).rgb()));
    AfxSetSysColor(COLOR_WINDOWTEXT, ColorRefOf(palette.color(QPalette::Text).rgb()));
    AfxSetSysColor(COLOR_HIGHLIGHTTEXT, ColorRefOf(palette.color(QPalette::HighlightedText).rgb()));
    AfxSetSysColor(COLOR_GRAYTEXT, ColorRefOf(palette.color(QPalette::Disabled, QPalette::Text).rgb()));
}

// When the desktop's colours change, the layer's system colours follow and every window hears
// of it, as the windows that took their colours from them at their creation expect.
class CSystemColourWatch : public QObject {
public:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pObject == qApp && pEvent->type() == QEvent::ApplicationPaletteChange) {
            TakeMenuColours();
            for (CWnd* pWnd : CWnd::GetTopLevelWindows()) {
                pWnd->SendMessage(WM_SYSCOLORCHANGE);
                pWnd->SendMessageToDescendants(WM_SYSCOLORCHANGE);
            }
        }
        return false;
    }
};

std::unique_ptr<CSystemColourWatch>& SystemColourWatch()
{
    static std::unique_ptr<CSystemColourWatch> s_pWatch;
    return s_pWatch;
}

}  // namespace

// "Name|*.a;*.b|" pairs become Qt's "Name (*.a *.b)" lines. A name that shows its patterns
// already ("Files (*.dfb)", "Files(*.dfb, *.dld)") loses them first: Qt reads the patterns from
// the last parentheses and would show them twice.
QString QtFileFilter(const CString& strFilter)
{
    QStringList lines;
    for (const auto& [name, patterns] : AfxParseFileFilter(strFilter)) {
        QString qName = ToQString(name).trimmed();
        if (const qsizetype nOpen = qName.lastIndexOf(u'('); nOpen > 0 && qName.endsWith(u')'))
            qName = qName.left(nOpen).trimmed();
        QString qPatterns = ToQString(patterns);
        qPatterns.replace(u';', u' ');
        lines << qName + QStringLiteral(" (") + qPatterns.simplified() + u')';
    }
    return lines.join(QStringLiteral(";;"));
}

QMenuBar* QtMenuBarOf(const CMenuBarWnd& bar)
{
    QWidget* pHost = QtWidgetOf(bar);
    return pHost ? pHost->findChild<QMenuBar*>(kMenuBarName, Qt::FindDirectChildrenOnly) : nullptr;
}

void InitQtMenus()
{
    TakeMenuColours();
    SystemColourWatch() = std::make_unique<CSystemColourWatch>();
    qApp->installEventFilter(SystemColourWatch().get());
    AfxSetMenuBarHandler(ShowMenuBar);
    AfxSetTrackPopupMenuHandler(TrackPopup);
    AfxSetFileDialogHandler(RunFileDialog);
}

void ShutdownQtMenus()
{
    SystemColourWatch().reset();
    AfxSetMenuBarHandler(nullptr);
    AfxSetTrackPopupMenuHandler(nullptr);
    AfxSetFileDialogHandler(nullptr);
}
