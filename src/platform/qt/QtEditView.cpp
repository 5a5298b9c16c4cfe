// The edit's view: a QLineEdit, or a QPlainTextEdit for ES_MULTILINE. Keys go to the layer
// (which edits the text and notifies). A line's context menu and an input method's characters go
// to the layer too, as the classic edit's do, so that a box that filters its text (a number, a
// time) keeps its rules on every way in; like the classic edit it takes no drops and no middle
// button paste. Edits that still
// come another way arrive as the user's whole new text.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/Edit.h"

#include <QAction>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <functional>

QString ToQString(const CString& str) { return QString::fromUtf16(str.GetString(), str.GetLength()); }

CString FromQString(const QString& str)
{
    return CString(std::u16string_view(reinterpret_cast<const char16_t*>(str.utf16()),
                                       std::size_t(str.size())));
}

namespace {

// The layer keeps line breaks as "\r\n", Qt as "\n": positions differ by the breaks before them.
int LayerPosition(const QString& strQt, int nQtPos)
{
    return nQtPos + int(strQt.left(nQtPos).count(QLatin1Char('\n')));
}

int QtPosition(const CString& strLayer, int nLayerPos)
{
    int nBreaks = 0;
    for (int i = 0; i + 1 < nLayerPos && i + 1 < strLayer.GetLength(); ++i) {
        if (strLayer[i] == '\r' && strLayer[i + 1] == '\n')
            ++nBreaks;
    }
    return nLayerPos - nBreaks;
}

// The classic edit's context menu: each entry sends its message to the edit; a null text is a
// separator.
struct EditMenuEntry {
    const char16_t* pszText;
    UINT nMessage;
    LPARAM lParam;
    bool (*pfnEnabled)(const CEdit& edit);
};

bool IsWritable(const CEdit& edit) { return !(edit.GetStyle() & ES_READONLY); }

bool HasSelection(const CEdit& edit)
{
    int nStart = 0, nEnd = 0;
    edit.GetSel(nStart, nEnd);
    return nStart != nEnd;
}

bool CanUndo(const CEdit& edit) { return edit.CanUndo() && IsWritable(edit); }
bool CanCut(const CEdit& edit) { return HasSelection(edit) && IsWritable(edit); }
bool CanCopy(const CEdit& edit) { return HasSelection(edit) && !(edit.GetStyle() & ES_PASSWORD); }
bool CanPaste(const CEdit& edit) { return IsWritable(edit) && CClipboard::IsFormatAvailable(CF_UNICODETEXT); }
bool HasText(const CEdit& edit) { return edit.GetWindowTextLength() > 0; }

constexpr EditMenuEntry kEditMenu[] = {
    {u"&Undo\tCtrl+Z", WM_UNDO, 0, CanUndo},    {nullptr, 0, 0, nullptr},
    {u"Cu&t\tCtrl+X", WM_CUT, 0, CanCut},       {u"&Copy\tCtrl+C", WM_COPY, 0, CanCopy},
    {u"&Paste\tCtrl+V", WM_PASTE, 0, CanPaste}, {u"Delete", WM_CLEAR, 0, CanCut},
    {nullptr, 0, 0, nullptr},                   {u"Select All\tCtrl+A", EM_SETSEL, -1, HasText},
};

// A multi-line box that tells when it was shown or resized: Qt's first show brings the caret
// into view, and a resize may move the top line.
class LaidOutPlainTextEdit : public QPlainTextEdit {
public:
    std::function<void()> m_onLaidOut;

protected:
    void showEvent(QShowEvent* pEvent) override
    {
        QPlainTextEdit::showEvent(pEvent);
        if (m_onLaidOut)
            m_onLaidOut();
    }
    void resizeEvent(QResizeEvent* pEvent) override
    {
        QPlainTextEdit::resizeEvent(pEvent);
        if (m_onLaidOut)
            m_onLaidOut();
    }
};

class QtEditView : public QtControlView {
public:
    QtEditView(CEdit& edit, QLineEdit* pLine) : QtControlView(edit, pLine), m_edit(edit), m_pLine(pLine)
    {
        // The owner's change notice may close the dialog, and this view with the edit's window.
        QObject::connect(pLine, &QLineEdit::textEdited, [this, pAlive = Life()](const QString& strText) {
            if (!*pAlive)
                return;
            m_edit.UserEdit(FromQString(strText), m_pLine->cursorPosition());
            if (*pAlive)
                Refresh();
        });
        const auto takeSelection = [this, pAlive = Life()] {
            if (*pAlive)
                TakeSelection();
        };
        QObject::connect(pLine, &QLineEdit::selectionChanged, takeSelection);
        QObject::connect(pLine, &QLineEdit::cursorPositionChanged, takeSelection);
    }
    QtEditView(CEdit& edit, LaidOutPlainTextEdit* pText) : QtControlView(edit, pText), m_edit(edit), m_pText(pText)
    {
        // The line the program scrolled to stays at the top until the user scrolls or the caret
        // moves.
        pText->m_onLaidOut = [this, pAlive = Life()] {
            if (*pAlive && m_bHoldsProgramScroll)
                ScrollToLine(m_nShownFirstLine);
        };
        QObject::connect(pText->verticalScrollBar(), &QAbstractSlider::actionTriggered, [this, pAlive = Life()] {
            if (*pAlive)
                m_bHoldsProgramScroll = false;
        });
        QObject::connect(pText, &QPlainTextEdit::textChanged, [this, pAlive = Life()] {
            if (!*pAlive)
                return;
            const QString strQt = m_pText->toPlainText();
            QString strLayer = strQt;
            strLayer.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            m_edit.UserEdit(FromQString(strLayer),
                            LayerPosition(strQt, m_pText->textCursor().position()));
            if (*pAlive)
                Refresh();
        });
    }

protected:
    bool TakesEvent(QEvent& event) override
    {
        if (!m_pLine)
            return false;
        switch (event.type()) {
        case QEvent::ContextMenu:
            ShowContextMenu(static_cast<QContextMenuEvent&>(event).globalPos());
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event.ignore();
            return true;
        case QEvent::InputMethod:
            return TypeCommitted(static_cast<QInputMethodEvent&>(event));
        case QEvent::MouseButtonRelease:
            // The middle button's paste of the X selection: the classic edit has none.
            return static_cast<QMouseEvent&>(event).button() == Qt::MiddleButton;
        default:
            return false;
        }
    }

    void Sync() override
    {
        CString strText;
        m_edit.GetWindowText(strText);
        int nStart = 0, nEnd = 0;
        m_edit.GetSel(nStart, nEnd);
        const bool bReadOnly = (m_edit.GetStyle() & ES_READONLY) != 0;
        if (m_pLine) {
            // The limit holds what the user types, not what the program set: a longer text (a
            // name from a file) is shown whole, as the dialog holds it, and may be shortened.
            const int nShownMax = std::max(int(std::min<UINT>(m_edit.GetLimitText(), 32767)), strText.GetLength());
            m_pLine->setMaxLength(nShownMax);
            if (FromQString(m_pLine->text()) != strText)
                m_pLine->setText(ToQString(strText));
            m_pLine->setReadOnly(bReadOnly);
            m_pLine->setEchoMode((m_edit.GetStyle() & ES_PASSWORD) ? QLineEdit::Password
                                                                   : QLineEdit::Normal);
            if (nStart == nEnd)
                m_pLine->setCursorPosition(nEnd);
            else
                m_pLine->setSelection(nStart, nEnd - nStart);
        } else if (m_pText) {
            QString strQt = ToQString(strText);
            strQt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            const bool bNewText = m_pText->toPlainText() != strQt;
            if (bNewText)
                m_pText->setPlainText(strQt);
            m_pText->setReadOnly(bReadOnly);
            // Setting the caret scrolls to it: it is set only when it moved or the text is new, so
            // that a scroll by the program (EM_LINESCROLL, or a new text that starts at the top)
            // keeps its line at the top, wherever the caret is.
            if (bNewText || nStart != m_nShownStart || nEnd != m_nShownEnd) {
                QTextCursor cursor = m_pText->textCursor();
                cursor.setPosition(QtPosition(strText, nStart));
                cursor.setPosition(QtPosition(strText, nEnd), QTextCursor::KeepAnchor);
                m_pText->setTextCursor(cursor);
                m_pText->ensureCursorVisible();
                m_bHoldsProgramScroll = false;
            }
            const int nFirstLine = m_edit.GetFirstVisibleLine();
            if (nFirstLine != m_nShownFirstLine) {
                ScrollToLine(nFirstLine);
                m_bHoldsProgramScroll = true;
            }
            m_nShownStart = nStart;
            m_nShownEnd = nEnd;
            m_nShownFirstLine = nFirstLine;
        }
    }

private:
    // The menu the classic edit shows, its entries sent to the edit as messages, so that a box
    // that filters its text applies its rules to them as to its keys.
    void ShowContextMenu(const QPoint& ptGlobal)
    {
        auto* pMenu = new QMenu(m_pLine);
        pMenu->setAttribute(Qt::WA_DeleteOnClose);
        for (const EditMenuEntry& entry : kEditMenu) {
            if (!entry.pszText) {
                pMenu->addSeparator();
                continue;
            }
            QAction* pAction = pMenu->addAction(QString::fromUtf16(entry.pszText));
            pAction->setEnabled(entry.pfnEnabled(m_edit));
            QObject::connect(pAction, &QAction::triggered, [this, &entry, pAlive = Life()] {
                if (*pAlive)
                    m_edit.SendMessage(entry.nMessage, 0, entry.lParam);
            });
        }
        pMenu->popup(ptGlobal);
    }

    // The characters an input method commits are typed into the edit one by one, as its
    // WM_IME_CHAR becomes WM_CHAR; the composition still shows in the line.
    bool TypeCommitted(QInputMethodEvent& event)
    {
        if (event.commitString().isEmpty())
            return false;
        const QString strCommit = event.commitString();
        QInputMethodEvent composing(event.preeditString(), event.attributes());
        QCoreApplication::sendEvent(m_pLine, &composing);
        const LifeToken pAlive = Life();
        for (QChar ch : strCommit) {
            if (!*pAlive || !IsWindow(&m_edit))
                break;
            m_edit.SendMessage(WM_CHAR, WPARAM(ch.unicode()), 1);
        }
        event.accept();
        return true;
    }

    // The text's line nLine at the top of the box, as far as the box scrolls.
    void ScrollToLine(int nLine)
    {
        const QTextBlock block = m_pText->document()->findBlockByNumber(nLine);
        if (block.isValid())
            m_pText->verticalScrollBar()->setValue(block.firstLineNumber());
    }

    void TakeSelection()
    {
        const int nStart = m_pLine->hasSelectedText() ? m_pLine->selectionStart()
                                                      : m_pLine->cursorPosition();
        const int nEnd = m_pLine->hasSelectedText() ? nStart + int(m_pLine->selectedText().size())
                                                    : nStart;
        int nOldStart = 0, nOldEnd = 0;
        m_edit.GetSel(nOldStart, nOldEnd);
        if (nStart != nOldStart || nEnd != nOldEnd)
            m_edit.SetSel(nStart, nEnd);
    }

    CEdit& m_edit;
    QLineEdit* m_pLine = nullptr;
    QPlainTextEdit* m_pText = nullptr;
    // What the box last showed of the edit's state.
    int m_nShownFirstLine = 0;
    int m_nShownStart = 0;
    int m_nShownEnd = 0;
    bool m_bHoldsProgramScroll = false;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtEditView(CEdit& edit)
{
    if (edit.GetStyle() & ES_MULTILINE)
        return std::make_unique<QtEditView>(edit, new LaidOutPlainTextEdit);
    return std::make_unique<QtEditView>(edit, new QLineEdit);
}
