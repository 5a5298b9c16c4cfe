// Every message box and beep of the program goes through ShowMessageBox and MessageBeep. The
// window layer installs a handler that shows a real dialog; tests install a recorder that
// answers and records. Without a handler (headless) a box is written to stderr and answered
// with its default button.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <deque>
#include <functional>
#include <vector>

// Buttons (the low four bits of the type).
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_TYPEMASK = 0xF;
// Icons.
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONSTOP = 0x10;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;
// Default button (first when not given, or when the box has fewer buttons).
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_DEFMASK = 0xF00;
// MessageBeep's plain beep.
constexpr UINT MB_SIMPLEBEEP = 0xFFFFFFFF;

// The button ids of a box type in display order (IDOK alone for an unknown button set).
std::vector<int> MessageBoxButtons(UINT nType);
int MessageBoxDefaultButton(UINT nType);

using MessageBoxHandler = std::function<int(const CString& text, const CString& caption, UINT nType)>;
using MessageBeepHandler = std::function<void(UINT nType)>;
// Install a handler (an empty one restores the headless behaviour); returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
MessageBeepHandler SetMessageBeepHandler(MessageBeepHandler handler);

// The caption of boxes that name none; "qarvo-editor" until set.
void SetAppTitle(const CString& title);
CString GetAppTitle();

// An empty caption means the application title. Returns the id of the button chosen.
int ShowMessageBox(const CString& text, const CString& caption, UINT nType);
void MessageBeep(UINT nType);

// nIDHelp is accepted for compatibility; boxes have no help button.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The prompt is the string-table text of nIDPrompt in the current language (empty when the id
// has none).
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));

// For tests: while alive, answers every box (from the queued answers in order, else with the
// box's default button) and records boxes and beeps; restores the previous handlers on
// destruction.
class CMessageBoxRecorder {
public:
    struct Box {
        CString text;
        CString caption;
        UINT type;
        int answer;
    };

    CMessageBoxRecorder();
    ~CMessageBoxRecorder();
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    void QueueAnswer(int nButtonId) { m_answers.push_back(nButtonId); }
    const std::vector<Box>& Boxes() const { return m_boxes; }
    const std::vector<UINT>& Beeps() const { return m_beeps; }
    void Clear();

private:
    std::deque<int> m_answers;
    std::vector<Box> m_boxes;
    std::vector<UINT> m_beeps;
    MessageBoxHandler m_previousBox;
    MessageBeepHandler m_previousBeep;
};
