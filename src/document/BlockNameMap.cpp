#include "document/BlockNameMap.h"

#include <iterator>

CMap<int, int, CString, LPCTSTR> g_mapBlockNames;

namespace {

struct BlockName {
    int nType;
    LPCTSTR pszName;
};

// In insertion order. 815 follows 802 and 847 comes last but one: the order in which the
// block families were added to the controller, not the numeric one.
constexpr BlockName kBlockNames[] = {
    {810, u"[Message texts]"},
    {400, u"[On Delay]"},
    {401, u"[Off Delay]"},
    {402, u"[On/Off Delay]"},
    {403, u"[Retentive On-Delay]"},
    {404, u"[Wiping Relay(Pulse Output)]"},
    {405, u"[Edge Trigger Wiping Relay]"},
    {406, u"[Asynchronous Pulse Generator]"},
    {407, u"[Random Generator]"},
    {408, u"[Stairway lighting switch]"},
    {409, u"[Multiple function switch]"},
    {410, u"[Weekly Timer]"},
    {411, u"[Yearly Timer]"},
    {412, u"[Astronomical clock]"},
    {413, u"[Stopwatch]"},
    {800, u"[Up/Down Counter]"},
    {801, u"[Hour Counter]"},
    {802, u"[Threshold trigger]"},
    {815, u"[Mathematic instruction]"},
    {803, u"[Analog Comparator]"},
    {804, u"[Analog Threshold Trigger]"},
    {805, u"[Analog Amplifier]"},
    {806, u"[Analog Watchdog]"},
    {807, u"[Analog Differential trigger]"},
    {816, u"[Analog MUX]"},
    {817, u"[Analog Ramp]"},
    {818, u"[PI controller]"},
    {819, u"[PWM]"},
    {820, u"[Analog filter]"},
    {821, u"[Max/Min]"},
    {822, u"[Average value]"},
    {823, u"[Mathematic instruction error detection]"},
    {832, u"[BCD]"},
    {833, u"[BIN]"},
    {834, u"[ROL]"},
    {835, u"[ROR]"},
    {836, u"[SHL]"},
    {837, u"[SHR]"},
    {838, u"[AND MASK]"},
    {839, u"[OR MASK]"},
    {840, u"[NOT MASK]"},
    {841, u"[NAND MASK]"},
    {842, u"[NOR MASK]"},
    {843, u"[XOR MASK]"},
    {844, u"[Array Max/Min/Avg]"},
    {845, u"[Data Max/Min/Avg]"},
    {846, u"[RAND]"},
    {848, u"[Encoder]"},
    {849, u"[Stepping Motor Control]"},
    {850, u"[Stepping Motor Control(Edge)]"},
    {851, u"[Pulse Train Output]"},
    {852, u"[Pulse Train Output(Edge)]"},
    {853, u"[Segment Display]"},
    {854, u"[Word to Bit]"},
    {855, u"[UDC Communication]"},
    {856, u"[CRC16]"},
    {860, u"[Odd Number]"},
    {861, u"[Even Number]"},
    {862, u"[Modulo]"},
    {863, u"[Remainder]"},
    {864, u"[Logarithm]"},
    {865, u"[Square Root]"},
    {866, u"[Absolute Value]"},
    {867, u"[GCD]"},
    {868, u"[LCM]"},
    {869, u"[2's nth power]"},
    {870, u"[e's nth power]"},
    {871, u"[Fixed-point arithmetic]"},
    {872, u"[Round-off]"},
    {873, u"[Sine function]"},
    {874, u"[Cosine function]"},
    {875, u"[Tangent function]"},
    {876, u"[Cotangent function]"},
    {877, u"[Secant function]"},
    {878, u"[Cosecant function]"},
    {847, u"[MEM]"},
    {879, u"[Quadratic equation]"},
};
static_assert(std::size(kBlockNames) == BLOCK_NAME_COUNT);

} // namespace

void InitBlockNames()
{
    g_mapBlockNames.RemoveAll();
    g_mapBlockNames.InitHashTable(BLOCK_NAME_HASH_SIZE);
    for (const BlockName& name : kBlockNames)
        g_mapBlockNames.SetAt(name.nType, name.pszName);
}
