// The simulated controller as a program of its own, for the scripts that drive the real
// program under a virtual X screen: it opens a pseudo-terminal, prints the device path the
// program is to open, and answers as a controller of the given hardware code until it is
// stopped (SIGTERM or SIGINT).
//   qarvo-simcontroller [hardware code, hex, default 5188] [firmware version, hex, default C100]
//                       [--running]
// With --running the controller's inputs, outputs, analog values, flags and clock change twice a
// second, as those of a controller running a program would.
#include "support/SimulatedController.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

volatile std::sig_atomic_t g_bStop = 0;

void OnSignal(int) { g_bStop = 1; }

std::uint16_t HexArgument(int argc, char** argv, int nIndex, std::uint16_t wDefault)
{
    return nIndex < argc ? std::uint16_t(std::strtoul(argv[nIndex], nullptr, 16)) : wDefault;
}

// One step of the running program: a walking bit over the inputs, outputs and flags, rising
// analog values, and the wall clock's time.
void RunStep(SimulatedController& controller, int nStep)
{
    for (int i = 0; i < 512; ++i) {
        if (i < 256)
            controller.SetDiscreteInput(std::uint16_t(i), (i + nStep) % 5 == 0);
        if (i < 128)
            controller.SetCoil(std::uint16_t(256 + i), (i + nStep) % 3 == 0);
        controller.SetCoil(std::uint16_t(384 + i), (i * 7 + nStep) % 4 == 0);
        controller.SetRegister(std::uint16_t(596 + i), std::uint16_t((i * 13 + nStep * 11) % 1000));
        if (i < 64)
            controller.SetInputRegister(std::uint16_t(500 + i), std::uint16_t((i * 100 + nStep * 7) % 1024));
        if (i < 32)
            controller.SetRegister(std::uint16_t(564 + i), std::uint16_t((i * 50 + nStep * 3) % 1000));
    }
    const std::time_t now = std::time(nullptr);
    const std::tm* pTime = std::localtime(&now);
    controller.SetRegister(304, std::uint16_t(pTime->tm_hour));
    controller.SetRegister(305, std::uint16_t(pTime->tm_min));
    controller.SetRegister(306, std::uint16_t(pTime->tm_sec));
}

}   // namespace

int main(int argc, char** argv)
{
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    SimulatedController controller(HexArgument(argc, argv, 1, 0x5188), HexArgument(argc, argv, 2, 0xC100));
    if (controller.Path().empty()) {
        std::fprintf(stderr, "no pseudo-terminal available\n");
        return 1;
    }
    std::printf("%s\n", controller.Path().c_str());
    std::fflush(stdout);
    const bool bRunning = argc > 3 && std::strcmp(argv[3], "--running") == 0;
    for (int nStep = 0; !g_bStop; ++nStep) {
        if (!bRunning) {
            pause();
            continue;
        }
        RunStep(controller, nStep);
        usleep(500 * 1000);
    }
    return 0;
}
