#include "platform/core/MessageBox.h"

#include "platform/core/StringTable.h"

#include <cstdio>
#include <unistd.h>

namespace {

// Function-local so that a box shown while other globals are being constructed finds them ready.
MessageBoxHandler& BoxHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

MessageBeepHandler& BeepHandler()
{
    static MessageBeepHandler handler;
    return handler;
}

CString& AppTitle()
{
    static CString title(u"qarvo-editor");
    return title;
}

} // namespace

std::vector<int> MessageBoxButtons(UINT nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int MessageBoxDefaultButton(UINT nType)
{
    const std::vector<int> buttons = MessageBoxButtons(nType);
    const std::size_t index = (nType & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    std::swap(BoxHandler(), handler);
    return handler;
}

MessageBeepHandler SetMessageBeepHandler(MessageBeepHandler handler)
{
    std::swap(BeepHandler(), handler);
    return handler;
}

void SetAppTitle(const CString& title)
{
    AppTitle() = title;
}

CString GetAppTitle()
{
    return AppTitle();
}

int ShowMessageBox(const CString& text, const CString& caption, UINT nType)
{
    const CString shownCaption = caption.IsEmpty() ? AppTitle() : caption;
    // A copy: the handler may run a nested event loop in which the handler is replaced.
    if (const MessageBoxHandler handler = BoxHandler())
        return handler(text, shownCaption, nType);
    std::fprintf(stderr, "[%s] %s\n", shownCaption.ToUtf8().c_str(), text.ToUtf8().c_str());
    return MessageBoxDefaultButton(nType);
}

void MessageBeep(UINT nType)
{
    if (const MessageBeepHandler handler = BeepHandler())
        handler(nType);
    else if (isatty(STDERR_FILENO))
        std::fputc('\a', stderr); // the terminal is the only sound device a headless run has
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT /*nIDHelp*/)
{
    return ShowMessageBox(CString(lpszText), CString(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString prompt;
    prompt.LoadString(nIDPrompt);
    return AfxMessageBox(prompt, nType, nIDHelp);
}

CMessageBoxRecorder::CMessageBoxRecorder()
{
    m_previousBox = SetMessageBoxHandler([this](const CString& text, const CString& caption, UINT nType) {
        int answer = MessageBoxDefaultButton(nType);
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
        m_boxes.push_back({text, caption, nType, answer});
        return answer;
    });
    m_previousBeep = SetMessageBeepHandler([this](UINT nType) { m_beeps.push_back(nType); });
}

CMessageBoxRecorder::~CMessageBoxRecorder()
{
    SetMessageBoxHandler(std::move(m_previousBox));
    SetMessageBeepHandler(std::move(m_previousBeep));
}

void CMessageBoxRecorder::Clear()
{
    m_answers.clear();
    m_boxes.clear();
    m_beeps.clear();
}
