#include "platform/qt/QtMenus.h"

#include "platform/core/Document.h"
#include "platform/qt/OffscreenImage.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuBarWnd.h"
#include "platform/ui/ToolBarGlyphs.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStandardPaths>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

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

// An item its owner draws (the diagram's Cut, Copy, Paste and Delete) shows the picture of its
// toolbar command beside its caption; Qt menus draw their items themselves.
QIcon OwnerDrawnIcon(UINT nID)
{
    if (!HasStockToolGlyph(nID))
        return QIcon();
    COffscreenImage image(kToolGlyphWidth, kToolGlyphHeight);
    DrawStockToolGlyph(image.GetDC(), nID, CPoint(0, 0), true);
    QImage icon(image.Width(), image.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const COLORREF cr = image.GetPixel(x, y);
            // The glyphs are drawn on white: the white around them lets the menu show through.
            icon.setPixel(x, y, cr == RGB(255, 255, 255) ? 0 : qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr)));
        }
    }
    return QIcon(QPixmap::fromImage(icon));
}

// Fills qMenu with the items of menu; a chosen command is posted to pOwner. Submenus fill
// themselves each time they open, after the owner has brought their items up to date.
void FillMenu(QMenu* pQMenu, CMenu& menu, CWnd* pOwner)
{
    pQMenu->clear();
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        const CMenu::Item& item = menu.Items()[i];
        if (item.nFlags & MF_SEPARATOR) {
            pQMenu->addSeparator();
            continue;
        }
        if (item.pPopup) {
            QMenu* pSub = pQMenu->addMenu(ToQString(item.strText));
            CMenu* pPopup = item.pPopup.get();
            QObject::connect(pSub, &QMenu::aboutToShow, pSub, [pSub, pPopup, pOwner, i] {
                if (IsWindow(pOwner))
                    pOwner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup), i);
                FillMenu(pSub, *pPopup, pOwner);
            });
            FillMenu(pSub, *pPopup, pOwner);
            pSub->setEnabled(!(item.nFlags & (MF_GRAYED | MF_DISABLED)));
            continue;
        }
        QAction* pAction = pQMenu->addAction(ToQString(item.strText));
        pAction->setEnabled(!(item.nFlags & (MF_GRAYED | MF_DISABLED)));
        pAction->setCheckable((item.nFlags & MF_CHECKED) != 0);
        pAction->setChecked((item.nFlags & MF_CHECKED) != 0);
        pAction->setData(item.nID);
        if (item.nFlags & MF_OWNERDRAW)
            pAction->setIcon(OwnerDrawnIcon(item.nID));
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
    pMenuBar->clear();
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
            FillMenu(pQMenu, *pPopup, pFrame);
        });
        FillMenu(pQMenu, *pPopup, pFrame);
    }
    bar.SetBarHeight(pMenuBar->sizeHint().height());
}

// The chosen command is returned, not posted: TrackPopupMenu decides where it goes.
UINT TrackPopup(CMenu& menu, UINT, CPoint ptScreen, CWnd*)
{
    QMenu qMenu;
    FillMenu(&qMenu, menu, nullptr);
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
    AfxSetMenuBarHandler(ShowMenuBar);
    AfxSetTrackPopupMenuHandler(TrackPopup);
    AfxSetFileDialogHandler(RunFileDialog);
}

void ShutdownQtMenus()
{
    AfxSetMenuBarHandler(nullptr);
    AfxSetTrackPopupMenuHandler(nullptr);
    AfxSetFileDialogHandler(nullptr);
}
