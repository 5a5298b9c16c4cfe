// The block classes of the I/O, logic, timer, counter, relay, word and math families, table by
// table over their type codes: the class and constructor settings of a new block, the record
// with each class's own fields, and the copy a block makes of itself.
#include "RecordTestSupport.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The catalogue of these families: the class, the input count, the program size, the pin-slot
// count, the capability bits and the first pin slot holding the end marker (-1: none).
struct FamilyRow {
    int nType;
    const char* pszClass;
    int nInputs;
    int nProgramBytes;
    int nPinSlots;
    int nCapFlags;
    int nEndPin;
};

constexpr FamilyRow kFamilies[] = {
    {300, "CBlockLogic", 4, 12, 0, 0x00, 4},     {301, "CBlockLogic", 4, 12, 0, 0x00, 4},
    {302, "CBlockLogic", 4, 12, 0, 0x00, 4},     {303, "CBlockLogic", 4, 12, 0, 0x00, 4},
    {304, "CBlockLogic", 4, 12, 0, 0x00, 4},     {305, "CBlockLogic", 4, 12, 0, 0x00, 4},
    {306, "CBlockLogic", 2, 8, 0, 0x00, 2},      {307, "CBlockLogic", 1, 4, 0, 0x00, -1},
    {400, "CBlockDPR", 2, 8, 0, 0x0F, 2},        {401, "CBlockDDR", 3, 12, 0, 0x0F, 3},
    {402, "CBlockMPLR", 2, 12, 0, 0x0F, 3},      {403, "CBlockPLR", 3, 12, 0, 0x0F, 3},
    {404, "CBlockCPG", 2, 8, 0, 0x0F, 2},        {405, "CBlockRPR", 3, 16, 0, 0x0F, 5},
    {406, "CBlockAPG", 3, 12, 0, 0x0F, 4},       {407, "CBlockRG", 2, 12, 0, 0x06, 3},
    {408, "CBlockSLS", 2, 12, 0, 0x0F, 4},       {409, "CBlockMFS", 3, 16, 0, 0x0F, 6},
    {410, "CBlockWT", 3, 20, 0, 0x06, -1},       {411, "CBlockYT", 1, 8, 0, 0x06, 4},
    {412, "CBlockAC", 1, 16, 0, 0x0E, 11},       {413, "CBlockSW", 4, 16, 5, 0x3F, 4},
    {600, "CBlockIn", 0, 0, 0, 0x0F, -1},        {602, "CBlockShift", 0, 0, 0, 0x0F, -1},
    {603, "CBlockLow", 0, 0, 0, 0x0F, -1},       {604, "CBlockHigh", 0, 0, 0, 0x0F, -1},
    {605, "CBlockOut", 1, 0, 0, 0x0F, -1},       {606, "CBlockOpenX", 1, 0, 0, 0x0F, -1},
    {607, "CBlockFlag", 1, 0, 0, 0x0F, -1},      {608, "CBlockAnalogIn", 0, 0, 0, 0x2F, -1},
    {609, "CBlockAnalogOut", 1, 0, 0, 0x2F, -1}, {610, "CBlockAnalogFlag", 1, 0, 0, 0x2F, -1},
    {611, "CBlockFKey", 0, 0, 0, 0x0F, -1},      {800, "CBlockCOUNTER", 4, 24, 6, 0x1F, 5},
    {801, "CBlockHCOUNTER", 4, 24, 7, 0x1E, 6},  {802, "CBlockTHTRG", 2, 16, 5, 0x1F, 4},
    {808, "CBlockLR", 3, 8, 3, 0x00, -1},        {809, "CBlockPR", 4, 12, 5, 0x04, 4},
    {812, "CBlockSREG", 4, 12, 5, 0x04, 4},      {823, "CBlockMATHERR", 3, 16, 6, 0x1E, 5},
    {830, "CBlockBoolean", 4, 16, 7, 0x06, 5},   {831, "CBlockTDT", 2, 8, 3, 0x00, 2},
    {832, "CBlockBCD", 1, 8, 3, 0x39, 1},        {833, "CBlockBIN", 1, 8, 3, 0x39, 1},
    {834, "CBlockROL", 2, 8, 3, 0x3F, 2},        {835, "CBlockROR", 2, 8, 3, 0x3F, 2},
    {836, "CBlockSHL", 2, 8, 3, 0x3F, 2},        {837, "CBlockSHR", 2, 8, 3, 0x3F, 2},
    {838, "CBlockANDM", 2, 8, 3, 0x3F, 2},       {839, "CBlockORM", 2, 8, 3, 0x3F, 2},
    {840, "CBlockNOTM", 2, 8, 3, 0x3D, 1},       {841, "CBlockNANDM", 2, 8, 3, 0x3F, 2},
    {842, "CBlockNORM", 2, 8, 3, 0x3F, 2},       {843, "CBlockXORM", 2, 8, 3, 0x3F, 2},
    {844, "CBlockARRMXIV", 1, 12, 5, 0x3F, 3},   {845, "CBlockACMXIV", 3, 12, 5, 0x3F, 3},
    {846, "CBlockRAND", 1, 8, 3, 0x3F, 1},       {860, "CBlockODD", 1, 8, 3, 0x04, 1},
    {861, "CBlockEVEN", 1, 8, 3, 0x04, 1},       {862, "CBlockMOD", 2, 8, 3, 0x3F, 2},
    {863, "CBlockREM", 2, 8, 3, 0x3F, 2},        {864, "CBlockLOG", 2, 12, 4, 0x3F, 3},
    {865, "CBlockSQRT", 2, 12, 4, 0x3F, 2},      {866, "CBlockABS", 1, 8, 3, 0x3D, 1},
    {867, "CBlockGCD", 2, 8, 3, 0x3D, 2},        {868, "CBlockLCM", 2, 8, 3, 0x3D, 2},
    {869, "CBlockPOW2", 2, 12, 4, 0x3F, 2},      {870, "CBlockEXP", 2, 12, 4, 0x3F, 2},
    {871, "CBlockFIX", 2, 8, 3, 0x3F, 2},        {872, "CBlockROUND", 2, 8, 3, 0x3F, 2},
    {873, "CBlockSIN", 2, 12, 4, 0x3F, 2},       {874, "CBlockCOS", 2, 12, 4, 0x3F, 2},
    {875, "CBlockTAN", 2, 12, 4, 0x3F, 2},       {876, "CBlockCOT", 2, 12, 4, 0x3F, 2},
    {877, "CBlockSEC", 2, 12, 4, 0x3F, 2},       {878, "CBlockCSC", 2, 12, 4, 0x3F, 2},
    {879, "CBlockQUAD", 3, 20, 8, 0x3F, 7},
};

std::unique_ptr<CBlockObj> Create(int nType)
{
    return std::unique_ptr<CBlockObj>(CreateBlockForType(nType, nullptr, nullptr));
}

// A block made for the document (its generation, its registers), not added to it.
std::unique_ptr<CBlockObj> CreateFor(TestDocument& doc, int nType)
{
    return std::unique_ptr<CBlockObj>(CreateBlockForType(nType, nullptr, &doc.Doc()));
}

bool IsTimer(int nType)
{
    return nType >= BT_DPR && nType <= BT_SW;
}

TEST(BlockFamily, FactoryGivesEachCodeItsClassAndSettings)
{
    TestDocument active;
    for (const FamilyRow& row : kFamilies) {
        SCOPED_TRACE(row.nType);
        auto pBlock = Create(row.nType);
        ASSERT_NE(pBlock, nullptr);
        EXPECT_STREQ(pBlock->GetRuntimeClass()->m_lpszClassName, row.pszClass);
        EXPECT_EQ(pBlock->m_nType, row.nType);
        EXPECT_EQ(pBlock->m_nInputs, row.nInputs);
        EXPECT_EQ(pBlock->m_wProgramBytes, row.nProgramBytes);
        EXPECT_EQ(pBlock->m_nPinSlots, row.nPinSlots);
        EXPECT_EQ(pBlock->m_nCapFlags, row.nCapFlags);
        int nEndPin = -1;
        for (int nPin = 0; nPin < BLOCK_PIN_COUNT && nEndPin < 0; ++nPin) {
            if (pBlock->m_nPinSource[nPin] == LINK_END)
                nEndPin = nPin;
        }
        EXPECT_EQ(nEndPin, row.nEndPin);
        // A used input is open for wiring, a parameter pin, or (NOT mask) the end marker.
        for (int nPin = 0; nPin < row.nInputs; ++nPin) {
            const int nLink = pBlock->m_nPinSource[nPin];
            EXPECT_TRUE(nLink == LINK_OPEN || nLink == LINK_PARAM || nLink == LINK_END)
                << "pin " << nPin;
        }
    }
}

// A loaded block gets back the capability bits, which the record does not carry.
TEST(BlockFamily, DynamicCreationRestoresTheCapabilityBits)
{
    RegisterBlockClasses();
    for (const FamilyRow& row : kFamilies) {
        SCOPED_TRACE(row.nType);
        CRuntimeClass* pClass = CRuntimeClass::FromName(row.pszClass);
        ASSERT_NE(pClass, nullptr);
        std::unique_ptr<CObject> pObject(pClass->CreateObject());
        EXPECT_EQ(static_cast<CBlockObj*>(pObject.get())->m_nCapFlags, row.nCapFlags);
    }
}

// The parameter words and other fields whose defaults differ from the typed constructor's.
enum class Field { Param, ParamEx, Aux, OutputInvert, State, Outputs, Operand };

struct DefaultRow {
    int nType;
    Field field;
    int nIndex;
    int nValue;
};

constexpr DefaultRow kDefaults[] = {
    {302, Field::OutputInvert, 0, 1}, {303, Field::OutputInvert, 0, 1},
    {305, Field::OutputInvert, 0, 1}, {307, Field::OutputInvert, 0, 1},
    {300, Field::OutputInvert, 0, 0}, {306, Field::OutputInvert, 0, 0},
    {400, Field::Aux, 3, 99},         {413, Field::Aux, 3, 99},
    {408, Field::Param, 10, 1},       {408, Field::ParamEx, 2, 1},
    {408, Field::ParamEx, 5, 15},     {408, Field::ParamEx, 7, 1},
    {411, Field::Param, 9, 1},
    {411, Field::Param, 8, 1},        {411, Field::ParamEx, 1, 1},
    {411, Field::ParamEx, 0, 1},      {412, Field::Param, 10, 0},
    {412, Field::ParamEx, 2, 0},      {413, Field::Param, 10, 1},
    {604, Field::State, 0, 1},        {603, Field::State, 0, 0},
    {606, Field::Outputs, 0, 0},      {605, Field::Operand, 0, 0},
    {608, Field::Aux, 3, 1000},       {800, Field::Aux, 3, 999999},
    {801, Field::Param, 0, 1},        {801, Field::Param, 10, 0},
    {801, Field::ParamEx, 4, 0},      {801, Field::Aux, 3, 1023},
    {802, Field::ParamEx, 1, 1},      {802, Field::Aux, 3, 9999},
    {808, Field::Param, 1, 1},        {809, Field::Param, 1, 1},
    {812, Field::Param, 1, 1},        {823, Field::ParamEx, 4, 0},
    {832, Field::Aux, 3, 9999},       {833, Field::Aux, 3, 0x9999},
    {834, Field::Param, 9, 1},        {834, Field::Aux, 2, 1},
    {837, Field::Aux, 3, 15},         {838, Field::Aux, 2, -32768},
    {843, Field::Aux, 3, 32767},      {840, Field::Aux, 3, 9999},
    {844, Field::ParamEx, 1, 1},      {844, Field::Aux, 3, 32},
    {845, Field::Aux, 3, 2},          {846, Field::Param, 9, 1},
    {846, Field::Aux, 3, 32767},      {862, Field::Param, 9, 10},
    {863, Field::Aux, 2, -32767},     {864, Field::Param, 10, 2},
    {864, Field::Aux, 2, -10000},     {871, Field::Param, 10, 0},
    {872, Field::Param, 10, 0},       {879, Field::Param, 9, 1},
    {879, Field::Param, 10, 0},       {879, Field::Aux, 3, 10000},
};

int FieldOf(const CBlockObj& block, Field field, int nIndex)
{
    switch (field) {
    case Field::Param:
        return block.m_nParam[nIndex];
    case Field::ParamEx:
        return block.m_nParamEx[nIndex];
    case Field::Aux:
        return block.m_nAux[nIndex];
    case Field::OutputInvert:
        return block.m_bPinInvert[BLOCK_FIRST_OUTPUT];
    case Field::State:
        return block.m_nPinValue[BLOCK_FIRST_OUTPUT];
    case Field::Outputs:
        return block.m_nOutputs;
    case Field::Operand:
        return block.m_nOperand;
    }
    return 0;
}

TEST(BlockFamily, ConstructorDefaultsOfTheParameters)
{
    TestDocument active;
    for (const DefaultRow& row : kDefaults) {
        SCOPED_TRACE(testing::Message() << row.nType << " field " << int(row.field) << "["
                                        << row.nIndex << "]");
        auto pBlock = Create(row.nType);
        EXPECT_EQ(FieldOf(*pBlock, row.field, row.nIndex), row.nValue);
    }
}

TEST(BlockFamily, FactorTextAndCountDefaults)
{
    TestDocument active;
    for (int nType : {864, 865, 869, 870, 873, 874, 875, 876, 877, 878, 879})
        EXPECT_EQ(Create(nType)->m_dParam, 1.0) << nType;
    for (int nType : {862, 866, 871})
        EXPECT_EQ(Create(nType)->m_dParam, 0.0) << nType;
    EXPECT_EQ(Create(838)->m_strParamText, CString(_T("0000")));
    EXPECT_TRUE(Create(839)->m_strParamText.IsEmpty());

    auto pCounter = Create(800);
    EXPECT_EQ(pCounter->m_dRunTime, pCounter->m_nParam[COUNTER_START_PARAM]) << "the count starts at the start value";

    auto* pTimer = dynamic_cast<CBlockTime*>(Create(410).release());
    ASSERT_NE(pTimer, nullptr);
    std::unique_ptr<CBlockTime> owner(pTimer);
    EXPECT_EQ(pTimer->m_nSetpointChanged, -1);
    for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
        EXPECT_EQ(pTimer->m_bOnDisabled[nCam], 1);
        EXPECT_EQ(pTimer->m_bOffDisabled[nCam], 1);
    }
}

// A new shift register on the newer generation takes the lowest register index that no other
// register of the document uses.
TEST(BlockFamily, ShiftRegisterTakesTheFirstFreeIndex)
{
    TestDocument active;
    active.Doc().m_wHardwareCode = kNewHardware;
    for (int nIndex : {0, 1, 3}) {
        auto* pRegister = active.Add(CreateBlockForType(BT_SREG, nullptr, nullptr));
        pRegister->m_nParamEx[SREG_INDEX_PARAMEX] = nIndex;
    }
    EXPECT_EQ(CreateFor(active, BT_SREG)->m_nParamEx[SREG_INDEX_PARAMEX], 2);
    active.Add(CreateBlockForType(BT_SREG, nullptr, nullptr))->m_nParamEx[SREG_INDEX_PARAMEX] = 2;
    EXPECT_EQ(CreateFor(active, BT_SREG)->m_nParamEx[SREG_INDEX_PARAMEX], 0) << "all four taken";

    TestDocument older;
    older.Doc().m_wHardwareCode = kOldHardware;
    older.Add(CreateBlockForType(BT_SREG, nullptr, nullptr))->m_nParamEx[SREG_INDEX_PARAMEX] = 0;
    EXPECT_EQ(CreateFor(older, BT_SREG)->m_nParamEx[SREG_INDEX_PARAMEX], 0) << "the older generation has one register";
}

// Distinct values in every stored field a family may use; time-base words stay in range.
void FillStored(CBlockObj& block)
{
    block.m_ptPos = CPoint(40, 60);
    block.m_ptPos2 = CPoint(41, 61);
    block.m_nWidth = 25;
    block.m_nHeight = 36;
    block.m_nNumber = 9004;
    block.m_strText = _T("t");
    block.m_strComment = _T("note");
    block.m_strLabelSuffix = _T("s");
    block.m_strParamText = _T("00FF");
    for (int i = 0; i < BLOCK_PARAM_COUNT; ++i)
        block.m_nParam[i] = 50 + i;
    for (int i = 0; i < BLOCK_PARAMEX_COUNT; ++i)
        block.m_nParamEx[i] = 70 + i;
    block.m_nParam[10] = 1;
    block.m_nParam[11] = 2;
    block.m_nParam[12] = 0;
    block.m_nParamEx[2] = 2;
    block.m_nAux[1] = 33;
    block.m_dParam = 2.5;
    if (auto* pIn = dynamic_cast<CBlockIn*>(&block))
        pIn->m_bHighSpeed = 1;
    if (auto* pLogic = dynamic_cast<CBlockLogic*>(&block))
        pLogic->m_nLogicAttr = 7;
    if (auto* pTimer = dynamic_cast<CBlockTime*>(&block)) {
        pTimer->m_bDay[1][3] = 1;
        pTimer->m_nOnTime[2][0] = 22;
        pTimer->m_nOffTime[0][1] = 45;
        pTimer->m_bOnDisabled[1] = 0;
        pTimer->m_bOffDisabled[2] = 0;
    }
}

// Bytes that a class appends to the common record.
std::size_t OwnRecordBytes(int nType)
{
    if (nType == BT_IN || (nType >= BT_AND && nType <= BT_NOT))
        return 4;
    return IsTimer(nType) ? 39 * 4 : 0;
}

TEST(BlockFamily, RecordsCarryTheOwnFieldsAndRoundTrip)
{
    TestDocument active;
    // The four strings of FillStored: "t", "s", "note", "00FF".
    const std::size_t nStrings = (4 + 2) + (4 + 2) + (4 + 8) + (4 + 8);
    for (const FamilyRow& row : kFamilies) {
        SCOPED_TRACE(row.nType);
        auto pBlock = Create(row.nType);
        FillStored(*pBlock);
        const Bytes stored = StoreObject(pBlock.get());
        EXPECT_EQ(stored.size(),
                  ClassHeaderLength(pBlock.get()) + 466 + nStrings + OwnRecordBytes(row.nType));

        auto pLoaded = LoadObject(stored);
        auto* pBlockLoaded = static_cast<CBlockObj*>(pLoaded.get());
        EXPECT_STREQ(pLoaded->GetRuntimeClass()->m_lpszClassName, row.pszClass);
        EXPECT_EQ(pBlockLoaded->m_nSchema, 1);
        EXPECT_EQ(StoreObject(pLoaded.get()), stored);
        if (auto* pIn = dynamic_cast<CBlockIn*>(pBlockLoaded)) {
            EXPECT_EQ(pIn->m_bHighSpeed, 1);
        }
        if (auto* pLogic = dynamic_cast<CBlockLogic*>(pBlockLoaded)) {
            EXPECT_EQ(pLogic->m_nLogicAttr, 7);
            EXPECT_EQ(ReadI32(stored, stored.size() - 4), 7) << "the attribute ends the record";
        }
        if (auto* pTimer = dynamic_cast<CBlockTime*>(pBlockLoaded)) {
            EXPECT_EQ(pTimer->m_bDay[1][3], 1);
            EXPECT_EQ(pTimer->m_nOnTime[2][0], 22);
            EXPECT_EQ(pTimer->m_nOffTime[0][1], 45);
            EXPECT_EQ(pTimer->m_bOnDisabled[1], 0);
            EXPECT_EQ(pTimer->m_bOffDisabled[2], 0);
            EXPECT_EQ(pTimer->m_bOffDisabled[0], 1);
        }
    }
}

// An older file's record lacks the schema-1 tail; the classes' own defaults of those fields
// fill the gap (the factor of the math functions, the mask text of ANDM).
Bytes AsSchemaZero(const CBlockObj& block)
{
    Bytes bytes = StoreObject(&block);
    const std::size_t nTail = 52 + 4 + 2 * std::size_t(block.m_strParamText.GetLength());
    bytes.resize(bytes.size() - nTail);
    bytes[2] = 0;  // the class header's schema word
    bytes[3] = 0;
    return bytes;
}

TEST(BlockFamily, SchemaZeroRecordsKeepTheClassDefaultsOfTheTail)
{
    TestDocument active;
    for (int nType : {864, 873, 879}) {
        auto pBlock = Create(nType);
        pBlock->m_dParam = 4.0;
        auto pLoaded = LoadObject(AsSchemaZero(*pBlock));
        EXPECT_EQ(static_cast<CBlockObj*>(pLoaded.get())->m_dParam, 1.0) << nType;
    }
    auto pMask = Create(838);
    pMask->m_strParamText = _T("1234");
    auto pLoaded = LoadObject(AsSchemaZero(*pMask));
    EXPECT_EQ(static_cast<CBlockObj*>(pLoaded.get())->m_strParamText, CString(_T("0000")));
}

// What CopyTo carries on the newer generation beyond the fields every block copies, by class.
enum Extra : unsigned {
    kExtraNone = 0,
    kExtraRefs23 = 1 << 0,      // m_nParam[15], [16], references 2 and 3
    kExtraParam3 = 1 << 1,      // m_nParam[3]
    kExtraParam3to6 = 1 << 2,   // m_nParam[3] .. [6]
    kExtraParam7 = 1 << 3,      // m_nParam[7]
    kExtraParamEx10 = 1 << 4,   // m_nParamEx[10]
    kExtraText = 1 << 5,        // m_strParamText
    kExtraFactor = 1 << 6,      // m_dParam
    kExtraCams = 1 << 7,        // the weekly timer's cam table
};

unsigned ExtrasOf(int nType)
{
    switch (nType) {
    case BT_SLS:
        return kExtraRefs23;
    case BT_WT:
        return kExtraParam3 | kExtraCams;
    case BT_YT:
        return kExtraParam3to6;
    case BT_COUNTER:
        return kExtraParam7;
    case BT_SREG:
    case BT_BOOLEAN:
        return kExtraParamEx10;
    case BT_AC:
    case BT_ANDM: case BT_ORM: case BT_NOTM: case BT_NANDM: case BT_NORM: case BT_XORM:
        return kExtraText;
    case BT_LOG: case BT_SQRT: case BT_POW2: case BT_EXP: case BT_FIX: case BT_ROUND:
    case BT_SIN: case BT_COS: case BT_TAN: case BT_COT: case BT_SEC: case BT_CSC: case BT_QUAD:
        return kExtraFactor;
    default:
        return kExtraNone;
    }
}

// Writes distinct values into exactly the fields CopyTo carries for the block's class.
void FillCopied(CBlockObj& block, unsigned nExtras, CBlockObj* pReference)
{
    block.m_nNumber = 9006;
    block.m_bShowComment = 0;
    block.m_strComment = _T("c");
    block.m_strText = _T("t");
    block.m_nOperand = 321;
    block.m_strLabelSuffix = _T("x");
    for (int i : {0, 1, 2, 8, 9, 13, 14})
        block.m_nParam[i] = 40 + i;
    block.m_nParam[10] = 0;
    block.m_nParam[11] = 1;
    block.m_pRefBlock[0] = pReference;
    block.m_pRefBlock[1] = pReference;
    for (int i = 0; i < 10; ++i)
        block.m_nParamEx[i] = i == 2 ? 1 : 60 + i;
    for (int i = 11; i < 14; ++i)
        block.m_nParamEx[i] = 60 + i;
    block.m_ptPos = CPoint(7, 8);
    block.m_ptPos2 = CPoint(9, 10);
    block.m_nWidth = 30;
    block.m_nHeight = 44;
    for (int nPin = 0; nPin < block.m_nInputs; ++nPin) {
        if (block.m_nPinSource[nPin] == LINK_OPEN)
            block.m_nPinSource[nPin] = 100 + nPin;
    }
    if (nExtras & kExtraRefs23) {
        block.m_nParam[15] = 91;
        block.m_nParam[16] = 92;
        block.m_pRefBlock[2] = pReference;
        block.m_pRefBlock[3] = pReference;
    }
    if (nExtras & kExtraParam3)
        block.m_nParam[3] = 93;
    if (nExtras & kExtraParam3to6) {
        for (int i = 3; i <= 6; ++i)
            block.m_nParam[i] = 90 + i;
    }
    if (nExtras & kExtraParam7)
        block.m_nParam[7] = 97;
    if (nExtras & kExtraParamEx10)
        block.m_nParamEx[10] = 3;
    if (nExtras & kExtraText)
        block.m_strParamText = _T("ABCD");
    if (nExtras & kExtraFactor)
        block.m_dParam = -3.5;
    if (nExtras & kExtraCams) {
        auto& timer = static_cast<CBlockTime&>(block);
        timer.m_bDay[2][6] = 1;
        timer.m_nOnTime[1][0] = 6;
        timer.m_nOffTime[1][1] = 30;
        timer.m_bOnDisabled[1] = 0;
        timer.m_bOffDisabled[1] = 0;
    }
}

// Copying a block into a new block of its class gives the same record: every field that the
// class copies arrives, and nothing else was changed.
TEST(BlockFamily, CopyIntoANewBlockOfTheClassReproducesTheRecord)
{
    TestDocument active;
    active.Doc().m_wHardwareCode = kNewHardware;
    CBlockObj reference(300, 4);
    reference.m_nNumber = 9001;
    for (const FamilyRow& row : kFamilies) {
        SCOPED_TRACE(row.nType);
        auto pSource = CreateFor(active, row.nType);
        auto pCopy = Create(row.nType);
        FillCopied(*pSource, ExtrasOf(row.nType), &reference);
        pSource->CopyTo(pCopy.get(), TRUE);
        EXPECT_EQ(StoreObject(pCopy.get()), StoreObject(pSource.get()));
    }
}

TEST(BlockFamily, OlderGenerationCopiesLeaveTheNewerFieldsAlone)
{
    TestDocument active;
    active.Doc().m_wHardwareCode = kOldHardware;
    auto pSource = CreateFor(active, BT_WT);
    auto pCopy = Create(BT_WT);
    FillCopied(*pSource, ExtrasOf(BT_WT), nullptr);
    pSource->CopyTo(pCopy.get(), FALSE);
    EXPECT_EQ(pCopy->m_nParam[3], 0);
    EXPECT_EQ(static_cast<CBlockTime*>(pCopy.get())->m_nOnTime[1][0], 6)
        << "the cam table belongs to the weekly timer's own copy";
    EXPECT_EQ(pCopy->m_ptPos, CPoint()) << "no geometry without bGeometry";
}

TEST(BlockFamily, WeeklyTimerCopyIgnoresANullDestination)
{
    TestDocument active;
    auto pSource = CreateFor(active, BT_WT);
    FillCopied(*pSource, ExtrasOf(BT_WT), nullptr);
    const Bytes before = StoreObject(pSource.get());
    pSource->CopyTo(nullptr, TRUE);
    EXPECT_EQ(StoreObject(pSource.get()), before) << "the source must not be touched";
}

} // namespace
