// A controller session pointed at a simulated controller: the controller's line as its port and
// the line's clock as the link's clock, so that a reply is never late however busy the machine.
// The controller must outlive the session's use of the link, or the session go back to its own
// clock first (SetLinkClock(nullptr)).
#pragma once

#include "controller/ControllerSession.h"
#include "platform/comm/SerialPortNames.h"
#include "support/SimulatedController.h"

inline void UseSimulatedController(CControllerSession& session, SimulatedController& controller)
{
    session.SetLinkClock(&controller.LinkClock());
    session.SetPortNumber(SerialPortNumberOf(CString::FromUtf8(controller.Path())));
}
