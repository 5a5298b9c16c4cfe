// CIOStatusCycle: one polling cycle of the I/O status monitor over the controller link. It reads
// the controller's clock, then the I/O areas of the chosen view, each in requests of the
// controller's read functions, and keeps what came back for the grid. The protocol's slave
// address is the monitor's device address for the cycle and 0 again after it, whatever ends
// it, so that no later transfer goes to the monitor's device.
#pragma once

#include "platform/core/Types.h"

#include <array>
#include <functional>
#include <vector>

class IControllerLink;

// The monitor's views: which areas a cycle reads.
enum class IOStatusView { IoPoints = 0, Flags = 1, AnalogFlags = 2 };

// The I/O areas as the controller keeps them: inputs, outputs, analog inputs and outputs, flags
// and analog flags.
enum IOStatusAreaIndex { IOAREA_INPUTS, IOAREA_OUTPUTS, IOAREA_ANALOG_INPUTS, IOAREA_ANALOG_OUTPUTS,
                         IOAREA_FLAGS, IOAREA_ANALOG_FLAGS, IOAREA_COUNT };

struct IOStatusArea {
    BYTE byFunction;    // 1 and 2 read bits, 3 and 4 registers
    WORD wStart;        // the first request's address
    WORD wCount;        // bits or registers per request
    int nRequests;      // requests at wStart, wStart + wCount, ...
    int nBytes;         // the data bytes of all requests
};

const IOStatusArea& GetIOStatusArea(int nArea);
// The areas a view reads, in order.
std::vector<int> IOStatusAreasOf(IOStatusView view);

class CIOStatusCycle {
public:
    static constexpr int kReplyTimeoutMs = 1000;
    static constexpr int kSendsPerRequest = 3;
    static constexpr int kClockAttempts = 3;

    // What a cycle saw: the clock's time and each area's data bytes (empty when not read).
    struct Result {
        BOOL bOk = FALSE;
        DWORD dwError = 0;   // the last result code of a failed cycle
        int nHour = 0;
        int nMinute = 0;
        int nSecond = 0;
        std::array<std::vector<BYTE>, IOAREA_COUNT> areas;
    };

    explicit CIOStatusCycle(IControllerLink& link) : m_link(link) {}

    // Asked after every exchange: TRUE ends the cycle there as failed (the dialog is closing).
    void SetStopRequest(std::function<bool()> bStop) { m_bStop = std::move(bStop); }
    // Told the controller's time as soon as the clock is read, before the I/O areas are asked
    // for, so that the time shows however the rest of the cycle ends.
    void SetClockRead(std::function<void(const Result&)> onClockRead) { m_onClockRead = std::move(onClockRead); }

    // One cycle; a failure has logged "Read Data Error!" with "TimeOut!" or "Connection Error!".
    Result Run(IOStatusView view, BYTE byDeviceAddress, int nDelayMs);

private:
    BOOL ReadClock(Result& result);
    BOOL ReadArea(int nArea, int nDelayMs, Result& result);
    // One request, sent again while no reply comes; its data bytes appended to pData.
    BOOL ReadRequest(const IOStatusArea& area, WORD wAddress, std::vector<BYTE>& data, DWORD& dwError);
    bool Stopped() const { return m_bStop && m_bStop(); }
    void LogFailure(DWORD dwError);

    IControllerLink& m_link;
    std::function<bool()> m_bStop;
    std::function<void(const Result&)> m_onClockRead;
};
