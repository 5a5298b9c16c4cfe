#include "controller/IOStatusCycle.h"

#include "blocks/SimTime.h"
#include "controller/ControllerLink.h"
#include "protocol/ModBus.h"

namespace {

// Inputs from 0 and 128, outputs from 256, analog inputs from 500 and outputs from 564, flags
// from 384 in four requests, analog flags from 596 in eight.
constexpr IOStatusArea kAreas[IOAREA_COUNT] = {
    {FC_READ_DISCRETE_INPUTS, 0, 128, 2, 32},
    {FC_READ_COILS, 256, 128, 1, 16},
    {FC_READ_INPUT_REGISTERS, 500, 64, 1, 128},
    {FC_READ_HOLDING_REGISTERS, 564, 32, 1, 64},
    {FC_READ_COILS, 384, 128, 4, 64},
    {FC_READ_HOLDING_REGISTERS, 596, 64, 8, 1024},
};

// A reply: slave, function, byte count, the data, the CRC.
constexpr int kReplyOverhead = 5;
constexpr int kDataOffset = 3;
constexpr int kFrameBuffer = 16;
constexpr int kClockBuffer = 32;
// The longest reply: 64 registers.
constexpr int kReplyBuffer = 2 * 64 + kReplyOverhead;
// The hour, minute and second registers of the clock record (304 to 306).
constexpr int kClockHour = kDataOffset + 6;

bool ReadsBits(const IOStatusArea& area)
{
    return area.byFunction == FC_READ_COILS || area.byFunction == FC_READ_DISCRETE_INPUTS;
}

int RequestBytes(const IOStatusArea& area) { return ReadsBits(area) ? (area.wCount + 7) / 8 : 2 * area.wCount; }

int Word(const BYTE* p) { return (p[0] << 8) | p[1]; }

// Restores the protocol's slave address however the cycle ends.
class SlaveAddressScope {
public:
    SlaveAddressScope(CModBus& modbus, BYTE bySlave) : m_modbus(modbus) { m_modbus.m_bySlave = bySlave; }
    ~SlaveAddressScope() { m_modbus.m_bySlave = 0; }
    SlaveAddressScope(const SlaveAddressScope&) = delete;
    SlaveAddressScope& operator=(const SlaveAddressScope&) = delete;

private:
    CModBus& m_modbus;
};

}  // namespace

const IOStatusArea& GetIOStatusArea(int nArea) { return kAreas[nArea]; }

std::vector<int> IOStatusAreasOf(IOStatusView view)
{
    switch (view) {
    case IOStatusView::Flags: return {IOAREA_FLAGS};
    case IOStatusView::AnalogFlags: return {IOAREA_ANALOG_FLAGS};
    default: return {IOAREA_INPUTS, IOAREA_OUTPUTS, IOAREA_ANALOG_INPUTS, IOAREA_ANALOG_OUTPUTS};
    }
}

CIOStatusCycle::Result CIOStatusCycle::Run(IOStatusView view, BYTE byDeviceAddress, int nDelayMs)
{
    SlaveAddressScope slave(m_link.Protocol(), byDeviceAddress);
    Result result;
    WaitMs(nDelayMs);
    if (!ReadClock(result))
        return result;
    if (m_onClockRead)
        m_onClockRead(result);
    WaitMs(nDelayMs);
    for (int nArea : IOStatusAreasOf(view)) {
        if (!ReadArea(nArea, nDelayMs, result))
            return result;
    }
    result.bOk = TRUE;
    return result;
}

BOOL CIOStatusCycle::ReadClock(Result& result)
{
    BYTE reply[kClockBuffer];
    for (int nAttempt = 0; nAttempt < kClockAttempts; ++nAttempt) {
        if (m_link.ReadClock(reply, int(sizeof reply), &result.dwError)) {
            result.nHour = Word(reply + kClockHour);
            result.nMinute = Word(reply + kClockHour + 2);
            result.nSecond = Word(reply + kClockHour + 4);
            return TRUE;
        }
        if (Stopped())
            return FALSE;
    }
    LogFailure(result.dwError);
    return FALSE;
}

BOOL CIOStatusCycle::ReadArea(int nArea, int nDelayMs, Result& result)
{
    const IOStatusArea& area = kAreas[nArea];
    std::vector<BYTE>& data = result.areas[std::size_t(nArea)];
    data.clear();
    data.reserve(std::size_t(area.nBytes));
    for (int nRequest = 0; nRequest < area.nRequests; ++nRequest) {
        if (nRequest > 0)
            WaitMs(nDelayMs);
        const WORD wAddress = WORD(area.wStart + nRequest * area.wCount);
        if (!ReadRequest(area, wAddress, data, result.dwError)) {
            if (!Stopped())
                LogFailure(result.dwError);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CIOStatusCycle::ReadRequest(const IOStatusArea& area, WORD wAddress, std::vector<BYTE>& data, DWORD& dwError)
{
    CModBus& modbus = m_link.Protocol();
    BYTE frame[kFrameBuffer];
    const int nFrame = modbus.BuildReadRequest(wAddress, area.wCount, frame, area.byFunction);
    const int nReply = RequestBytes(area) + kReplyOverhead;
    BYTE reply[kReplyBuffer];
    for (int nSend = 0; nSend < kSendsPerRequest; ++nSend) {
        if (!m_link.SendFrame(frame, nFrame, &dwError))
            return FALSE;
        WORD wLength = WORD(nReply);
        const BOOL bReceived = m_link.ReceiveReply(reply, &wLength, &dwError, kReplyTimeoutMs);
        if (Stopped())
            return FALSE;
        if (!bReceived)
            continue;
        dwError = modbus.CheckReadReply(reply, wLength, area.byFunction);
        if (dwError != PLC_RESULT_OK) {
            m_link.Log(modbus.GetResultText(dwError) + _T("\n"));
            return FALSE;
        }
        data.insert(data.end(), reply + kDataOffset, reply + kDataOffset + RequestBytes(area));
        return TRUE;
    }
    return FALSE;
}

void CIOStatusCycle::LogFailure(DWORD dwError)
{
    m_link.Log(_T("Read Data Error!\n"));
    if (dwError >= ERR_TIMEOUT)
        m_link.Log(_T("TimeOut!\n"));
    else if (dwError != 0)
        m_link.Log(_T("Connection Error!\n"));
}
