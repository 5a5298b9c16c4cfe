#include "document/ProgramSettings.h"

#include "document/HardwareChange.h"
#include "document/HardwareSeries.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int OLDER_BAUD_LIMIT = 10;
static_assert(PROGRAM_AQ_COUNT == AQ_CHANNEL_COUNT);

// The values compare bit for bit, as they are stored and sent.
template <class T, std::size_t N>
bool SameBits(const T (&a)[N], const T (&b)[N])
{
    return std::memcmp(a, b, sizeof(a)) == 0;
}

} // namespace

bool AnalogSettings::operator==(const AnalogSettings& o) const
{
    return SameBits(nAiRangeType, o.nAiRangeType) && bKeepAqValues == o.bKeepAqValues &&
           SameBits(dAqFixedValue, o.dAqFixedValue) && SameBits(byAqRangeType, o.byAqRangeType);
}

bool ProgramSettings::operator==(const ProgramSettings& o) const
{
    return std::equal(std::begin(strProject), std::end(strProject), std::begin(o.strProject)) &&
           SameBits(com, o.com) && bShowAtNewFile == o.bShowAtNewFile && strComment == o.strComment &&
           strProgramName == o.strProgramName && strPassword == o.strPassword && nRedundancy == o.nRedundancy &&
           nSyncTime == o.nSyncTime && bCopyProtect == o.bCopyProtect && nTempHigh == o.nTempHigh &&
           nTempLow == o.nTempLow && strLogoFile == o.strLogoFile && bLogoInverse == o.bLogoInverse &&
           lcd == o.lcd && analog == o.analog;
}

ProgramSettings ReadProgramSettings(const CVetlaDoc& doc)
{
    ProgramSettings s = doc.m_settings;
    if (!doc.IsNewGenerationDoc())
        s.lcd = LcdSettings{0, 0, 0, 0};
    return s;
}

BOOL WriteProgramSettings(const ProgramSettings& s, WORD wHardwareCode, CVetlaDoc& doc)
{
    BOOL bChanged = FALSE;
    if (GetHardwareSeries(wHardwareCode, nullptr, nullptr) != GetHardwareSeries(doc.m_wHardwareCode, nullptr, nullptr)) {
        ApplyHardwareChange(doc, wHardwareCode);
        bChanged = TRUE;
    }
    ProgramSettings written = s;
    if (!doc.IsNewGenerationDoc()) {
        written.lcd = doc.m_settings.lcd;
        written.analog = doc.m_settings.analog;
        for (ComPortSettings& com : written.com) {
            if (com.nBaudIndex >= OLDER_BAUD_LIMIT)
                com.nBaudIndex = COM_BAUD_9600;
        }
    }
    if (written == doc.m_settings)
        return bChanged;
    doc.m_settings = written;
    return TRUE;
}
