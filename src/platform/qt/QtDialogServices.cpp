#include "platform/qt/QtDialogServices.h"

#include "platform/core/MessageBox.h"
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtControlViews.h"
#include "platform/qt/QtMimeData.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/HelpBrowser.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGridLayout>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSpacerItem>
#include <QUrl>

#include <memory>
#include <utility>

namespace {

// The window manager cuts a title wider than the box ("QARV...ditor"): a short message gets a
// box as wide as its title and the decoration's buttons beside it.
void FitTitle(QMessageBox& box)
{
    constexpr int kDecorationWidth = 120;
    auto* pGrid = qobject_cast<QGridLayout*>(box.layout());
    if (!pGrid)
        return;
    const int nWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kDecorationWidth;
    pGrid->addItem(new QSpacerItem(nWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), pGrid->rowCount(), 0, 1,
                   pGrid->columnCount());
}

int ShowQtMessageBox(const CString& strText, const CString& strCaption, UINT nType)
{
    QMessageBox box(QApplication::activeWindow());
    box.setText(ToQString(strText));
    box.setWindowTitle(ToQString(strCaption));
    switch (nType & MB_ICONMASK) {
    case MB_ICONSTOP:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    static constexpr struct {
        int nID;
        QMessageBox::StandardButton button;
    } kButtons[] = {
        {IDOK, QMessageBox::Ok},       {IDCANCEL, QMessageBox::Cancel}, {IDABORT, QMessageBox::Abort},
        {IDRETRY, QMessageBox::Retry}, {IDIGNORE, QMessageBox::Ignore}, {IDYES, QMessageBox::Yes},
        {IDNO, QMessageBox::No},
    };
    const int nDefault = MessageBoxDefaultButton(nType);
    for (int nID : MessageBoxButtons(nType)) {
        for (const auto& entry : kButtons) {
            if (entry.nID != nID)
                continue;
            QPushButton* pButton = box.addButton(entry.button);
            if (nID == nDefault)
                box.setDefaultButton(pButton);
        }
    }
    FitTitle(box);
    box.exec();
    for (const auto& entry : kButtons) {
        if (box.clickedButton() == box.button(entry.button))
            return entry.nID;
    }
    // Closed without a button: Cancel where there is one, else the default.
    const std::vector<int> buttons = MessageBoxButtons(nType);
    return std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end() ? IDCANCEL : nDefault;
}

// Publishes the layer's clipboard to Qt's and takes back what other programs put there.
// Qt keeps one data object for whatever another program puts on the clipboard and refills it
// at each change, so only the clipboard's change signal tells that there is something new to
// take: a change the layer's own Publish makes is its own data, which it already holds.
class QtClipboardMirror : public IClipboardMirror {
public:
    QtClipboardMirror()
    {
        m_changed = QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, [this] {
            if (!m_bPublishing && !QApplication::clipboard()->ownsClipboard())
                m_bForeign = true;
        });
    }
    ~QtClipboardMirror() override { QObject::disconnect(m_changed); }

    void Publish(const ClipboardData& data) override
    {
        // Asking the clipboard here would fetch Qt's old data: the layer's is converted as is.
        m_bPublishing = true;
        QApplication::clipboard()->setMimeData(ToMimeData(data));
        m_bPublishing = false;
        m_bForeign = false;
    }

    std::optional<ClipboardData> Fetch() override
    {
        const QMimeData* pMime = std::exchange(m_bForeign, false) ? QApplication::clipboard()->mimeData() : nullptr;
        if (!pMime)
            return std::nullopt;
        return FromMimeData(*pMime);
    }

private:
    QMetaObject::Connection m_changed;
    bool m_bPublishing = false;
    // What another program left before the start is taken at the first fetch.
    bool m_bForeign = true;
};

std::unique_ptr<QtClipboardMirror>& Mirror()
{
    static std::unique_ptr<QtClipboardMirror> s_pMirror;
    return s_pMirror;
}

}  // namespace

void InitQtDialogServices()
{
    InitQtControls();
    SetMessageBoxHandler(&ShowQtMessageBox);
    CDialog::SetModalLoopRunner([](const std::function<bool()>& bContinue) {
        // The layer's queue is pumped from Qt's loop; a dialog ends inside some event's handling,
        // after which this wait returns and the condition is asked again.
        while (bContinue())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    });
    Mirror() = std::make_unique<QtClipboardMirror>();
    CClipboard::SetMirror(Mirror().get());
    SetHelpPageOpener([](const CString& strPagePath) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(strPagePath))) ? TRUE : FALSE;
    });
}

void ShutdownQtDialogServices()
{
    SetHelpPageOpener(nullptr);
    CClipboard::SetMirror(nullptr);
    Mirror().reset();
    CDialog::SetModalLoopRunner(nullptr);
    SetMessageBoxHandler(nullptr);
    AfxSetControlViewFactory(nullptr);
}
