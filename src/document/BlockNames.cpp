// The caption and parameter-name tables. Their texts are what the user reads in sheet captions,
// block lists and message texts, so they keep the spelling the controller's users know.
#include "document/BlockNames.h"

#include "platform/core/StringTable.h"

#include <iterator>

CMap<int, int, CString, LPCTSTR> g_mapBlockCaption;
CStringArray g_arrParameterNames;

namespace {

constexpr BlockCaptionEntry kCaptions[] = {
    {300, u"[AND]", ChineseCaption::FromStrings, 1571, nullptr},
    {301, u"[AND(Edge)]", ChineseCaption::FromStrings, 1572, nullptr},
    {302, u"[NAND]", ChineseCaption::FromStrings, 1573, nullptr},
    {303, u"[NAND(Edge)]", ChineseCaption::FromStrings, 1574, nullptr},
    {304, u"[OR]", ChineseCaption::FromStrings, 1575, nullptr},
    {305, u"[NOR]", ChineseCaption::FromStrings, 1576, nullptr},
    {306, u"[XOR]", ChineseCaption::FromStrings, 1577, nullptr},
    {307, u"[NOT]", ChineseCaption::FromStrings, 1578, nullptr},
    {400, u"[On-Delay]", ChineseCaption::FromStrings, 1579, nullptr},
    {401, u"[Off-Delay]", ChineseCaption::FromStrings, 1580, nullptr},
    {402, u"[On-/Off-Delay]", ChineseCaption::FromStrings, 1581, nullptr},
    {403, u"[Retentive On-Delay]", ChineseCaption::FromStrings, 1582, nullptr},
    {404, u"[Wiping relay(pulse output)]", ChineseCaption::FromStrings, 1583, nullptr},
    {405, u"[Edge trigger wiping relay]", ChineseCaption::FromStrings, 1584, nullptr},
    {406, u"[Asynchronous Pulse Generator]", ChineseCaption::FromStrings, 1585, nullptr},
    {407, u"[Random Generator]", ChineseCaption::FromStrings, 1586, nullptr},
    {408, u"[Stairway lighting switch]", ChineseCaption::FromStrings, 1587, nullptr},
    {409, u"[Multiple function switch]", ChineseCaption::FromStrings, 1588, nullptr},
    {410, u"[Weekly Timer]", ChineseCaption::FromStrings, 1589, nullptr},
    {411, u"[Yearly Timer]", ChineseCaption::FromStrings, 1590, nullptr},
    {412, u"[Astronomical clock]", ChineseCaption::FromStrings, 1591, nullptr},
    {413, u"[Stopwatch]", ChineseCaption::FromStrings, 1592, nullptr},
    {600, u"[Input]", ChineseCaption::FromStrings, 1593, nullptr},
    {601, u"[Cursor Key]", ChineseCaption::NotWritten, 0, nullptr},
    {602, u"[Shift register bit]", ChineseCaption::FromStrings, 1595, nullptr},
    {603, u"[Status 0 (low)]", ChineseCaption::FromStrings, 1596, nullptr},
    {604, u"[Status 1 (high)]", ChineseCaption::FromStrings, 1597, nullptr},
    {605, u"[Output]", ChineseCaption::FromStrings, 1598, nullptr},
    {606, u"[Open connector]", ChineseCaption::FromStrings, 1599, nullptr},
    {607, u"[Flag]", ChineseCaption::FromStrings, 1600, nullptr},
    {608, u"[Analog input]", ChineseCaption::FromStrings, 1601, nullptr},
    {609, u"[Analog output]", ChineseCaption::FromStrings, 1602, nullptr},
    {610, u"[Analog flag]", ChineseCaption::FromStrings, 1603, nullptr},
    {611, u"[TD Function key]", ChineseCaption::FromStrings, 1594, nullptr},
    {700, u"[Make contact]", ChineseCaption::English, 0, nullptr},
    {701, u"[Break contact]", ChineseCaption::English, 0, nullptr},
    {702, u"[Analog contact]", ChineseCaption::English, 0, nullptr},
    {703, u"[Relay coil]", ChineseCaption::English, 0, nullptr},
    {704, u"[Inverted output]", ChineseCaption::English, 0, nullptr},
    {705, u"[Analog output]", ChineseCaption::English, 0, nullptr},
    {800, u"[Up/Down Counter]", ChineseCaption::FromStrings, 1610, nullptr},
    {801, u"[Hours Counter]", ChineseCaption::FromStrings, 1611, nullptr},
    {802, u"[Threshold Trigger]", ChineseCaption::FromStrings, 1612, nullptr},
    {803, u"[Analog Comparator]", ChineseCaption::FromStrings, 1614, nullptr},
    {804, u"[Analog threshold trigger]", ChineseCaption::FromStrings, 1615, nullptr},
    {805, u"[Analog Amplifier]", ChineseCaption::FromStrings, 1616, nullptr},
    {806, u"[Analog watchdog]", ChineseCaption::FromStrings, 1617, nullptr},
    {807, u"[Analog differential trigger]", ChineseCaption::FromStrings, 1618, nullptr},
    {808, u"[Latching Relay]", ChineseCaption::FromStrings, 1626, nullptr},
    {809, u"[Pulse Relay]", ChineseCaption::FromStrings, 1627, nullptr},
    {810, u"[Message texts]", ChineseCaption::FromStrings, 1628, nullptr},
    {811, u"[SoftKey]", ChineseCaption::NotWritten, 0, nullptr},
    {812, u"[Shift Register]", ChineseCaption::FromStrings, 1629, nullptr},
    {813, u"[Modbus Read]", ChineseCaption::FromStrings, 1631, nullptr},
    {814, u"[Modbus Write]", ChineseCaption::FromStrings, 1632, nullptr},
    {815, u"[Mathematic instruction]", ChineseCaption::English, 0, nullptr},
    {816, u"[Analog Multiplexer]", ChineseCaption::English, 0, nullptr},
    {817, u"[Analog Ramp]", ChineseCaption::English, 0, nullptr},
    {818, u"[PI controller]", ChineseCaption::English, 0, nullptr},
    {819, u"[PWM]", ChineseCaption::English, 0, nullptr},
    {820, u"[Analog filter]", ChineseCaption::English, 0, nullptr},
    {821, u"[Max/Min]", ChineseCaption::English, 0, nullptr},
    {822, u"[Average value]", ChineseCaption::English, 0, nullptr},
    {823, u"[Mathematical instruction error detection]", ChineseCaption::English, 0, nullptr},
    {824, u"[WiFi Digital Read]", ChineseCaption::Own, 0, u"[WIFI Input]"},
    {825, u"[WiFi Digital Write]", ChineseCaption::Own, 0, u"[WIFI Output]"},
    {826, u"[WiFi Analog Read]", ChineseCaption::Own, 0, u"[WIFI Analog Input]"},
    {827, u"[WiFi Analog Write]", ChineseCaption::Own, 0, u"[WIFI Analog Output]"},
    {830, u"[Boolean function]", ChineseCaption::English, 0, nullptr},
    {831, u"[Trigger date time]", ChineseCaption::English, 0, nullptr},
    {832, u"[Binary-Coded Decimal]", ChineseCaption::English, 0, nullptr},
    {833, u"[Binary Code]", ChineseCaption::English, 0, nullptr},
    {834, u"[Left Rotation]", ChineseCaption::English, 0, nullptr},
    {835, u"[Right Rotation]", ChineseCaption::English, 0, nullptr},
    {836, u"[Left Shift]", ChineseCaption::English, 0, nullptr},
    {837, u"[Right Shift]", ChineseCaption::English, 0, nullptr},
    {838, u"[AND MASK]", ChineseCaption::English, 0, nullptr},
    {839, u"[OR MASK]", ChineseCaption::English, 0, nullptr},
    {840, u"[NOT MASK]", ChineseCaption::English, 0, nullptr},
    {841, u"[NAND MASK]", ChineseCaption::English, 0, nullptr},
    {842, u"[NOR MASK]", ChineseCaption::English, 0, nullptr},
    {843, u"[XOR MASK]", ChineseCaption::English, 0, nullptr},
    {844, u"[Data array Max/Min/Avg]", ChineseCaption::English, 0, nullptr},
    {845, u"[Data Max/Min/Avg]", ChineseCaption::English, 0, nullptr},
    {846, u"[RAND]", ChineseCaption::English, 0, nullptr},
    {847, u"[MEM]", ChineseCaption::English, 0, nullptr},
    {848, u"[Encoder]", ChineseCaption::English, 0, nullptr},
    {849, u"[Stepping Motor Control]", ChineseCaption::English, 0, nullptr},
    {850, u"[Stepping Motor Control(Edge)]", ChineseCaption::English, 0, nullptr},
    {851, u"[Pulse Train Output]", ChineseCaption::English, 0, nullptr},
    {852, u"[Pulse Train Output(Edge)]", ChineseCaption::English, 0, nullptr},
    {853, u"[Segment Display]", ChineseCaption::English, 0, nullptr},
    {854, u"[Word to Bit]", ChineseCaption::English, 0, nullptr},
    {855, u"[UDC Communication]", ChineseCaption::English, 0, nullptr},
    {856, u"[CRC16]", ChineseCaption::English, 0, nullptr},
    {860, u"[Odd Number]", ChineseCaption::English, 0, nullptr},
    {861, u"[Even Number]", ChineseCaption::English, 0, nullptr},
    {862, u"[Modulo]", ChineseCaption::English, 0, nullptr},
    {863, u"[Remainder]", ChineseCaption::English, 0, nullptr},
    {864, u"[Logarithm]", ChineseCaption::English, 0, nullptr},
    {865, u"[Square root]", ChineseCaption::English, 0, nullptr},
    {866, u"[Absolute value]", ChineseCaption::English, 0, nullptr},
    {867, u"[GCD]", ChineseCaption::English, 0, nullptr},
    {868, u"[LCM]", ChineseCaption::English, 0, nullptr},
    {869, u"[2's n power]", ChineseCaption::English, 0, nullptr},
    {870, u"[e's n power]", ChineseCaption::English, 0, nullptr},
    {871, u"[Fixed-point arithmetic]", ChineseCaption::English, 0, nullptr},
    {872, u"[Round-off]", ChineseCaption::English, 0, nullptr},
    {873, u"[Sine function]", ChineseCaption::English, 0, nullptr},
    {874, u"[Cosine function]", ChineseCaption::English, 0, nullptr},
    {875, u"[Tangent function]", ChineseCaption::English, 0, nullptr},
    {876, u"[Cotangent function]", ChineseCaption::English, 0, nullptr},
    {877, u"[Secant function]", ChineseCaption::English, 0, nullptr},
    {878, u"[Cosecant function]", ChineseCaption::English, 0, nullptr},
    {879, u"[Quadratic equation]", ChineseCaption::English, 0, nullptr},
    {911, u"[Data Log]", ChineseCaption::English, 0, nullptr},
};

static_assert(std::size(kCaptions) == 116);

// Indexes are stored in message texts, data logs and program images: ids never move, and the
// reserved ones stay empty.
constexpr LPCTSTR kParameterNames[PARAMETER_NAME_COUNT] = {
    u"Current Time", // 0
    u"Current Date", // 1
    u"Message Enable Time", // 2
    u"Message Enable Date", // 3
    u"On-Delay", // 4
    u"Off-Delay", // 5
    u"On Time(TH)", // 6
    u"Off Time(TL)", // 7
    u"Interpulse Width", // 8
    u"Pulse Width", // 9
    u"Max. On Delay(TH)", // 10
    u"Max. Off Delay(TL)", // 11
    u"Pre-Warning time(T!)", // 12
    u"Pre-Warning period(T!L)", // 13
    u"Permanent Light(TL)", // 14
    u"Weekday1", // 15
    u"Counter", // 16
    u"On Threshold", // 17
    u"Off Threshold", // 18
    u"Maintenance Interval(MI)", // 19
    u"Time-to-go(MN)", // 20
    u"Total Time(OT)", // 21
    u"Frequency", // 22
    u"Gate Time", // 23
    u"On", // 24
    u"Off", // 25
    u"Gain", // 26
    u"Offset", // 27
    u"Ax,Amplified", // 28
    u"Ay,Amplified", // 29
    u"Ax(Amplified) - Ay(Amplified)", // 30
    u"Differential", // 31
    u"Aen(Comparison Value)", // 32
    u"Status", // 33
    u"Current Time", // 34
    u"On Time", // 35
    u"Off Time", // 36
    u"On Threshold", // 37
    u"Off Threshold", // 38
    u"Interpulse Width(TL)", // 39
    u"Pulse Width(TH)", // 40
    u"Off Delay Time(T)", // 41
    u"On Time1", // 42
    u"Off Time1", // 43
    u"Weekday2", // 44
    u"On Time2", // 45
    u"Off Time2", // 46
    u"Weekday3", // 47
    u"On Time3", // 48
    u"Off Time3", // 49
    u"Remaining Time", // 50
    u"On Time (TH) Remaining", // 51
    u"Off Time (TL) Remaining", // 52
    u"Pulse width(TH) Remaining", // 53
    u"Interpulse width Remaining", // 54
    u"Pulse Remaining", // 55
    u"Interpulse Remaining", // 56
    u"Max. On Delay Remaining", // 57
    u"Max. Off Delay Remaining", // 58
    u"Off Delay(TL) Remaining", // 59
    u"Pre-warning time Remaining", // 60
    u"Pre-warn period Remaining", // 61
    u"Off Delay Time Remaining", // 62
    u"Permanent Light Remaining", // 63
    u"Start Value", // 64
    u"MI-hour:miniute", // 65
    u"MN-hour:miniute", // 66
    u"OT-hour:miniute", // 67
    u"Threshold 1(+)", // 68
    u"Threshold 2(-)", // 69
    u"Aq amplified", // 70
    u"V1", // 71
    u"V2", // 72
    u"V3", // 73
    u"V4", // 74
    u"Longitude", // 75
    u"Latitude", // 76
    u"Time Zone(E+;W-)", // 77
    u"Sunrise Time", // 78
    u"Sunset Time", // 79
    u"Time Base", // 80
    u"Current time", // 81
    u"Lap Time", // 82
    u"Output Time", // 83
    u"V1(S1=0;S2=0)", // 84
    u"V2(S1=0;S2=1)", // 85
    u"V3(S1=1;S2=0)", // 86
    u"V4(S1=1;S2=1)", // 87
    u"Number of samples", // 88
    u"Ax", // 89
    u"Ay", // 90
    u"Sampling time", // 91
    u"Number of samples", // 92
    u"Ax", // 93
    u"Aq", // 94
    u"Mode", // 95
    u"Minimum value", // 96
    u"Maximum value", // 97
    u"Aq", // 98
    u"Referenced mathematic instruction block", // 99
    u"Overflow", // 100
    u"Zero division", // 101
    u"Current level", // 102
    u"Level1(L1)", // 103
    u"Level2(L2)", // 104
    u"Largest output value", // 105
    u"Start/Stop offset", // 106
    u"Speed of change", // 107
    u"Smallest process value", // 108
    u"Largest process value", // 109
    u"Set value(SP)", // 110
    u"Controller amplification(KC)", // 111
    u"Intergration time(TI)", // 112
    u"Manual output(Mq)", // 113
    u"Aq", // 114
    u"PV,amplified", // 115
    u"Periodic time", // 116
    u"Ax,amplified(current period)", // 117
    u"NbR", // 118
    u"NbS", // 119
    u"MASK", // 120
    u"Number", // 121
    u"Base", // 122
    u"Amplified", // 123
    u"Nb,Bit Position", // 124
    u"Current Value", // 125
    u"Speed", // 126
    u"Steps", // 127
    u"Cycle", // 128
    u"CRC", // 129
    u"Source", // 130
    u"", // 131
    u"", // 132
    u"", // 133
    u"", // 134
    u"", // 135
    u"", // 136
    u"", // 137
    u"Pulse Width", // 138
    u"Number", // 139
    u"Start Value", // 140
    u"On Threshold", // 141
    u"Off Threshold", // 142
    u"Number", // 143
    u"Counter", // 144
};

} // namespace

std::span<const BlockCaptionEntry> BlockCaptionTable()
{
    return kCaptions;
}

CString BlockCaptionText(const BlockCaptionEntry& entry, BOOL bChinese)
{
    if (!bChinese)
        return entry.pszEnglish;
    switch (entry.chinese) {
    case ChineseCaption::FromStrings: {
        const LPCTSTR pszName = CStringTable::Program().Lookup(entry.nChineseId, UiLanguage::SimplifiedChinese);
        return pszName ? _T("[") + CString(pszName) + _T("]") : CString(entry.pszEnglish);
    }
    case ChineseCaption::Own:
        return entry.pszChinese;
    case ChineseCaption::NotWritten:
        return CString();
    case ChineseCaption::English:
        break;
    }
    return entry.pszEnglish;
}

std::span<const LPCTSTR> ParameterNameTable()
{
    return kParameterNames;
}
