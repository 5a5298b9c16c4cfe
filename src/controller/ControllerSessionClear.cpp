// Clear User Program and Password: the start of the controller's program area overwritten with
// 0xFF through the download's handshake, write, verify and finish, for whatever controller
// answers. Unlike the download, a time-out ends the clear at once, without the end frame.
#include "controller/ControllerSession.h"

#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"
#include "platform/core/MessageBox.h"
#include "controller/TransferSupport.h"

namespace {

constexpr UINT IDS_CLEAR_CONFIRM = 633;
// The controller takes this long to take up the cleared area before the next command.
constexpr int kAfterClearMs = 2000;

}  // namespace

BOOL CControllerSession::Clear()
{
    if (AfxMessageBox(IDS_CLEAR_CONFIRM, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    if (CVetlaDoc* pDoc = m_host.ActiveDocument())
        pDoc->UpdateSpecialBlockSizes();
    CVetlaCoreRule codec;
    codec.AllocImageBuffers(CODEC_MODE_CLEAR, 0);
    if (!ClearSession(&codec)) {
        m_host.SetProgress(-1, 0);
        LogMessage(_T("Clear Program Suspend!\n"));
        AfxMessageBox(IDS_LINK_CHECK, MB_ICONQUESTION);
    }
    return TRUE;
}

BOOL CControllerSession::ClearSession(CVetlaCoreRule* pCodec)
{
    const DWORD dwTotal = DownloadProgressTotal(CODEC_CLEAR_BYTES, 0);
    DWORD dwCounter = 0;
    DWORD dwError = 0;
    const BYTE* pArea = pCodec->Wire(0).data();
    const auto data = [&]() -> BOOL {
        m_host.SetProgress(2, 0);
        if (!DownloadHandshake(&dwError, HANDSHAKE_CLEAR, nullptr))
            return FALSE;
        dwCounter = kProgressAfterHandshake;
        if (!WriteBlocks(pArea, IMAGE_REGISTER_BUFFER0, CODEC_CLEAR_BYTES, &dwCounter, dwTotal, &dwError)) {
            LogMessage(_T("Write Data Error!\n"));
            return FALSE;
        }
        if (!VerifyBlocks(pArea, IMAGE_REGISTER_BUFFER0, CODEC_CLEAR_BYTES, &dwCounter, dwTotal, &dwError)) {
            LogMessage(_T("Verify Data Error!\n"));
            return FALSE;
        }
        return TRUE;
    };
    SessionOutcome outcome;
    if (!data() && !outcome.StepFailed(ClearStepEnd(dwError)))
        return FALSE;
    dwError = 0;
    if (!DownloadFinish(&dwError, BYTE(outcome.bOk), HANDSHAKE_CLEAR) && ClearStepEnd(dwError) == StepEnd::Abort)
        return FALSE;
    m_host.SetProgress(outcome.bOk ? 2 : -1, outcome.bOk ? 100 : 0);
    WaitLink(kAfterClearMs);
    return TRUE;
}
