#include "blocks/BlockExtended.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

// The pulse counts of the motor and pulse-train blocks.
constexpr int kPulseMax = 99999999;

constexpr std::array<BlockSetup, 9> kSpecialSetups = {{
    {.nType = BT_MEM, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 6, .nCapFlags = 0x21,
     .links = {{{1, LINK_PARAM}, {2, 84}, {3, 83}, {4, LINK_END}, {5, LINK_END}}}},
    {.nType = BT_ENCODER, .nInputs = 2, .wProgramBytes = 24, .nPinSlots = 8, .nCapFlags = 0x0F,
     .bLimits = true, .nLimitLow = -999999, .nLimitHigh = 999999,
     .links = {{{1, LINK_PARAM}, {2, 70}, {3, 71}, {4, 58}, {5, LINK_END}, {6, LINK_END},
                {7, LINK_END}}}},
    {.nType = BT_SMC, .nInputs = 3, .wProgramBytes = 16, .nPinSlots = 6, .nCapFlags = 0x0E,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = kPulseMax,
     .links = {{{2, LINK_PARAM}, {3, 95}, {4, 78}, {5, LINK_END}}},
     .words = {{{BlockWord::ParamEx, PULSE_RATE_PARAMEX, 250}}}},
    {.nType = BT_SMCE, .nInputs = 4, .wProgramBytes = 22, .nPinSlots = 8, .nCapFlags = 0x0E,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = kPulseMax,
     .links = {{{3, LINK_PARAM}, {4, 95}, {5, 78}, {6, 77}, {7, LINK_END}}},
     .words = {{{BlockWord::ParamEx, PULSE_RATE_PARAMEX, 250},
                {BlockWord::ParamEx, PULSE_LENGTH_PARAMEX, 0}}}},
    {.nType = BT_PTO, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 4, .nCapFlags = 0x0E,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = kPulseMax,
     .links = {{{1, LINK_PARAM}, {2, 78}, {3, LINK_END}}},
     .words = {{{BlockWord::ParamEx, PULSE_RATE_PARAMEX, 0}}}},
    {.nType = BT_PTOE, .nInputs = 3, .wProgramBytes = 18, .nPinSlots = 6, .nCapFlags = 0x0E,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = kPulseMax,
     .links = {{{2, LINK_PARAM}, {3, 78}, {4, 77}, {5, LINK_END}}},
     .words = {{{BlockWord::ParamEx, PULSE_RATE_PARAMEX, 0},
                {BlockWord::ParamEx, PULSE_LENGTH_PARAMEX, 0}}}},
    {.nType = BT_SEG, .nInputs = 2, .wProgramBytes = 10, .nPinSlots = 4, .nCapFlags = 0x3C,
     .links = {{{2, LINK_END}, {3, LINK_END}}}},
    {.nType = BT_WORD2BIT, .nInputs = 2, .wProgramBytes = 10, .nPinSlots = 4, .nCapFlags = 0x0E,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 15,
     .links = {{{1, LINK_PARAM}, {2, LINK_END}, {3, LINK_END}}}},
    {.nType = BT_CRC16, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x2E,
     .links = {{{1, LINK_PARAM}, {2, 85}, {3, 83}, {4, LINK_END}}},
     .words = {{{BlockWord::ParamEx, CRC16_COUNT_PARAMEX, 1}}}},
}};

// The user-defined communication block names fourteen pin roles and eight parameter words,
// more than a settings row holds, so it is written out.
constexpr int kUdcInputs = 2;
constexpr WORD kUdcProgramBytes = 24;
constexpr int kUdcPinSlots = 15;
constexpr BYTE kUdcCapFlags = 0x08;
constexpr PinLink kUdcLinks[] = {{1, LINK_PARAM}, {2, 57},  {3, 82},  {4, 83},  {5, 84},
                                 {6, 85},         {7, 58},  {8, 86},  {9, 59},  {11, 64},
                                 {12, 60},        {13, 61}, {14, 62}, {15, 63}};

}  // namespace

IMPLEMENT_TABLE_BLOCK(CBlockMEM, CBlockObj, kSpecialSetups, BT_MEM)
IMPLEMENT_TABLE_BLOCK(CBlockENCODER, CBlockObj, kSpecialSetups, BT_ENCODER)
IMPLEMENT_TABLE_BLOCK(CBlockSMC, CBlockObj, kSpecialSetups, BT_SMC)
IMPLEMENT_TABLE_BLOCK(CBlockSMCE, CBlockObj, kSpecialSetups, BT_SMCE)
IMPLEMENT_TABLE_BLOCK(CBlockPTO, CBlockObj, kSpecialSetups, BT_PTO)
IMPLEMENT_TABLE_BLOCK(CBlockPTOE, CBlockObj, kSpecialSetups, BT_PTOE)
IMPLEMENT_TABLE_BLOCK(CBlockSEG, CBlockObj, kSpecialSetups, BT_SEG)
IMPLEMENT_TABLE_BLOCK(CBlockWORD2BIT, CBlockObj, kSpecialSetups, BT_WORD2BIT)
IMPLEMENT_TABLE_BLOCK(CBlockCRC16, CBlockObj, kSpecialSetups, BT_CRC16)
IMPLEMENT_SERIAL(CBlockUDC, CBlockObj, VERSIONABLE_SCHEMA | 1)

CBlockUDC::CBlockUDC()
{
    m_nCapFlags = kUdcCapFlags;
}

CBlockUDC::CBlockUDC(int nType) : CBlockObj(nType, kUdcInputs)
{
    for (const PinLink& link : kUdcLinks)
        m_nPinSource[link.nPin] = link.nCode;
    m_wProgramBytes = kUdcProgramBytes;
    m_nPinSlots = kUdcPinSlots;
    m_nCapFlags = kUdcCapFlags;
    m_nParam[UDC_TX_START_FLAG_PARAM] = 0;
    m_nParam[UDC_TX_NUMBER_PARAM] = 0;
    m_nParam[UDC_RX_NUMBER_PARAM] = 0;
    m_nParam[UDC_CYCLE_PARAM] = 1;
    m_nParamEx[UDC_PORT_PARAMEX] = 0;
    m_nParamEx[UDC_RX_START_FLAG_PARAMEX] = 0;
    m_nParamEx[UDC_RX_WORDS_PARAMEX] = 1;
    m_nParamEx[UDC_TX_WORDS_PARAMEX] = 1;
}
