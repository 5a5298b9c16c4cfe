// A function block's record: the header (record code and flag byte) and the body by family.
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/SendableValues.h"
#include "codec/EncodeContext.h"
#include "codec/RecordEncoders.h"
#include "codec/RecordWriter.h"

namespace {

using FamilyEncoder = void (*)(EncodeContext&, const CBlockObj&, RecordWriter&);

struct FamilyRow {
    ImageFamily family;
    FamilyEncoder pfnEncode;
};

constexpr FamilyRow kEncoders[] = {
    {ImageFamily::Logic, &record::EncodeLogic},
    {ImageFamily::Timer, &record::EncodeTimer},
    {ImageFamily::WeeklyTimer, &record::EncodeWeeklyTimer},
    {ImageFamily::YearlyTimer, &record::EncodeYearlyTimer},
    {ImageFamily::AstroClock, &record::EncodeAstroClock},
    {ImageFamily::Stopwatch, &record::EncodeStopwatch},
    {ImageFamily::Counter, &record::EncodeCounter},
    {ImageFamily::HoursCounter, &record::EncodeHoursCounter},
    {ImageFamily::ThresholdTrigger, &record::EncodeThresholdTrigger},
    {ImageFamily::AnalogMux, &record::EncodeAnalogMux},
    {ImageFamily::AnalogFilter, &record::EncodeAnalogFilter},
    {ImageFamily::Average, &record::EncodeAverage},
    {ImageFamily::MaxMin, &record::EncodeMaxMin},
    {ImageFamily::AnalogWatchdog, &record::EncodeAnalogWatchdog},
    {ImageFamily::AnalogRamp, &record::EncodeAnalogRamp},
    {ImageFamily::PiController, &record::EncodePiController},
    {ImageFamily::Pwm, &record::EncodePwm},
    {ImageFamily::Analog, &record::EncodeAnalog},
    {ImageFamily::Relay, &record::EncodeRelay},
    {ImageFamily::MathError, &record::EncodeMathError},
    {ImageFamily::MessageText, &record::EncodeMessageTextRecord},
    {ImageFamily::Modbus, &record::EncodeModbus},
    {ImageFamily::Math, &record::EncodeMath},
    {ImageFamily::Udc, &record::EncodeUdc},
    {ImageFamily::Quad, &record::EncodeQuad},
    {ImageFamily::Encoder, &record::EncodeEncoder},
    {ImageFamily::Wifi, &record::EncodeWifi},
};

FamilyEncoder EncoderOf(ImageFamily family)
{
    for (const FamilyRow& row : kEncoders) {
        if (row.family == family)
            return row.pfnEncode;
    }
    return nullptr;
}

// The reference flags of the header, in the layout of the type's record.
int ReferenceFlags(const CBlockObj& block, RefFlagLayout layout)
{
    switch (layout) {
    case RefFlagLayout::FirstOnly:
        return record::RefUsed(block, 0) ? 0x20 : 0;
    case RefFlagLayout::SecondThenFirst:
        return (record::RefUsed(block, 1) ? 0x20 : 0) | (record::RefUsed(block, 0) ? 0x10 : 0);
    case RefFlagLayout::FourParams:
        break;
    }
    int nFlags = 0;
    for (int k = 0; k < BLOCK_REF_COUNT; ++k)
        nFlags |= record::RefUsed(block, k) ? 0x20 >> k : 0;
    return nFlags;
}

} // namespace

BYTE RecordCodeOf(int nType)
{
    const ImageRecord* pRecord = FindImageRecord(nType);
    return pRecord ? HIBYTE(pRecord->wRecordWord) : 0;
}

WORD BlockHeaderFlags(const CBlockObj& block)
{
    int nFlags = block.m_nParam[BLOCK_RETENTIVE_PARAM] ? 0x80 : 0;
    nFlags |= block.m_nParam[BLOCK_PROTECTION_PARAM] ? 0 : 0x40;
    const ImageRecord* pRecord = FindImageRecord(block.m_nType);
    nFlags |= ReferenceFlags(block, pRecord ? pRecord->refFlags : RefFlagLayout::FourParams);
    return WORD(RecordCodeOf(block.m_nType) << 8 | nFlags);
}

namespace {

// The encoders read a block as the class its code makes; a damaged file can pair a code with
// another class.
bool IsOfItsCodesClass(const CBlockObj& block)
{
    const BlockTypeRow* pRow = FindBlockType(block.m_nType);
    return pRow && pRow->cls.pClass == block.GetRuntimeClass();
}

} // namespace

void EncodeBlockRecord(EncodeContext& ctx, const CBlockObj& block, std::span<BYTE> record)
{
    const ImageRecord* pRecord = FindImageRecord(block.m_nType);
    FamilyEncoder pfnEncode = pRecord ? EncoderOf(pRecord->family) : nullptr;
    // A value its field cannot carry would reach the controller as another value.
    if (!pfnEncode || !IsOfItsCodesClass(block) || !HasSendableValues(block)) {
        ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
        return;
    }
    RecordWriter w(record);
    w.WordHighFirst(BlockHeaderFlags(block));
    pfnEncode(ctx, block, w);
    if (w.Overrun())
        ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
}
