// Block type codes, pin link codes, pin kinds and block number spaces: the integers through
// which palettes, files, the program image and the classes name the kinds of element. What a
// type code stands for (its class, pins, names, palette entry, family) is its row of the
// block-type table (BlockTypeTable.h).
#pragma once

#include "platform/core/Types.h"

// Type codes (m_nType). Basic logic.
constexpr int BT_AND = 300;
constexpr int BT_AND_EDGE = 301;
constexpr int BT_NAND = 302;
constexpr int BT_NAND_EDGE = 303;
constexpr int BT_OR = 304;
constexpr int BT_NOR = 305;
constexpr int BT_XOR = 306;
constexpr int BT_NOT = 307;
// Timers and clocks.
constexpr int BT_DPR = 400;
constexpr int BT_DDR = 401;
constexpr int BT_MPLR = 402;
constexpr int BT_PLR = 403;
constexpr int BT_CPG = 404;
constexpr int BT_RPR = 405;
constexpr int BT_APG = 406;
constexpr int BT_RG = 407;
constexpr int BT_SLS = 408;
constexpr int BT_MFS = 409;
constexpr int BT_WT = 410;
constexpr int BT_YT = 411;
constexpr int BT_AC = 412;
constexpr int BT_SW = 413;
// I/O and constants.
constexpr int BT_IN = 600;
constexpr int BT_CURSOR_KEY = 601;
constexpr int BT_SHIFT = 602;
constexpr int BT_LOW = 603;
constexpr int BT_HIGH = 604;
constexpr int BT_OUT = 605;
constexpr int BT_OPENX = 606;
constexpr int BT_FLAG = 607;
constexpr int BT_ANALOG_IN = 608;
constexpr int BT_ANALOG_OUT = 609;
constexpr int BT_ANALOG_FLAG = 610;
constexpr int BT_FKEY = 611;
// Ladder elements.
constexpr int BT_MAKE = 700;
constexpr int BT_BREAK = 701;
constexpr int BT_ACONTACT = 702;
constexpr int BT_RELAY_COIL = 703;
constexpr int BT_INV_OUT = 704;
constexpr int BT_AOUT_LAD = 705;
// Function blocks 800-879.
constexpr int BT_COUNTER = 800;
constexpr int BT_HCOUNTER = 801;
constexpr int BT_THTRG = 802;
constexpr int BT_ACOMP = 803;
constexpr int BT_ATHTRG = 804;
constexpr int BT_AAMP = 805;
constexpr int BT_AWDOG = 806;
constexpr int BT_ADTRG = 807;
constexpr int BT_LR = 808;
constexpr int BT_PR = 809;
constexpr int BT_MSGTEXT = 810;
constexpr int BT_SOFTKEY = 811;
constexpr int BT_SREG = 812;
constexpr int BT_MR = 813;
constexpr int BT_MW = 814;
constexpr int BT_AMATH = 815;
constexpr int BT_AMUX = 816;
constexpr int BT_ARAMP = 817;
constexpr int BT_PI = 818;
constexpr int BT_PWM = 819;
constexpr int BT_AFILTER = 820;
constexpr int BT_MAXMIN = 821;
constexpr int BT_AVGVAL = 822;
constexpr int BT_MATHERR = 823;
constexpr int BT_WIFI_IN = 824;
constexpr int BT_WIFI_OUT = 825;
constexpr int BT_WIFI_AI = 826;
constexpr int BT_WIFI_AOUT = 827;
constexpr int BT_BOOLEAN = 830;
constexpr int BT_TDT = 831;
constexpr int BT_BCD = 832;
constexpr int BT_BIN = 833;
constexpr int BT_ROL = 834;
constexpr int BT_ROR = 835;
constexpr int BT_SHL = 836;
constexpr int BT_SHR = 837;
constexpr int BT_ANDM = 838;
constexpr int BT_ORM = 839;
constexpr int BT_NOTM = 840;
constexpr int BT_NANDM = 841;
constexpr int BT_NORM = 842;
constexpr int BT_XORM = 843;
constexpr int BT_ARRMXIV = 844;
constexpr int BT_ACMXIV = 845;
constexpr int BT_RAND = 846;
constexpr int BT_MEM = 847;
constexpr int BT_ENCODER = 848;
constexpr int BT_SMC = 849;
constexpr int BT_SMCE = 850;
constexpr int BT_PTO = 851;
constexpr int BT_PTOE = 852;
constexpr int BT_SEG = 853;
constexpr int BT_WORD2BIT = 854;
constexpr int BT_UDC = 855;
constexpr int BT_CRC16 = 856;
constexpr int BT_ODD = 860;
constexpr int BT_EVEN = 861;
constexpr int BT_MOD = 862;
constexpr int BT_REM = 863;
constexpr int BT_LOG = 864;
constexpr int BT_SQRT = 865;
constexpr int BT_ABS = 866;
constexpr int BT_GCD = 867;
constexpr int BT_LCM = 868;
constexpr int BT_POW2 = 869;
constexpr int BT_EXP = 870;
constexpr int BT_FIX = 871;
constexpr int BT_ROUND = 872;
constexpr int BT_SIN = 873;
constexpr int BT_COS = 874;
constexpr int BT_TAN = 875;
constexpr int BT_COT = 876;
constexpr int BT_SEC = 877;
constexpr int BT_CSC = 878;
constexpr int BT_QUAD = 879;
// Connector pair, data log, ladder power rail.
constexpr int BT_MALE = 900;
constexpr int BT_FEMALE = 901;
constexpr int BT_DATALOG = 911;
constexpr int BT_POWERBUS = 951;

// Link codes: values of m_nPinSource below 100 (block numbers start at 100).
constexpr int LINK_OUTPUT = 0;
constexpr int LINK_OPEN = 52;
constexpr int LINK_END = 53;
constexpr int LINK_PARAM = 55;
// The parameter roles a class constructor sets on the pin slots after its inputs (and on pins
// 11-19): which parameter the block's controller record holds at that slot.
constexpr int LINK_PARAM_ROLE_FIRST = 56;
constexpr int LINK_PARAM_ROLE_LAST = 101;
// A pin whose source lies from LINK_END to LINK_ROLE_CODE_LAST carries a role of its class and
// no wire: the wire rules refuse it, the loop walks and the scan pass it over. The parameter
// roles above it stand only on slots past a block's inputs, which none of those visits.
constexpr int LINK_ROLE_CODE_LAST = 75;

constexpr bool IsRoleCode(int nSource)
{
    return nSource >= LINK_END && nSource <= LINK_ROLE_CODE_LAST;
}

// Pin kinds (m_nPinKind).
constexpr int PINKIND_NONE = 0;
constexpr int PINKIND_DIGITAL = 1;
constexpr int PINKIND_ANALOG = 2;
constexpr int PINKIND_TEXT = 3;

// First block number of each number space.
constexpr int NUM_INPUT = 100;
constexpr int NUM_OUTPUT = 600;
constexpr int NUM_SHIFT = 1000;
constexpr int NUM_CURSOR_KEY = 1280;
constexpr int NUM_FKEY = 1300;
constexpr int NUM_FLAG = 1316;
constexpr int NUM_LOW = 1870;
constexpr int NUM_HIGH = 2900;
constexpr int NUM_ANALOG_IN = 4000;
constexpr int NUM_ANALOG_OUT = 4230;
constexpr int NUM_ANALOG_FLAG = 4288;
constexpr int NUM_OPENX = 4800;
constexpr int NUM_MALE = 5000;
constexpr int NUM_FEMALE = 7000;
constexpr int NUM_FEMALE_OFFSET = 2000;  // a female is its male partner's number + 2000
constexpr int NUM_DATALOG = 8950;
constexpr int NUM_FUNCTION_BLOCK = 9000;
constexpr int NUM_MAKE = 12000;
constexpr int NUM_BREAK = 15000;
constexpr int NUM_ACONTACT = 18000;
constexpr int NUM_COIL = 21000;
constexpr int NUM_AOUT_LAD = 22000;
constexpr int NUM_POWERBUS = -1;

// Hardware codes: the model byte is the high byte; 0x51 or more is the newer generation.
constexpr BYTE MODEL_NEW_GENERATION = 0x51;
constexpr bool IsNewGeneration(WORD wHardwareCode)
{
    return HIBYTE(wHardwareCode) >= MODEL_NEW_GENERATION;
}
