#include "platform/qt/QtKeyMap.h"

#include "platform/ui/KeyState.h"

#include <QKeyEvent>
#include <Qt>

namespace {

struct KeyPair {
    int nQtKey;
    int nVirtKey;
};

constexpr KeyPair kSpecialKeys[] = {
    {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},        {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},   {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},     {Qt::Key_PageDown, VK_NEXT},   {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},        {Qt::Key_Left, VK_LEFT},       {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},      {Qt::Key_Down, VK_DOWN},       {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},    {Qt::Key_Delete, VK_DELETE},   {Qt::Key_Help, VK_HELP},
    {Qt::Key_Menu, VK_APPS},        {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Semicolon, VK_OEM_1},  {Qt::Key_Colon, VK_OEM_1},     {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},  {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD}, {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},      {Qt::Key_Question, VK_OEM_2},  {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_AsciiTilde, VK_OEM_3}, {Qt::Key_BracketLeft, VK_OEM_4}, {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5},  {Qt::Key_Bar, VK_OEM_5},       {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_BraceRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7}, {Qt::Key_QuoteDbl, VK_OEM_7},
};

constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},      {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL},    {Qt::Key_Slash, VK_DIVIDE},  {Qt::Key_Comma, VK_SEPARATOR},
};

}  // namespace

UINT VirtualKeyFromQtKey(int nQtKey, bool bKeypad)
{
    if (nQtKey >= Qt::Key_0 && nQtKey <= Qt::Key_9)
        return bKeypad ? UINT(VK_NUMPAD0 + (nQtKey - Qt::Key_0)) : UINT(nQtKey);
    if (nQtKey >= Qt::Key_A && nQtKey <= Qt::Key_Z)
        return UINT(nQtKey);
    if (nQtKey >= Qt::Key_F1 && nQtKey <= Qt::Key_F24)
        return UINT(VK_F1 + (nQtKey - Qt::Key_F1));
    if (bKeypad) {
        for (const KeyPair& pair : kKeypadKeys) {
            if (pair.nQtKey == nQtKey)
                return UINT(pair.nVirtKey);
        }
    }
    for (const KeyPair& pair : kSpecialKeys) {
        if (pair.nQtKey == nQtKey)
            return UINT(pair.nVirtKey);
    }
    return 0;
}

QString TypedCharacters(const QKeyEvent& event, UINT nVirtKey)
{
    const bool bCtrl = event.modifiers().testFlag(Qt::ControlModifier);
    if (bCtrl && nVirtKey >= 'A' && nVirtKey <= 'Z')
        return QString(QChar(char16_t(nVirtKey - 'A' + 1)));   // Ctrl+letter: control code
    // Qt gives Delete the DEL control character as its text; the classic translation gives
    // Delete no character at all, and no key ever types DEL into a text.
    QString text = event.text();
    text.remove(QChar(0x7F));
    return text;
}

bool IsLineEditingKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
        return true;
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Z:
    case Qt::Key_Y:
        if (modifiers & Qt::ControlModifier)
            return true;
        break;
    default:
        break;
    }
    if (modifiers & Qt::ControlModifier)
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.front() >= QChar(0x20) && text.front() != QChar(0x7F);
}
