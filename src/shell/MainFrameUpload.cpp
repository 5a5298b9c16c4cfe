// Opening an uploaded program: the image the controller session read is decoded into a new FBD
// document, which opens without its Properties sheet and whose history starts at the uploaded
// diagram; a damaged image opens nothing.
#include "shell/MainFrame.h"

#include "codec/ImageDecoder.h"
#include "codec/VetlaCoreRule.h"
#include "controller/TransferSupport.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "shell/DocumentSettings.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"

namespace {

constexpr UINT IDS_DRAWING = 634;
constexpr UINT IDS_DRAWN = 635;

}  // namespace

void CMainFrame::OpenUploadedProgram(CVetlaCoreRule& codec)
{
    for (int i = 0; i < 2; ++i)
        SwapImageWords(codec.Wire(i), codec.Image(i));
    SwapImageWords(codec.WireTextArea(), codec.TextArea());
    if (!HasSeriesLabel()) {
        m_nPaneControlKind = STATUS_CONTROL_BUTTON;
        m_nPaneIndex = 1;
        AddStatusBarControl();
        m_nPaneControlKind = STATUS_CONTROL_SERIES;
        m_nPaneIndex = 2;
        AddStatusBarControl();
    }
    // A program without function blocks (buffer 0 alone, as a controller programmed at its keys
    // may hold) still has its outputs, inputs and settings to read.
    CVetlaDoc* pDoc = OpenDocumentWithoutSheet();
    CVetlaView* pView = GetActiveView();
    if (!pDoc || !pView)
        return;
    LogMessage(_T("%s"), ResourceString(IDS_DRAWING));
    const DecodeResult decoded = DecodeProgramImage(codec, *pDoc);
    if (!decoded.bOk) {
        // Nothing of a damaged program is shown: the window made for it goes again, unasked,
        // and the information window says that the drawing failed.
        pDoc->SetModifiedFlag(FALSE);
        SendMessage(WM_COMMAND, ID_FILE_CLOSE);
        LogMessage(_T("Drawing Fails!\n"));
        AfxMessageBox(DecodeErrorText(decoded), MB_ICONERROR);
        return;
    }
    // The view spans the laid-out diagram before the cut, whose connectors look for free spots
    // within it.
    pView->SetScrollSizes(MM_TEXT, CSize(pDoc->m_rcExtent.right, pDoc->m_rcExtent.bottom));
    pView->CutWiresCrossingBlocks();
    // The uploaded diagram is where the document's history starts, as for an opened file.
    pDoc->m_undo.SaveOpenedState(pDoc);
    g_wHardwareCode = pDoc->m_wHardwareCode;
    pView->RebuildMsgTextSlots();
    SetSeriesText(pDoc->m_strHardwareName);
    pView->InvalidateAll();
    LogMessage(_T("%s"), ResourceString(IDS_DRAWN));
}
