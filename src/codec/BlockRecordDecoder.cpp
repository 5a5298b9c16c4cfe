// A function block's record read back: the block of the record code's type, its header flags
// and its body by family (RecordDecoders.h).
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/SendableValues.h"
#include "codec/DecodeContext.h"
#include "codec/RecordDecoders.h"
#include "codec/RecordReader.h"
#include "document/VetlaDoc.h"

#include <array>
#include <memory>

namespace {

using FamilyDecoder = void (*)(DecodeContext&, CBlockObj&, RecordReader&);

struct FamilyRow {
    ImageFamily family;
    FamilyDecoder pfnDecode;
};

constexpr FamilyRow kDecoders[] = {
    {ImageFamily::Logic, &record::DecodeLogic},
    {ImageFamily::Timer, &record::DecodeTimer},
    {ImageFamily::WeeklyTimer, &record::DecodeWeeklyTimer},
    {ImageFamily::YearlyTimer, &record::DecodeYearlyTimer},
    {ImageFamily::AstroClock, &record::DecodeAstroClock},
    {ImageFamily::Stopwatch, &record::DecodeStopwatch},
    {ImageFamily::Counter, &record::DecodeCounter},
    {ImageFamily::HoursCounter, &record::DecodeHoursCounter},
    {ImageFamily::ThresholdTrigger, &record::DecodeThresholdTrigger},
    {ImageFamily::AnalogMux, &record::DecodeAnalogMux},
    {ImageFamily::AnalogFilter, &record::DecodeAnalogFilter},
    {ImageFamily::Average, &record::DecodeAverage},
    {ImageFamily::MaxMin, &record::DecodeMaxMin},
    {ImageFamily::AnalogWatchdog, &record::DecodeAnalogWatchdog},
    {ImageFamily::AnalogRamp, &record::DecodeAnalogRamp},
    {ImageFamily::PiController, &record::DecodePiController},
    {ImageFamily::Pwm, &record::DecodePwm},
    {ImageFamily::Analog, &record::DecodeAnalog},
    {ImageFamily::Relay, &record::DecodeRelay},
    {ImageFamily::MathError, &record::DecodeMathError},
    {ImageFamily::MessageText, &record::DecodeMessageTextRecord},
    {ImageFamily::Modbus, &record::DecodeModbus},
    {ImageFamily::Math, &record::DecodeMath},
    {ImageFamily::Udc, &record::DecodeUdc},
    {ImageFamily::Quad, &record::DecodeQuad},
    {ImageFamily::Encoder, &record::DecodeEncoder},
    {ImageFamily::Wifi, &record::DecodeWifi},
};

FamilyDecoder DecoderOf(ImageFamily family)
{
    for (const FamilyRow& row : kDecoders) {
        if (row.family == family)
            return row.pfnDecode;
    }
    return nullptr;
}

// The reference flags of the header, in the layout of the type's record, as the encoder sets them.
void ReadReferenceFlags(CBlockObj& block, int nFlags, RefFlagLayout layout)
{
    int* pUsed = &block.m_nParam[BLOCK_REF_USED_PARAM];
    switch (layout) {
    case RefFlagLayout::FirstOnly:
        pUsed[0] = nFlags >> 5 & 1;
        return;
    case RefFlagLayout::SecondThenFirst:
        pUsed[1] = nFlags >> 5 & 1;
        pUsed[0] = nFlags >> 4 & 1;
        return;
    case RefFlagLayout::FourParams:
        break;
    }
    for (int k = 0; k < BLOCK_REF_COUNT; ++k)
        pUsed[k] = nFlags >> (5 - k) & 1;
}

void ReadHeaderFlags(CBlockObj& block, int nFlags, RefFlagLayout layout)
{
    block.m_nParam[BLOCK_RETENTIVE_PARAM] = nFlags >> 7 & 1;
    // A set bit 6 means the parameters are not protected.
    block.m_nParam[BLOCK_PROTECTION_PARAM] = nFlags >> 6 & 1 ? 0 : 1;
    ReadReferenceFlags(block, nFlags, layout);
}

} // namespace

int TypeOfRecordCode(BYTE byCode)
{
    static const std::array<int, 256> kTypes = [] {
        std::array<int, 256> types{};
        for (const BlockTypeRow& row : BlockTypeRows()) {
            if (row.image.wRecordWord != 0 && row.image.family != ImageFamily::None)
                types[HIBYTE(row.image.wRecordWord)] = row.nType;
        }
        return types;
    }();
    return kTypes[byCode];
}

CBlockObj* DecodeBlockRecord(DecodeContext& ctx, int nType, std::span<const BYTE> record)
{
    const ImageRecord& image = *FindImageRecord(nType);
    const FamilyDecoder pfnDecode = DecoderOf(image.family);
    std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(nType, nullptr, &ctx.Doc()));
    if (!pfnDecode || !pBlock) {
        ctx.Fail(DecodeError::UnknownRecord, ctx.m_nRecord);
        return nullptr;
    }
    RecordReader r(record);
    r.Skip(1);
    ReadHeaderFlags(*pBlock, r.Byte(), image.refFlags);
    CBlockObj* pAdopted = pBlock.release();
    ctx.Adopt(pAdopted, NUM_FUNCTION_BLOCK + ctx.m_nRecord);
    pfnDecode(ctx, *pAdopted, r);
    if (r.Overrun())
        ctx.Fail(DecodeError::RecordPastEnd, ctx.m_nRecord);
    // A document holds only what a file may (a timer's time as its page takes it): the upload
    // must save to a file that opens again.
    else if (!HasSendableValues(*pAdopted))
        ctx.Fail(DecodeError::BadSetting, ctx.m_nRecord);
    return pAdopted;
}
