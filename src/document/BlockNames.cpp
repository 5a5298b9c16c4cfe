// The parameter-name table and the captions' language rule. Their texts are what the user reads
// in sheet captions, block lists and message texts, so they keep the spelling the controller's
// users know.
#include "document/BlockNames.h"

#include "platform/core/StringTable.h"

#include <iterator>

CMap<int, int, CString, LPCTSTR> g_mapBlockCaption;
CStringArray g_arrParameterNames;

namespace {

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

CString BlockCaptionText(const BlockCaption& caption, BOOL bChinese)
{
    if (!bChinese)
        return caption.pszEnglish;
    switch (caption.chinese) {
    case ChineseCaption::FromStrings: {
        const LPCTSTR pszName = ChineseBlockName(caption);
        return pszName ? _T("[") + CString(pszName) + _T("]") : CString(caption.pszEnglish);
    }
    case ChineseCaption::Own:
        return caption.pszChinese;
    case ChineseCaption::NotWritten:
        return CString();
    case ChineseCaption::English:
        break;
    }
    return caption.pszEnglish;
}

LPCTSTR ChineseBlockName(const BlockCaption& caption)
{
    if (caption.nChineseId == 0)
        return nullptr;
    return CStringTable::Program().Lookup(caption.nChineseId, UiLanguage::SimplifiedChinese);
}

std::span<const LPCTSTR> ParameterNameTable()
{
    return kParameterNames;
}
