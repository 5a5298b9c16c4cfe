// The simulated controller as a program of its own, for the scripts that drive the real
// program under a virtual X screen: it opens a pseudo-terminal, prints the device path the
// program is to open, and answers as a controller of the given hardware code until it is
// stopped (SIGTERM or SIGINT).
//   qarvo-simcontroller [hardware code, hex, default 5188] [firmware version, hex, default C100]
#include "support/SimulatedController.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

volatile std::sig_atomic_t g_bStop = 0;

void OnSignal(int) { g_bStop = 1; }

std::uint16_t HexArgument(int argc, char** argv, int nIndex, std::uint16_t wDefault)
{
    return nIndex < argc ? std::uint16_t(std::strtoul(argv[nIndex], nullptr, 16)) : wDefault;
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
    while (!g_bStop)
        pause();
    return 0;
}
