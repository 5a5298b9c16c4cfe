// A controller session without a window, for the tests that talk to a simulated controller on
// a pseudo-terminal: the port numbers and the session's own clock are put back after each test.
#pragma once

#include "controller/ControllerSession.h"
#include "controller/RecordingSessionHost.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class SessionOnSimulatedLine : public ::testing::Test {
protected:
    void SetUp() override { ResetSerialPortNumbers(); }
    void TearDown() override
    {
        m_session.ClosePort();
        m_session.SetLinkClock(nullptr);
        ResetSerialPortNumbers();
    }

    // Configures the controller's line as the session's port, on its clock, and opens it.
    void Connect(SimulatedController& controller)
    {
        UseSimulatedController(m_session, controller);
        ASSERT_TRUE(m_session.OpenConfiguredPort());
    }
    std::vector<std::string> NewLogLines() const { return m_host.NewLogLines(); }
    void MarkLog() { m_host.MarkLog(); }

    CMessageBoxRecorder m_boxes;
    RecordingSessionHost m_host;
    CControllerSession m_session{m_host};
};
