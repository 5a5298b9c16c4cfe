// The simulated controller as a program of its own, for the scripts that drive the real
// program under a virtual X screen: it opens a pseudo-terminal, prints the device path the
// program is to open, and answers as a controller of the given hardware code until it is
// stopped (SIGTERM or SIGINT).
//   qarvo-simcontroller [hardware code, hex, default 5188] [firmware version, hex, default C100]
//                       [--running] [--password=LETTERS] [--baud=RATE] [--delay=MS]
//                       [--fault=KIND[:FUNCTION[:EXCEPTION]]] [--clock=YYYY-MM-DD[THH:MM:SS]]
// With --running the controller's inputs, outputs, analog values, flags and clock change twice a
// second, as those of a controller running a program would. --password puts a program password
// in its memory, as a downloaded program with one does. --baud makes the line as slow as that
// rate (115200 for the controller's fastest); --delay holds every reply back. --fault makes the
// replies to one function code (all with none or 0) misbehave: no-reply, bad-crc,
// wrong-address, exception (code 3 unless given), short-reply, in-pieces or any-machine.
// --clock sets the clock's fields as given, also a date no calendar has (2005-06-15 before the
// clock's range, 0000-00-00 of a clock never set).
#include "support/SimulatedController.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

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

using Fault = SimulatedController::Fault;

struct FaultName {
    const char* pszName;
    Fault fault;
};

constexpr FaultName kFaults[] = {
    {"no-reply", Fault::NoReply},       {"bad-crc", Fault::WrongCrc},      {"wrong-address", Fault::WrongSlave},
    {"exception", Fault::Exception},    {"short-reply", Fault::CutShort},  {"in-pieces", Fault::InPieces},
    {"any-machine", Fault::AnyMachineReply},
};

// The value of an option "--name=value", or null when the argument is not that option.
const char* OptionValue(const char* pszArgument, const char* pszName)
{
    const std::size_t n = std::strlen(pszName);
    return std::strncmp(pszArgument, pszName, n) == 0 && pszArgument[n] == '=' ? pszArgument + n + 1 : nullptr;
}

// "KIND[:FUNCTION[:EXCEPTION]]"; false for an unknown kind.
bool ApplyFault(SimulatedController& controller, const char* pszValue)
{
    const char* pszColon = std::strchr(pszValue, ':');
    const std::size_t nName = pszColon ? std::size_t(pszColon - pszValue) : std::strlen(pszValue);
    for (const FaultName& f : kFaults) {
        if (std::strlen(f.pszName) != nName || std::strncmp(f.pszName, pszValue, nName) != 0)
            continue;
        char* pszEnd = nullptr;
        const long nFunction = pszColon ? std::strtol(pszColon + 1, &pszEnd, 10) : 0;
        const long nException = pszEnd && *pszEnd == ':' ? std::strtol(pszEnd + 1, nullptr, 10) : 3;
        controller.SetFault(f.fault, std::uint8_t(nFunction), std::uint8_t(nException));
        return true;
    }
    return false;
}

// "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM:SS" into the clock's registers; false for another form.
bool ApplyClock(SimulatedController& controller, const char* pszValue)
{
    int fields[6] = {};
    const int nRead = std::sscanf(pszValue, "%d-%d-%dT%d:%d:%d", &fields[0], &fields[1], &fields[2], &fields[3],
                                  &fields[4], &fields[5]);
    if (nRead != 3 && nRead != 6)
        return false;
    for (int i = 0; i < 6; ++i)
        controller.SetRegister(std::uint16_t(SimulatedController::kClockRegister + i), std::uint16_t(fields[i]));
    return true;
}

}   // namespace

int main(int argc, char** argv)
{
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::vector<char*> positional;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-')
            positional.push_back(argv[i]);
    }
    positional.insert(positional.begin(), argv[0]);
    const int nPositional = int(positional.size());
    SimulatedController controller(HexArgument(nPositional, positional.data(), 1, 0x5188),
                                   HexArgument(nPositional, positional.data(), 2, 0xC100));
    if (controller.Path().empty()) {
        std::fprintf(stderr, "no pseudo-terminal available\n");
        return 1;
    }
    bool bRunning = false;
    for (int i = 1; i < argc; ++i) {
        const char* pszArgument = argv[i];
        if (pszArgument[0] != '-')
            continue;
        if (std::strcmp(pszArgument, "--running") == 0) {
            bRunning = true;
        } else if (const char* pszPassword = OptionValue(pszArgument, "--password")) {
            controller.SetPassword(pszPassword);
        } else if (const char* pszBaud = OptionValue(pszArgument, "--baud")) {
            controller.SetLineBaud(std::atoi(pszBaud));
        } else if (const char* pszDelay = OptionValue(pszArgument, "--delay")) {
            controller.SetReplyDelay(std::atoi(pszDelay));
        } else if (const char* pszClock = OptionValue(pszArgument, "--clock")) {
            if (!ApplyClock(controller, pszClock)) {
                std::fprintf(stderr, "unknown clock: %s\n", pszClock);
                return 2;
            }
        } else if (const char* pszFault = OptionValue(pszArgument, "--fault")) {
            if (!ApplyFault(controller, pszFault)) {
                std::fprintf(stderr, "unknown fault: %s\n", pszFault);
                return 2;
            }
        } else {
            std::fprintf(stderr, "unknown option: %s\n", pszArgument);
            return 2;
        }
    }
    std::printf("%s\n", controller.Path().c_str());
    std::fflush(stdout);
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
