#include "platform/comm/SerialPortNames.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <string>
#include <unistd.h>

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<CString> paths;   // index + 1 is the number
};

Registry& TheRegistry()
{
    static Registry s_registry;
    return s_registry;
}

constexpr const char* kDevicePrefixes[] = {"ttyS", "ttyUSB", "ttyACM"};

// The family rank and the unit number of a device name; false for other names.
bool ParseDeviceName(const std::string& strName, int* pnFamily, long* pnUnit)
{
    for (int nFamily = 0; nFamily < int(std::size(kDevicePrefixes)); ++nFamily) {
        const std::string strPrefix = kDevicePrefixes[nFamily];
        if (strName.size() <= strPrefix.size() || strName.compare(0, strPrefix.size(), strPrefix) != 0)
            continue;
        const std::string strUnit = strName.substr(strPrefix.size());
        if (!std::all_of(strUnit.begin(), strUnit.end(), [](char ch) { return ch >= '0' && ch <= '9'; }) ||
            strUnit.size() > 6)
            return false;
        *pnFamily = nFamily;
        *pnUnit = std::stol(strUnit);
        return true;
    }
    return false;
}

}  // namespace

int SerialPortNumberOf(const CString& strPath)
{
    if (strPath.IsEmpty())
        return 0;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto it = std::find(registry.paths.begin(), registry.paths.end(), strPath);
    if (it != registry.paths.end())
        return int(it - registry.paths.begin()) + 1;
    if (int(registry.paths.size()) >= SERIAL_PORT_NUMBER_MAX)
        return 0;
    registry.paths.push_back(strPath);
    return int(registry.paths.size());
}

CString SerialPortPath(int nNumber)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    if (nNumber < 1 || nNumber > int(registry.paths.size()))
        return CString();
    return registry.paths[std::size_t(nNumber - 1)];
}

std::vector<CString> NumberedSerialPorts()
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.paths;
}

void ResetSerialPortNumbers()
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.paths.clear();
}

std::vector<CString> FindSerialDevices(const CString& strFolder)
{
    struct Found {
        int nFamily;
        long nUnit;
        std::string strPath;
    };
    std::vector<Found> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder.ToUtf8(), error)) {
        int nFamily = 0;
        long nUnit = 0;
        if (ParseDeviceName(entry.path().filename().string(), &nFamily, &nUnit))
            found.push_back({nFamily, nUnit, entry.path().string()});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.nFamily != b.nFamily ? a.nFamily < b.nFamily : a.nUnit < b.nUnit;
    });
    std::vector<CString> paths;
    for (const Found& device : found)
        paths.push_back(CString::FromUtf8(device.strPath));
    return paths;
}

BOOL CanOpenSerialDevice(const CString& strPath)
{
    // Opened and closed again, nothing set: a look at the list must not change a device's line
    // settings or its modem lines (a serial console, an adapter that resets on DTR).
    if (strPath.IsEmpty())
        return FALSE;
    const int fd = ::open(strPath.ToUtf8().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FALSE;
    const BOOL bTerminal = ::isatty(fd);
    ::close(fd);
    return bTerminal;
}

std::vector<CString> OpenableSerialPorts(const CString& strFolder)
{
    // The devices there are now, then the ports named before (pseudo-terminals among them).
    std::vector<CString> candidates = FindSerialDevices(strFolder);
    for (const CString& strPath : NumberedSerialPorts()) {
        if (std::find(candidates.begin(), candidates.end(), strPath) == candidates.end())
            candidates.push_back(strPath);
    }
    std::erase_if(candidates, [](const CString& strPath) { return !CanOpenSerialDevice(strPath); });
    return candidates;
}
