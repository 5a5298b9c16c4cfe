#include "platform/qt/QtDragDrop.h"

#include "platform/qt/QtMimeData.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/DropFiles.h"
#include "platform/ui/Msg.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <vector>

namespace {

DWORD KeyStateOf(Qt::KeyboardModifiers modifiers)
{
    DWORD dwKeyState = 0;
    if (modifiers & Qt::ControlModifier)
        dwKeyState |= MK_CONTROL;
    if (modifiers & Qt::ShiftModifier)
        dwKeyState |= MK_SHIFT;
    return dwKeyState;
}

Qt::DropAction ActionOf(DROPEFFECT effect)
{
    if (effect & DROPEFFECT_MOVE)
        return Qt::MoveAction;
    return effect & DROPEFFECT_COPY ? Qt::CopyAction : Qt::IgnoreAction;
}

DROPEFFECT EffectOf(Qt::DropAction action)
{
    switch (action) {
    case Qt::MoveAction: return DROPEFFECT_MOVE;
    case Qt::CopyAction: return DROPEFFECT_COPY;
    default: return DROPEFFECT_NONE;
    }
}

}  // namespace

DROPEFFECT RunQtDrag(CWnd& source, const ClipboardData& data, DROPEFFECT allowed)
{
    QWidget* pWidget = QtWidgetOf(source);
    if (!pWidget)
        return DROPEFFECT_NONE;
    auto* pDrag = new QDrag(pWidget);
    pDrag->setMimeData(ToMimeData(data));
    Qt::DropActions actions;
    if (allowed & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (allowed & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    return EffectOf(pDrag->exec(actions, Qt::MoveAction));
}

namespace {

// The local files of a drop from outside the program (a file manager gives their URLs).
std::vector<CString> DroppedFiles(const QMimeData* pData)
{
    std::vector<CString> paths;
    if (!pData || !pData->hasUrls())
        return paths;
    for (const QUrl& url : pData->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString strPath = url.toLocalFile();
        paths.emplace_back(std::u16string_view(reinterpret_cast<const char16_t*>(strPath.utf16()),
                                               std::size_t(strPath.size())));
    }
    return paths;
}

}  // namespace

void QtDragMove(CWnd& wnd, QDragMoveEvent& event, CPoint point, bool bEnter)
{
    IDropTarget* pTarget = AfxFindDropTarget(wnd);
    if (!pTarget && AfxFindFileDropWindow(&wnd) && !DroppedFiles(event.mimeData()).empty()) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
        return;
    }
    if (!pTarget || !event.mimeData()) {
        event.ignore();
        return;
    }
    const COleDataObject data(FromMimeData(*event.mimeData()));
    const DWORD dwKeyState = KeyStateOf(event.modifiers());
    const DROPEFFECT effect =
        bEnter ? pTarget->OnDragEnter(data, dwKeyState, point) : pTarget->OnDragOver(data, dwKeyState, point);
    if (effect == DROPEFFECT_NONE) {
        // An enter is taken all the same, so that the moves over other cells still come.
        if (bEnter)
            event.accept();
        else
            event.ignore();
        return;
    }
    event.setDropAction(ActionOf(effect));
    event.accept();
}

void QtDragLeave(CWnd& wnd)
{
    if (IDropTarget* pTarget = AfxFindDropTarget(wnd))
        pTarget->OnDragLeave();
}

void QtDrop(CWnd& wnd, QDropEvent& event, CPoint point)
{
    IDropTarget* pTarget = AfxFindDropTarget(wnd);
    if (!pTarget && AfxFindFileDropWindow(&wnd)) {
        const std::vector<CString> paths = DroppedFiles(event.mimeData());
        if (paths.empty()) {
            event.ignore();
            return;
        }
        event.setDropAction(Qt::CopyAction);
        event.accept();
        AfxDropFiles(&wnd, paths);
        return;
    }
    if (!pTarget || !event.mimeData()) {
        event.ignore();
        return;
    }
    const DROPEFFECT effect = EffectOf(event.dropAction());
    if (effect != DROPEFFECT_NONE && pTarget->OnDrop(COleDataObject(FromMimeData(*event.mimeData())), effect, point)) {
        event.setDropAction(ActionOf(effect));
        event.accept();
    } else {
        event.ignore();
    }
}
