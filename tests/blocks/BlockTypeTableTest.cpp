#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/PowerBusObj.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

namespace {

// The codes between and beside the defined ones: each lies in a run of codes of one family.
constexpr int kUnknownCodes[] = {-1, 0, 299, 308, 399, 414, 599, 612, 699, 706, 799, 828, 829,
                                 857, 859, 880, 899, 902, 910, 912, 950, 999, 1000, 5000};

TEST(BlockTypeTable, RowsAreSortedUniqueAndFoundByTheirCode)
{
    const auto rows = BlockTypeRows();
    ASSERT_FALSE(rows.empty());
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_LT(rows[i - 1].nType, rows[i].nType) << rows[i].nType;
    for (const BlockTypeRow& row : rows) {
        EXPECT_EQ(FindBlockType(row.nType), &row) << row.nType;
        EXPECT_NE(row.family, BlockFamily::None) << row.nType;
        EXPECT_NE(row.cls.pClass, nullptr) << row.nType;
    }
}

TEST(BlockTypeTable, UnknownCodesHaveNoRowAndTheOtherKinds)
{
    for (int nType : kUnknownCodes) {
        EXPECT_EQ(FindBlockType(nType), nullptr) << nType;
        EXPECT_EQ(BlockFamilyOf(nType), BlockFamily::None) << nType;
        EXPECT_FALSE(IsFunctionBlockType(nType)) << nType;
        EXPECT_FALSE(IsLadderElementType(nType)) << nType;
        EXPECT_FALSE(HasTypeFlag(nType, BTF_RUN_TIME_VALUE | BTF_ANALOG_VALUE)) << nType;
        EXPECT_EQ(int(SourceKindOf(nType)), WiringKinds::WIRE_OTHER_SOURCE) << nType;
        for (int nPin : {0, 1, 2, 3, 10})
            EXPECT_EQ(int(DestKindOf(nType, nPin)), WiringKinds::WIRE_OTHER_DEST) << nType;
        EXPECT_EQ(LoopSourceClass(nType), WiringKinds::LOOP_DEFAULT_SOURCE) << nType;
        EXPECT_EQ(LoopTargetClass(nType), WiringKinds::LOOP_NO_TARGET) << nType;
        EXPECT_EQ(AddressLabelOf(nType), nullptr) << nType;
        // An unknown code is labelled as a function block and takes no wiring or operand rule.
        EXPECT_EQ(CString(ShortLabelOf(nType).pszPrefix), CString(_T("B"))) << nType;
        EXPECT_FALSE(ShortLabelOf(nType).bPrefixOnly) << nType;
        EXPECT_FALSE(KindByStartPin(nType)) << nType;
        EXPECT_FALSE(RefusesSecondWire(nType, 0)) << nType;
        EXPECT_FALSE(TakesOperandLabel(nType, 0xFFFF)) << nType;
    }
}

// Only inputs take one wire: an output pin or a pin number beyond the flags' word is never
// refused, however wide the type's set.
TEST(BlockTypeTable, SingleWireInputsAreInputsOnly)
{
    EXPECT_TRUE(RefusesSecondWire(BT_AOUT_LAD, 0));
    EXPECT_TRUE(RefusesSecondWire(BT_AOUT_LAD, BLOCK_FIRST_OUTPUT - 1));
    for (int nPin : {-1, BLOCK_FIRST_OUTPUT, 16, 99})
        EXPECT_FALSE(RefusesSecondWire(BT_AOUT_LAD, nPin)) << nPin;
    EXPECT_TRUE(RefusesSecondWire(BT_AWDOG, 1));
    EXPECT_FALSE(RefusesSecondWire(BT_AWDOG, 0));
}

// Each row the factory makes gives a block of the row's class and type with the row's pin
// counts; the pin kinds name no pin beyond them.
TEST(BlockTypeTable, EveryRowsCreateFunctionMakesItsClassWithItsPinCounts)
{
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        std::unique_ptr<CBlockObj> pBlock(row.cls.pfnCreate(row.nType));
        ASSERT_NE(pBlock, nullptr) << row.nType;
        EXPECT_EQ(pBlock->GetRuntimeClass(), row.cls.pClass) << row.nType;
        EXPECT_EQ(pBlock->m_nType, row.nType);
        EXPECT_EQ(pBlock->m_nInputs, row.pins.nInputs) << row.nType;
        EXPECT_EQ(pBlock->m_nOutputs, row.pins.nOutputs) << row.nType;
        for (int nPin = std::min(row.pins.nInputs, 4); nPin < 4; ++nPin) {
            // The connector halves are made plain (4 inputs) but keep the real pair's kinds.
            if (row.family != BlockFamily::Connector) {
                EXPECT_EQ(row.pins.nInputKinds[std::size_t(nPin)], PINKIND_NONE) << row.nType;
            }
        }
        // The factory takes the same function.
        std::unique_ptr<CBlockObj> pFactoryBlock(CreateBlockForType(row.nType, nullptr, nullptr));
        EXPECT_EQ(pFactoryBlock->GetRuntimeClass(), row.cls.pClass) << row.nType;
    }
}

// The view lays the power rail itself; its row names the rail's class and its pins all the same.
TEST(BlockTypeTable, ThePowerRailsRowIsNotMadeByTheFactory)
{
    const BlockTypeRow* pRow = FindBlockType(BT_POWERBUS);
    ASSERT_NE(pRow, nullptr);
    EXPECT_EQ(pRow->cls.pfnCreate, nullptr);
    CPowerBusObj rail(BT_POWERBUS);
    EXPECT_EQ(rail.GetRuntimeClass(), pRow->cls.pClass);
    EXPECT_EQ(rail.m_nInputs, pRow->pins.nInputs);
    EXPECT_EQ(rail.m_nOutputs, pRow->pins.nOutputs);
    for (const BlockTypeRow& row : FactoryTypeRows())
        EXPECT_NE(row.nType, BT_POWERBUS);
}

TEST(BlockTypeTable, FamiliesDecideTheClassifications)
{
    for (const BlockTypeRow& row : BlockTypeRows()) {
        const bool bFunction = row.family == BlockFamily::Logic || row.family == BlockFamily::Timer ||
                               row.family == BlockFamily::Function;
        EXPECT_EQ(IsFunctionBlockType(row.nType), bFunction) << row.nType;
        EXPECT_EQ(IsLadderContactType(row.nType), row.family == BlockFamily::LadderContact) << row.nType;
        // A ladder element has no place in an FBD program.
        if (IsLadderElementType(row.nType)) {
            EXPECT_EQ(row.byLanguages, LANG_LAD) << row.nType;
        }
    }
    EXPECT_TRUE(IsLadderContactType(BT_ACONTACT));
    EXPECT_FALSE(IsLadderContactType(BT_RELAY_COIL));
    EXPECT_TRUE(IsLadderElementType(BT_AOUT_LAD));
    EXPECT_EQ(BlockFamilyOf(BT_SOFTKEY), BlockFamily::Function);
    EXPECT_EQ(BlockFamilyOf(BT_CURSOR_KEY), BlockFamily::IO);
}

// The I/O blocks and ladder elements, and no other type, are labelled by an address; a ladder
// element's operand decides its module layout, so its own address has none.
TEST(BlockTypeTable, AddressesBelongToTheIoTypesAndTheLadderElements)
{
    for (const BlockTypeRow& row : BlockTypeRows()) {
        const BlockAddressLabel* pAddress = AddressLabelOf(row.nType);
        const bool bAddressed = row.family == BlockFamily::IO || IsLadderElementType(row.nType);
        ASSERT_EQ(pAddress != nullptr, bAddressed) << row.nType;
        if (pAddress && IsLadderElementType(row.nType)) {
            EXPECT_EQ(pAddress->nDivisor, 0) << row.nType;
        }
    }
    const struct {
        int nType;
        const char16_t* pszPrefix;
        int nBase;
        int nDivisor;
    } samples[] = {
        {BT_IN, u"I", NUM_INPUT, 32},          {BT_SHIFT, u"S", NUM_SHIFT, 16},
        {BT_LOW, u"lo", NUM_LOW, 0},           {BT_ANALOG_OUT, u"AQ", NUM_ANALOG_OUT, 4},
        {BT_FKEY, u"F", NUM_FKEY, 0},          {BT_ACONTACT, u"AI", NUM_ANALOG_IN, 0},
        {BT_INV_OUT, u"Q", NUM_OUTPUT, 0},     {BT_AOUT_LAD, u"AQ", NUM_ANALOG_OUT, 0},
    };
    for (const auto& sample : samples) {
        const BlockAddressLabel* pAddress = AddressLabelOf(sample.nType);
        ASSERT_NE(pAddress, nullptr) << sample.nType;
        EXPECT_EQ(std::u16string(pAddress->pszPrefix), sample.pszPrefix) << sample.nType;
        EXPECT_EQ(pAddress->nBase, sample.nBase) << sample.nType;
        EXPECT_EQ(pAddress->nDivisor, sample.nDivisor) << sample.nType;
    }
}

// The palette pages and the function-block name list are ordered by their columns: no two rows
// share a place.
TEST(BlockTypeTable, PalettePlacesAndListNameOrdersAreUnique)
{
    std::set<std::pair<PaletteGroup, int>> places;
    std::set<int> nameOrders;
    for (const BlockTypeRow& row : BlockTypeRows()) {
        if (row.palette.group != PaletteGroup::None) {
            EXPECT_TRUE(places.insert({row.palette.group, row.palette.nOrder}).second) << row.nType;
        }
        if (row.listName.pszName) {
            EXPECT_TRUE(nameOrders.insert(row.listName.nOrder).second) << row.nType;
        }
    }
    ASSERT_FALSE(nameOrders.empty());
    EXPECT_EQ(*nameOrders.begin(), 0);
    EXPECT_EQ(*nameOrders.rbegin(), int(nameOrders.size()) - 1);
}

// A type whose program size differs by generation is counted by the placement with each
// generation's size, and only a placeable type has a size at all.
TEST(BlockTypeTable, PlacementBytesBelongToPlaceableFunctionBlocks)
{
    std::map<int, std::pair<WORD, WORD>> differing;
    for (const BlockTypeRow& row : BlockTypeRows()) {
        if (row.placement.wBytesOlder != 0 || row.placement.wBytesNewer != 0) {
            EXPECT_TRUE(IsFunctionBlockType(row.nType)) << row.nType;
        }
        if (row.placement.wBytesOlder != row.placement.wBytesNewer)
            differing[row.nType] = {row.placement.wBytesOlder, row.placement.wBytesNewer};
    }
    const std::map<int, std::pair<WORD, WORD>> expected = {
        {BT_YT, {8, 14}}, {BT_SREG, {12, 16}}, {BT_MW, {18, 22}}};
    EXPECT_EQ(differing, expected);
}

// The kinds the wiring and loop rules read, for a few types of each kind.
TEST(BlockTypeTable, WiringKindsOfSampleTypes)
{
    EXPECT_EQ(int(SourceKindOf(BT_ANALOG_IN)), 0);
    EXPECT_EQ(int(SourceKindOf(BT_ACONTACT)), 0);
    EXPECT_EQ(int(SourceKindOf(BT_AMATH)), 1);
    EXPECT_EQ(int(SourceKindOf(BT_ACOMP)), 2);
    EXPECT_EQ(int(SourceKindOf(BT_FEMALE)), 3);
    EXPECT_EQ(int(SourceKindOf(BT_AND)), 4);
    EXPECT_EQ(int(DestKindOf(BT_AWDOG, 0)), 1);
    EXPECT_EQ(int(DestKindOf(BT_AWDOG, 1)), 2);
    EXPECT_EQ(int(DestKindOf(BT_AWDOG, 2)), 0);
    EXPECT_EQ(int(DestKindOf(BT_PI, 2)), 2);
    EXPECT_EQ(int(DestKindOf(BT_PI, 3)), 0);
    EXPECT_EQ(int(DestKindOf(BT_PI, 11)), 0);
    EXPECT_EQ(int(DestKindOf(BT_AOUT_LAD, 0)), 0);
    EXPECT_EQ(int(DestKindOf(BT_OUT, 0)), 4);
    EXPECT_EQ(LoopSourceClass(BT_AND), 0);
    EXPECT_EQ(LoopSourceClass(BT_FLAG), 1);
    EXPECT_EQ(LoopSourceClass(BT_ANALOG_FLAG), 2);
    EXPECT_EQ(LoopSourceClass(BT_IN), 3);
    EXPECT_EQ(LoopSourceClass(BT_SW), 5);
    EXPECT_EQ(LoopTargetClass(BT_SW), 0);
    EXPECT_EQ(LoopTargetClass(BT_QUAD), 4);
    EXPECT_EQ(LoopTargetClass(BT_IN), 5);
}

}  // namespace
