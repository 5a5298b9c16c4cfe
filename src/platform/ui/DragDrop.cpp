#include "platform/ui/DragDrop.h"

#include <map>

namespace {

std::map<const CWnd*, IDropTarget*>& Targets()
{
    static std::map<const CWnd*, IDropTarget*> s_targets;
    return s_targets;
}

DragLoop& CurrentLoop()
{
    static DragLoop s_loop;
    return s_loop;
}

}  // namespace

BOOL COleDataObject::GetData(UINT nFormat, std::vector<BYTE>& bytes) const
{
    const auto it = m_data.find(nFormat);
    if (it == m_data.end())
        return FALSE;
    bytes = it->second;
    return TRUE;
}

BOOL COleDataObject::GetText(CString& strText) const
{
    std::vector<BYTE> bytes;
    if (!GetData(CF_UNICODETEXT, bytes))
        return FALSE;
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

void COleDataSource::CacheText(const CString& strText)
{
    std::vector<BYTE> bytes;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const TCHAR ch = strText.GetAt(i);
        bytes.push_back(BYTE(ch & 0xFF));
        bytes.push_back(BYTE(ch >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    m_data[CF_UNICODETEXT] = std::move(bytes);
}

DROPEFFECT COleDataSource::DoDragDrop(CWnd& source, DROPEFFECT allowed)
{
    const DragLoop& loop = CurrentLoop();
    return loop ? loop(source, m_data, allowed) & allowed : DROPEFFECT_NONE;
}

void AfxRegisterDropTarget(const CWnd& wnd, IDropTarget* pTarget) { Targets()[&wnd] = pTarget; }

void AfxRevokeDropTarget(const CWnd& wnd) { Targets().erase(&wnd); }

IDropTarget* AfxFindDropTarget(const CWnd& wnd)
{
    const auto it = Targets().find(&wnd);
    return it == Targets().end() ? nullptr : it->second;
}

DragLoop AfxSetDragLoop(DragLoop loop)
{
    DragLoop previous = std::move(CurrentLoop());
    CurrentLoop() = std::move(loop);
    return previous;
}

DROPEFFECT AfxDragOverAndDrop(CWnd& target, const ClipboardData& data, DWORD dwKeyState, CPoint point, DROPEFFECT allowed)
{
    IDropTarget* pTarget = AfxFindDropTarget(target);
    if (!pTarget)
        return DROPEFFECT_NONE;
    const COleDataObject object(data);
    pTarget->OnDragEnter(object, dwKeyState, point);
    const DROPEFFECT effect = pTarget->OnDragOver(object, dwKeyState, point) & allowed;
    if (effect == DROPEFFECT_NONE) {
        pTarget->OnDragLeave();
        return DROPEFFECT_NONE;
    }
    return pTarget->OnDrop(object, effect, point) ? effect : DROPEFFECT_NONE;
}
