#include "platform/ui/Clipboard.h"

#include <vector>

namespace {

struct ClipboardState {
    ClipboardData data;
    std::vector<CString> formatNames;   // index i is format CF_REGISTERED_FIRST + i
    IClipboardMirror* pMirror = nullptr;
};

ClipboardState& State()
{
    static ClipboardState s_state;
    return s_state;
}

// Another program may have filled the system clipboard since the layer last looked.
ClipboardData& CurrentData()
{
    ClipboardState& state = State();
    if (state.pMirror) {
        if (std::optional<ClipboardData> fetched = state.pMirror->Fetch())
            state.data = std::move(*fetched);
    }
    return state.data;
}

void Publish()
{
    if (State().pMirror)
        State().pMirror->Publish(State().data);
}

}  // namespace

UINT AfxFindClipboardFormat(LPCTSTR lpszFormat)
{
    const std::vector<CString>& names = State().formatNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].CompareNoCase(lpszFormat) == 0)
            return CF_REGISTERED_FIRST + UINT(i);
    }
    return 0;
}

UINT RegisterClipboardFormat(LPCTSTR lpszFormat)
{
    if (!lpszFormat || !*lpszFormat)
        return 0;
    if (const UINT nFormat = AfxFindClipboardFormat(lpszFormat))
        return nFormat;
    State().formatNames.emplace_back(lpszFormat);
    return CF_REGISTERED_FIRST + UINT(State().formatNames.size() - 1);
}

CString AfxGetClipboardFormatName(UINT nFormat)
{
    const std::vector<CString>& names = State().formatNames;
    if (nFormat < CF_REGISTERED_FIRST || nFormat - CF_REGISTERED_FIRST >= names.size())
        return CString();
    return names[nFormat - CF_REGISTERED_FIRST];
}

void CClipboard::Empty()
{
    State().data.clear();
    Publish();
}

void CClipboard::SetData(UINT nFormat, std::vector<BYTE> bytes)
{
    CurrentData()[nFormat] = std::move(bytes);
    Publish();
}

BOOL CClipboard::GetData(UINT nFormat, std::vector<BYTE>& bytes)
{
    const ClipboardData& data = CurrentData();
    const auto it = data.find(nFormat);
    if (it == data.end())
        return FALSE;
    bytes = it->second;
    return TRUE;
}

BOOL CClipboard::IsFormatAvailable(UINT nFormat) { return CurrentData().count(nFormat) != 0; }

void CClipboard::SetText(const CString& strText)
{
    std::vector<BYTE> bytes;
    bytes.reserve(std::size_t(strText.GetLength() + 1) * 2);
    for (int i = 0; i <= strText.GetLength(); ++i) {
        const TCHAR ch = strText.GetString()[i];
        bytes.push_back(BYTE(ch & 0xFF));
        bytes.push_back(BYTE(ch >> 8));
    }
    SetData(CF_UNICODETEXT, std::move(bytes));
}

BOOL CClipboard::GetText(CString& strText)
{
    std::vector<BYTE> bytes;
    if (!GetData(CF_UNICODETEXT, bytes))
        return FALSE;
    // The text ends at its NUL or, without one, at the last whole unit.
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t ch = char16_t(bytes[i] | (bytes[i + 1] << 8));
        if (ch == 0)
            break;
        text.push_back(ch);
    }
    strText = CString(std::u16string_view(text));
    return TRUE;
}

void CClipboard::SetMirror(IClipboardMirror* pMirror) { State().pMirror = pMirror; }

BOOL IsClipboardFormatAvailable(UINT nFormat) { return CClipboard::IsFormatAvailable(nFormat); }
