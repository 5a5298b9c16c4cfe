// The LCD grid's paste of clipboard text, for its fuzzer and the replay of the kept inputs. The
// first byte picks the grid (the newer page's 24 columns or the older page's 12, the controller,
// the shown character set), the second the cell the paste starts at; the rest is the
// clipboard's text as UTF-16LE, which any program can put there. After the paste every
// double-width character must still hold both of its cells.
#pragma once

#include "document/VetlaDoc.h"
#include "messagetext/LcdCanvas.h"
#include "messagetext/LcdGridHost.h"
#include "controls/WidePairs.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/Wnd.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lcd_paste_run {

class CGridHost : public CWnd, public ILcdGridHost {
public:
    LcdGridHostKind m_kind = LcdGridHostKind::MessageTextsNew;
    CVetlaDoc* m_pDoc = nullptr;
    int m_nShownSet = 0;

    LcdGridHostKind GetGridHostKind() const override { return m_kind; }
    CVetlaDoc* GetGridDocument() const override { return m_pDoc; }
    int GetShownCharSet() const override { return m_nShownSet; }
};

// FALSE when a half of a double-width character lost its other half.
inline bool PairsWhole(const CLcdCanvas& grid)
{
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            const bool bFirst = WidePairs::IsFirst(grid, r, c);
            const bool bSecond = WidePairs::IsSecond(grid, r, c);
            if ((bFirst && bSecond) || (bSecond && !WidePairs::IsFirst(grid, r, c - 1)) ||
                (bFirst && (!WidePairs::IsSecond(grid, r, c + 1) || !grid.GetItemText(r, c + 1).IsEmpty())))
                return false;
        }
    }
    return true;
}

inline bool Run(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize < 2)
        return true;
    constexpr int kCellWidth = 20;
    constexpr int kCellHeight = 30;
    const bool bOlderPage = (pData[0] & 1) != 0;
    const int nColumns = bOlderPage ? 12 : 24;
    CMessageBoxRecorder quiet;
    AfxSetWindowBackend(nullptr);
    CMessageQueue::Get().Reset();
    AfxResetKeyState();

    CVetlaDoc doc;
    doc.m_wHardwareCode = (pData[0] & 2) ? 0x4188 : 0x5188;
    CGridHost host;
    host.m_kind = bOlderPage ? LcdGridHostKind::MessageTexts : LcdGridHostKind::MessageTextsNew;
    host.m_pDoc = &doc;
    host.m_nShownSet = (pData[0] >> 2) & 1;
    host.CreateEx(0, _T("Host"), _T("host"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 400), nullptr, 0);
    bool bWhole = true;
    {
        auto pGrid = std::make_unique<CLcdCanvas>(LCD_LINE_COUNT + 1, nColumns + 1, 1, 1);
        pGrid->Create(CRect(0, 0, nColumns * kCellWidth + 8, LCD_LINE_COUNT * kCellHeight + 8), &host, 1000);
        pGrid->SetRowHeight(0, 0);
        pGrid->SetColumnWidth(0, 0);
        for (int r = 1; r <= LCD_LINE_COUNT; ++r)
            pGrid->SetRowHeight(r, kCellHeight);
        for (int c = 1; c <= nColumns; ++c)
            pGrid->SetColumnWidth(c, kCellWidth);
        pGrid->SetFocus();
        pGrid->SetFocusCell(CCellID(1 + pData[1] % LCD_LINE_COUNT, 1 + pData[1] / LCD_LINE_COUNT % nColumns));
        std::u16string text;
        for (std::size_t i = 2; i + 1 < nSize; i += 2)
            text.push_back(char16_t(pData[i] | pData[i + 1] << 8));
        CClipboard::SetText(CString(std::u16string_view(text)));
        // Twice: the second paste lands on what the first one left.
        pGrid->OnEditPaste();
        pGrid->OnEditPaste();
        bWhole = PairsWhole(*pGrid);
    }
    host.DestroyWindow();
    CClipboard::Empty();
    CMessageQueue::Get().Reset();
    return bWhole;
}

} // namespace lcd_paste_run
