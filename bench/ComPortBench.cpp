// Round trips of the controller link over a pseudo-terminal with the simulated controller
// answering at once: the line costs nothing, so what is measured is the program's own share
// (frame building, the worker hand-over, the reads and the checks).
#include "platform/comm/SerialPortNames.h"
#include "shell/MainFrame.h"
#include "support/SimulatedController.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct Link {
    SimulatedController controller;
    CMainFrame frame;
    Link()
    {
        frame.Session().SetPortNumber(SerialPortNumberOf(CString::FromUtf8(controller.Path())));
        frame.Session().OpenConfiguredPort();
    }
};

void BM_WriteSixtyFourRegisters(benchmark::State& state)
{
    Link link;
    std::vector<BYTE> data(128, 0xA5);
    BYTE frame[160];
    BYTE reply[8];
    const int n = link.frame.Session().Protocol().BuildWriteMultiple(0x8C00, 64, data.data(), frame, FC_WRITE_MULTIPLE_REGISTERS);
    for (auto _ : state) {
        DWORD dwError = 0;
        WORD wLength = 8;
        if (!link.frame.Session().SendFrame(frame, n, &dwError) ||
            !link.frame.Session().ReceiveReply(reply, &wLength, &dwError, REPLY_TIMEOUT_MS)) {
            state.SkipWithError("no echo");
            break;
        }
    }
}
BENCHMARK(BM_WriteSixtyFourRegisters)->Unit(benchmark::kMillisecond);

void BM_ReadSixtyFourRegisters(benchmark::State& state)
{
    Link link;
    BYTE frame[16];
    BYTE reply[140];
    const int n = link.frame.Session().Protocol().BuildReadRequest(0x8C00, 64, frame, FC_READ_HOLDING_REGISTERS);
    for (auto _ : state) {
        DWORD dwError = 0;
        WORD wLength = 133;
        if (!link.frame.Session().SendFrame(frame, n, &dwError) ||
            !link.frame.Session().ReceiveReply(reply, &wLength, &dwError, REPLY_TIMEOUT_MS) ||
            link.frame.Session().Protocol().CheckReadReply(reply, wLength, FC_READ_HOLDING_REGISTERS) != 0) {
            state.SkipWithError("no reply");
            break;
        }
    }
}
BENCHMARK(BM_ReadSixtyFourRegisters)->Unit(benchmark::kMillisecond);

}  // namespace
