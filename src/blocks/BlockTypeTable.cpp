#include "blocks/BlockTypeTable.h"

#include <limits>

BlockFamily BlockFamilyOf(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow ? pRow->family : BlockFamily::None;
}

bool IsFunctionBlockType(int nType)
{
    const BlockFamily family = BlockFamilyOf(nType);
    return family == BlockFamily::Logic || family == BlockFamily::Timer || family == BlockFamily::Function;
}

bool IsLadderContactType(int nType)
{
    return BlockFamilyOf(nType) == BlockFamily::LadderContact;
}

bool IsLadderElementType(int nType)
{
    const BlockFamily family = BlockFamilyOf(nType);
    return family == BlockFamily::LadderContact || family == BlockFamily::LadderOutput;
}

bool HasTypeFlag(int nType, UINT nFlag)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow && (pRow->nFlags & nFlag) != 0;
}

const BlockAddressLabel* AddressLabelOf(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow && pRow->address.pszPrefix ? &pRow->address : nullptr;
}

BlockShortLabel ShortLabelOf(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    if (pRow && pRow->shortLabel.pszPrefix)
        return pRow->shortLabel;
    return {_T("B"), false};
}

TypeBoxLabel TypeBoxLabelOf(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow ? pRow->typeBox : TypeBoxLabel{};
}

bool TakesOperandLabel(int nType, WORD wSpace)
{
    const BlockAddressLabel* pAddress = AddressLabelOf(nType);
    return pAddress && (pAddress->wOperandSpaces & wSpace) != 0;
}

namespace {

const WiringKinds& WiringOf(int nType)
{
    static constexpr WiringKinds kUnknown;
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow ? pRow->wiring : kUnknown;
}

}  // namespace

WireSourceKind SourceKindOf(int nType)
{
    return WireSourceKind(WiringOf(nType).nSourceKind);
}

WireDestKind DestKindOf(int nType, int nPin)
{
    return WireDestKind(WiringOf(nType).nDestKinds[std::size_t(nPin >= 0 && nPin < 3 ? nPin : 3)]);
}

int LoopSourceClass(int nType)
{
    return WiringOf(nType).nLoopSource;
}

int LoopTargetClass(int nType)
{
    return WiringOf(nType).nLoopTarget;
}

bool KindByStartPin(int nType)
{
    return WiringOf(nType).bKindByStartPin;
}

bool RefusesSecondWire(int nType, int nPin)
{
    if (nPin < 0 || nPin >= std::numeric_limits<WORD>::digits)
        return false;
    return (WiringOf(nType).wSingleWireInputs >> nPin & 1) != 0;
}

WORD ImageRecordBytes(int nType, BOOL bNewGeneration)
{
    const ImageRecord* pRecord = FindImageRecord(nType);
    if (!pRecord)
        return 0;
    return bNewGeneration ? pRecord->wBytesNewer : pRecord->wBytesOlder;
}

const ImageRecord* FindImageRecord(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow && pRow->image.wRecordWord != 0 ? &pRow->image : nullptr;
}
