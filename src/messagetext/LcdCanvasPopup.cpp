// The in-place parameter popup of the simulation display, as the canvas opens and closes it and
// writes its value, and the canvas's boxes.
#include "messagetext/LcdCanvas.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "messagetext/InPlaceParam.h"
#include "messagetext/InPlaceParamDlg.h"
#include "platform/core/MessageBox.h"

#include <optional>

BOOL CLcdCanvas::ShowObjectPopup()
{
    if (m_pParamPopup)
        return TRUE;
    auto* pPopup = new CInPlaceParamDlg(this);
    m_pParamPopup = pPopup;
    if (!pPopup->Open()) {
        m_pParamPopup = nullptr;
        delete pPopup;
        return FALSE;
    }
    return TRUE;
}

void CLcdCanvas::CloseObjectPopup(BOOL bApply)
{
    CInPlaceParamDlg* pPopup = m_pParamPopup;
    if (!pPopup)
        return;
    // Cleared first: the window's end must not reach it again.
    m_pParamPopup = nullptr;
    // The value is read and the popup gone before a refusal's box runs its message loop: what
    // the scans do under it (a page switch, the display closed) finds no popup to close.
    const std::optional<InPlaceEntry> entry = bApply ? pPopup->ReadEntry() : std::nullopt;
    pPopup->DestroyWindow();
    if (entry)
        WriteEntry(*entry);
}

void CLcdCanvas::WriteEntry(const InPlaceEntry& entry)
{
    ILcdGridHost* pHost = GetHost();
    CVetlaDoc* pDoc = pHost ? pHost->GetGridDocument() : nullptr;
    CBlockObj* pBlock = pDoc ? pDoc->FindBlockByNumber(entry.nBlockNumber) : nullptr;
    if (!pBlock)
        return;
    const InPlaceResult result = ApplyInPlaceValue(*pBlock, entry.nParamId, entry.nKind, entry.value);
    if (result.bWritten) {
        if (result.bRefresh)
            pHost->OnParamWritten(*pBlock);
        // The value is the program's as much as a sheet's Apply would make it: saved with the
        // diagram, and an undo step of its own.
        pDoc->m_undo.SaveState(pDoc);
    }
    // Last: a refused value writes nothing, and nothing is touched once the box is up.
    if (!result.strRefusal.IsEmpty())
        ShowBox(result.strRefusal, MB_ICONEXCLAMATION);
}

int CLcdCanvas::ShowBox(LPCTSTR pszText, UINT nType)
{
    // The host keeps itself, and so the canvas, until the box has gone.
    ILcdGridHost* pHost = GetHost();
    if (pHost)
        pHost->OnCanvasModalLoop(TRUE);
    const int nAnswer = AfxMessageBox(pszText, nType);
    if (pHost)
        pHost->OnCanvasModalLoop(FALSE);
    return nAnswer;
}
