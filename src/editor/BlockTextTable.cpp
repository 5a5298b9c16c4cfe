#include "editor/BlockTextTable.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"

#include <array>

namespace {

// Pin labels and the power rail's name (string ids). A pin the block catalogue names takes
// that name; any other pin takes a label by its kind and place: digital inputs In1 .. In4 by
// position (In for a block's only input), analog inputs Ax and Ay, parameter pins Par.
constexpr UINT IN1 = 850;
constexpr UINT IN2 = 851;
constexpr UINT IN3 = 852;
constexpr UINT IN4 = 853;
constexpr UINT IN = 854;
constexpr UINT OUT = 855;
constexpr UINT T = 856;
constexpr UINT TRG = 857;
constexpr UINT R = 858;
constexpr UINT PAR = 859;
constexpr UINT S = 860;
constexpr UINT EN = 861;
constexpr UINT INV = 862;
constexpr UINT CNT = 863;
constexpr UINT DIR = 864;
constexpr UINT RAL = 865;
constexpr UINT FRE = 866;
constexpr UINT AX = 867;
constexpr UINT AY = 868;
constexpr UINT NO1 = 869;
constexpr UINT NO2 = 870;
constexpr UINT NO3 = 871;
constexpr UINT NO = 872;
constexpr UINT S1 = 873;
constexpr UINT S2 = 874;
constexpr UINT POWER_BUS_NAME = 875;

// One block kind: its type code, the string of its name, the labels of input pins 0-3 (no
// block has more inputs) and of output pin 10; 0 leaves a cell empty.
struct RowDef {
    int nType;
    UINT nName;
    std::array<UINT, 4> nInputs;
    UINT nOutput;
};

constexpr RowDef kRows[BLOCK_TEXT_ROWS] = {
    // Logic, rows 0-7.
    {BT_AND, 450, {IN1, IN2, IN3, IN4}, OUT},
    {BT_AND_EDGE, 451, {IN1, IN2, IN3, IN4}, OUT},
    {BT_NAND, 455, {IN1, IN2, IN3, IN4}, OUT},
    {BT_NAND_EDGE, 456, {IN1, IN2, IN3, IN4}, OUT},
    {BT_OR, 452, {IN1, IN2, IN3, IN4}, OUT},
    {BT_NOR, 457, {IN1, IN2, IN3, IN4}, OUT},
    {BT_XOR, 454, {IN1, IN2}, OUT},
    {BT_NOT, 453, {IN}, OUT},
    // Timers and clocks, rows 8-21; their names list their inputs.
    {BT_DPR, 810, {TRG, T}, OUT},
    {BT_DDR, 811, {TRG, R, T}, OUT},
    {BT_MPLR, 812, {TRG, PAR}, OUT},
    {BT_PLR, 813, {TRG, R, T}, OUT},
    {BT_CPG, 814, {TRG, T}, OUT},
    {BT_RPR, 815, {TRG, R, PAR}, OUT},
    {BT_APG, 816, {EN, INV, PAR}, OUT},
    {BT_RG, 824, {EN, PAR}, OUT},
    {BT_SLS, 826, {TRG, T}, OUT},
    {BT_MFS, 825, {TRG, R, PAR}, OUT},
    {BT_WT, 827, {NO1, NO2, NO3}, OUT},
    {BT_YT, 828, {NO}, OUT},
    {BT_AC, 501, {PAR}, OUT},
    {BT_SW, 502, {IN1, IN2, IN3, PAR}, OUT},
    // I/O, rows 22-33.
    {BT_IN, 480, {}, OUT},
    {BT_CURSOR_KEY, 490, {}, OUT},
    {BT_SHIFT, 488, {}, OUT},
    {BT_LOW, 473, {}, OUT},
    {BT_HIGH, 476, {}, OUT},
    {BT_OUT, 481, {IN}, OUT},
    {BT_OPENX, 482, {IN}, 0},
    {BT_FLAG, 483, {IN}, OUT},
    {BT_ANALOG_IN, 486, {}, OUT},
    {BT_ANALOG_OUT, 487, {IN}, OUT},
    {BT_ANALOG_FLAG, 491, {IN}, OUT},
    {BT_FKEY, 500, {}, OUT},
    // Ladder elements, rows 34-39.
    {BT_MAKE, 520, {IN}, OUT},
    {BT_BREAK, 521, {IN}, OUT},
    {BT_ACONTACT, 522, {IN}, OUT},
    {BT_RELAY_COIL, 523, {IN}, 0},
    {BT_INV_OUT, 524, {IN}, 0},
    {BT_AOUT_LAD, 525, {IN}, 0},
    // Function blocks 800-827, rows 40-67.
    {BT_COUNTER, 467, {R, CNT, DIR, PAR}, OUT},
    {BT_HCOUNTER, 495, {R, EN, RAL, PAR}, OUT},
    {BT_THTRG, 496, {FRE, PAR}, OUT},
    {BT_ACOMP, 497, {AX, AY, PAR}, OUT},
    {BT_ATHTRG, 498, {AX, PAR}, OUT},
    {BT_AAMP, 499, {AX, PAR}, OUT},
    {BT_AWDOG, 504, {EN, AX, PAR}, OUT},
    {BT_ADTRG, 505, {AX, PAR}, OUT},
    {BT_LR, 506, {IN1, IN2, PAR}, OUT},
    {BT_PR, 507, {IN1, IN2, IN3, PAR}, OUT},
    {BT_MSGTEXT, 508, {IN1, PAR, PAR}, OUT},
    {BT_SOFTKEY, 509, {IN1, IN2}, OUT},
    {BT_SREG, 517, {IN1, IN2, IN3, PAR}, OUT},
    {BT_MR, 518, {IN1, IN2, PAR}, OUT},
    {BT_MW, 519, {IN1, IN2, PAR}, OUT},
    {BT_AMATH, 510, {EN, PAR}, OUT},
    {BT_AMUX, 511, {EN, S1, S2, PAR}, OUT},
    {BT_ARAMP, 512, {IN1, IN2, IN3, PAR}, OUT},
    {BT_PI, 513, {IN1, IN2, AX, PAR}, OUT},
    {BT_PWM, 514, {IN1, AX, PAR}, OUT},
    {BT_AFILTER, 515, {AX, PAR}, OUT},
    {BT_MAXMIN, 516, {IN1, IN2, AX, PAR}, OUT},
    {BT_AVGVAL, 527, {IN1, IN2, AX, PAR}, OUT},
    {BT_MATHERR, 528, {IN1, IN2, PAR}, OUT},
    {BT_WIFI_IN, 645, {IN1, PAR}, OUT},
    {BT_WIFI_OUT, 646, {IN1, IN2, PAR}, 0},
    {BT_WIFI_AI, 647, {IN1, PAR}, OUT},
    {BT_WIFI_AOUT, 648, {IN1, AX, PAR}, 0},
    // Function blocks 830-856, rows 68-94.
    {BT_BOOLEAN, 529, {IN1, IN2, IN3, IN4}, OUT},
    {BT_TDT, 530, {IN1, IN2}, OUT},
    {BT_BCD, 531, {AX}, OUT},
    {BT_BIN, 532, {AX}, OUT},
    {BT_ROL, 533, {AX, PAR}, OUT},
    {BT_ROR, 534, {AX, PAR}, OUT},
    {BT_SHL, 535, {AX, PAR}, OUT},
    {BT_SHR, 536, {AX, PAR}, OUT},
    {BT_ANDM, 537, {AX, PAR}, OUT},
    {BT_ORM, 538, {AX, PAR}, OUT},
    {BT_NOTM, 539, {AX}, OUT},
    {BT_NANDM, 540, {AX, PAR}, OUT},
    {BT_NORM, 541, {AX, PAR}, OUT},
    {BT_XORM, 542, {AX, PAR}, OUT},
    {BT_ARRMXIV, 543, {PAR}, OUT},
    {BT_ACMXIV, 544, {AX, AY, PAR}, OUT},
    {BT_RAND, 545, {PAR}, OUT},
    {BT_MEM, 568, {IN1, PAR}, OUT},
    {BT_ENCODER, 569, {IN1, IN2, PAR}, OUT},
    {BT_SMC, 572, {IN1, IN2, PAR}, OUT},
    {BT_SMCE, 573, {IN1, IN2, IN3, PAR}, OUT},
    {BT_PTO, 574, {IN1, PAR}, OUT},
    {BT_PTOE, 575, {IN1, IN2, PAR}, OUT},
    {BT_SEG, 576, {EN, AX}, OUT},
    {BT_WORD2BIT, 577, {AX, PAR}, OUT},
    {BT_UDC, 564, {IN1, PAR}, OUT},
    {BT_CRC16, 578, {EN, PAR}, OUT},
    // Arithmetic 860-879, rows 95-114.
    {BT_ODD, 546, {AX}, OUT},
    {BT_EVEN, 547, {AX}, OUT},
    {BT_MOD, 548, {AX, PAR}, OUT},
    {BT_REM, 549, {AX, PAR}, OUT},
    {BT_LOG, 550, {AX, PAR}, OUT},
    {BT_SQRT, 551, {AX, PAR}, OUT},
    {BT_ABS, 552, {AX}, OUT},
    {BT_GCD, 553, {AX, AY}, OUT},
    {BT_LCM, 554, {AX, AY}, OUT},
    {BT_POW2, 555, {AX, PAR}, OUT},
    {BT_EXP, 556, {AX, PAR}, OUT},
    {BT_FIX, 557, {AX, PAR}, OUT},
    {BT_ROUND, 558, {AX, PAR}, OUT},
    {BT_SIN, 559, {AX, PAR}, OUT},
    {BT_COS, 560, {AX, PAR}, OUT},
    {BT_TAN, 561, {AX, PAR}, OUT},
    {BT_COT, 562, {AX, PAR}, OUT},
    {BT_SEC, 563, {AX, PAR}, OUT},
    {BT_CSC, 566, {AX, PAR}, OUT},
    {BT_QUAD, 567, {IN1, AX, PAR}, OUT},
    // The data log (row 115) and the ladder power rail (row 116).
    {BT_DATALOG, 636, {IN1, PAR}, 0},
    {BT_POWERBUS, POWER_BUS_NAME, {}, 0},
};

// The classic run arithmetic from type code to row.
constexpr int RunRow(int nType)
{
    struct Run {
        int nFirst;
        int nLast;
        int nOffset;
    };
    constexpr Run kRuns[] = {
        {300, 399, 300}, {400, 599, 392}, {600, 699, 578}, {700, 799, 666},
        {800, 829, 760}, {830, 859, 762}, {860, 899, 765}, {911, 950, 796},
    };
    for (const Run& run : kRuns) {
        if (nType >= run.nFirst && nType <= run.nLast)
            return nType - run.nOffset;
    }
    return nType == BT_POWERBUS ? BLOCK_TEXT_POWER_BUS_ROW : -1;
}

// Every defined kind sits on the row the run arithmetic gives it.
constexpr bool RowsFollowTheRuns()
{
    for (int nRow = 0; nRow < BLOCK_TEXT_ROWS; ++nRow) {
        if (RunRow(kRows[nRow].nType) != nRow)
            return false;
    }
    return true;
}
static_assert(RowsFollowTheRuns(), "each block kind must sit on the row its type code gives");

} // namespace

int BlockTextRow(int nType)
{
    const int nRow = RunRow(nType);
    // The runs cover codes that name no block (414-599, 612-699, 912-950 ...): those would
    // land on another kind's row or past the table's end, so only the kind's own code counts.
    if (nRow < 0 || nRow >= BLOCK_TEXT_ROWS || kRows[nRow].nType != nType)
        return -1;
    return nRow;
}

UINT BlockTextStringId(int nRow, int nColumn)
{
    if (nRow < 0 || nRow >= BLOCK_TEXT_ROWS || nColumn < 0 || nColumn >= BLOCK_TEXT_COLUMNS)
        return 0;
    const RowDef& row = kRows[nRow];
    if (nColumn == BLOCK_TEXT_NAME)
        return row.nName;
    if (nColumn < int(row.nInputs.size()))
        return row.nInputs[std::size_t(nColumn)];
    return nColumn == BLOCK_FIRST_OUTPUT ? row.nOutput : 0;
}

void LoadBlockTextTable(BlockTextTable& table)
{
    for (int nRow = 0; nRow < BLOCK_TEXT_ROWS; ++nRow) {
        for (int nColumn = 0; nColumn < BLOCK_TEXT_COLUMNS; ++nColumn) {
            CString& cell = table[nRow][nColumn];
            cell.Empty();
            if (const UINT nId = BlockTextStringId(nRow, nColumn))
                cell.LoadString(nId);
        }
    }
}

const CString& BlockTextOf(const BlockTextTable& table, int nType, int nColumn)
{
    static const CString kEmpty;
    const int nRow = BlockTextRow(nType);
    if (nRow < 0 || nColumn < 0 || nColumn >= BLOCK_TEXT_COLUMNS)
        return kEmpty;
    return table[nRow][nColumn];
}
