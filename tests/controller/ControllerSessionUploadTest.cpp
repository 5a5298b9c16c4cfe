// The controller session's upload without a window, against the simulated controller on a
// pseudo-terminal: what one upload leaves behind for the next.
#include "controller/ControllerSession.h"

#include "controller/RecordingSessionHost.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "support/SimulatedController.h"

#include <gtest/gtest.h>

namespace {

// A password answered with Cancel, or refused, whose upload then loses its end frame, leaves
// no answer behind: the next upload of a program without a password opens it.
TEST(ControllerSessionUploadTest, AnUploadCutShortAfterThePasswordDoesNotSpoilTheNext)
{
    for (const int nAnswer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(nAnswer);
        ResetSerialPortNumbers();
        CMessageBoxRecorder boxes;
        RecordingSessionHost host;
        CControllerSession session(host);
        session.SetLinkTimeScale(20);
        SimulatedController controller;
        controller.SetProgramSize(10240 + 128);
        controller.SetPassword("ABC");
        session.SetPortNumber(SerialPortNumberOf(CString::FromUtf8(controller.Path())));
        host.m_strPassword = "ABD";
        host.m_nPasswordAnswer = nAnswer;
        controller.SetFault(SimulatedController::Fault::NoReply, FC_UPLOAD_END);
        session.RunWithPort([&] { session.Upload(); }, 0);
        EXPECT_EQ(host.m_nUploadsOpened, 0);

        controller.SetFault(SimulatedController::Fault::None);
        controller.SetPassword("");
        session.RunWithPort([&] { session.Upload(); }, 0);
        EXPECT_EQ(host.m_nUploadsOpened, 1);
        ResetSerialPortNumbers();
    }
}

}  // namespace
