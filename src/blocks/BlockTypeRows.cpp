// The rows of the block-type table. String ids of names and pin labels refer to the program's
// string table; the captions, list names and palette symbols are the texts the user reads.
#include "blocks/BlockTypeTable.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockBCD.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "blocks/BlockWidgetText.h"
#include "blocks/BlockWord.h"
#include "blocks/PowerBusObj.h"
#include "blocks/TypeBoxPictograms.h"
#include "platform/gdi/GdiTypes.h"

#include <algorithm>
#include <iterator>

namespace {

template <class T>
CBlockObj* New(int nType)
{
    return new T(nType);
}

// The factory's block for a code without a class of its own: 4 inputs.
CBlockObj* NewPlain(int nType)
{
    return new CBlockObj(nType, 4);
}

#define CLASS(class_name) BlockClass{RUNTIME_CLASS(class_name), &New<class_name>}
#define PLAIN BlockClass{RUNTIME_CLASS(CBlockObj), &NewPlain}

constexpr int K0 = PINKIND_NONE;
constexpr int KD = PINKIND_DIGITAL;
constexpr int KA = PINKIND_ANALOG;
constexpr int KP = PINKIND_TEXT;

// Pin labels of the hover tip. A pin the block names takes that name; any other pin takes a
// label by its kind and place: digital inputs In1 .. In4 by position (In for a block's only
// input), analog inputs Ax and Ay, parameter pins Par.
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

// Inputs that take one wire only in a ladder document.
constexpr WORD ALL_INPUTS = (1u << BLOCK_FIRST_OUTPUT) - 1;
constexpr WORD INPUT_2 = 1u << 1;

// The operand spaces whose labels the ladder elements take: a contact reads every digital space
// or every analog one and a function block's output, a coil writes outputs, flags and open
// connectors, the ladder analog output analog outputs and analog flags.
constexpr WORD CONTACT_OPERANDS = OPERAND_INPUT | OPERAND_OUTPUT | OPERAND_SHIFT | OPERAND_CURSOR_KEY | OPERAND_FKEY |
                                  OPERAND_FLAG | OPERAND_LOW | OPERAND_HIGH | OPERAND_FUNCTION_BLOCK;
constexpr WORD ANALOG_CONTACT_OPERANDS =
    OPERAND_ANALOG_IN | OPERAND_ANALOG_OUT | OPERAND_ANALOG_FLAG | OPERAND_FUNCTION_BLOCK;
constexpr WORD COIL_OPERANDS = OPERAND_OUTPUT | OPERAND_FLAG | OPERAND_OPENX;
constexpr WORD ANALOG_OUTPUT_OPERANDS = OPERAND_ANALOG_OUT | OPERAND_ANALOG_FLAG;

// The values a data-log block can record of a block (and a memory block can keep), as
// parameter-name ids in list order, for the rows that offer them.
constexpr int kLogTimer[] = {0};
constexpr int kLogAc[] = {78, 79};
constexpr int kLogSw[] = {81, 82, 83};
constexpr int kLogCounter[] = {16};
constexpr int kLogHcounter[] = {20, 21, 66, 67};
constexpr int kLogThtrg[] = {22};
constexpr int kLogAcomp[] = {28, 29, 30};
constexpr int kLogGain[] = {28};
constexpr int kLogAwdog[] = {32, 28};
constexpr int kLogAdtrg[] = {28, 25};
constexpr int kLogAnalogValue[] = {70};
constexpr int kLogAramp[] = {102};
constexpr int kLogPi[] = {114, 115};
constexpr int kLogPwm[] = {117};
constexpr int kLogAfilter[] = {89, 98};
constexpr int kLogMaxmin[] = {89, 96, 97, 98};
constexpr int kLogAvgval[] = {93, 94};
constexpr int kLogMatherr[] = {100, 101};
constexpr int kLogWordValue[] = {114};
constexpr int kLogRotate[] = {118, 114};
constexpr int kLogShift[] = {119, 114};
constexpr int kLogMask[] = {120, 114};
constexpr int kLogArrmxiv[] = {95, 121, 114};
constexpr int kLogAcmxiv[] = {95, 114};
constexpr int kLogBase[] = {122, 114};
constexpr int kLogEncoder[] = {144, 140, 141, 142, 125};
constexpr int kLogSmc[] = {126};
constexpr int kLogSmce[] = {126, 127};
constexpr int kLogPto[] = {138};
constexpr int kLogPtoe[] = {138, 143};
constexpr int kLogWord2bit[] = {124};
constexpr int kLogUdc[] = {128};
constexpr int kLogCrc16[] = {129};
constexpr int kLogLog[] = {122, 123, 114};
constexpr int kLogFactor[] = {123, 114};

// What the in-place parameter editor offers, as {parameter-name id, reference slot that must be
// free}, in the order the ids are looked up.
constexpr int ANY_ID = IN_PLACE_ANY_PARAM;
constexpr int ANY_SLOT = IN_PLACE_ANY_SLOT;
constexpr InPlaceOffer kOfferOnDelay[] = {{4, 0}};
constexpr InPlaceOffer kOfferOffDelay[] = {{5, 0}};
constexpr InPlaceOffer kOfferOnOffDelay[] = {{6, 0}, {7, 1}};
constexpr InPlaceOffer kOfferWiping[] = {{7, 0}};
constexpr InPlaceOffer kOfferPulsePair[] = {{40, 0}, {39, 1}};
constexpr InPlaceOffer kOfferRandomGenerator[] = {{10, 0}, {11, 1}};
constexpr InPlaceOffer kOfferStairway[] = {{5, 1}};
constexpr InPlaceOffer kOfferMultipleFunction[] = {{41, 1}, {14, 0}};
constexpr InPlaceOffer kOfferEveryParam[] = {{ANY_ID, ANY_SLOT}};
constexpr InPlaceOffer kOfferCounter[] = {{17, 0}, {18, 1}, {ANY_ID, ANY_SLOT}};
constexpr InPlaceOffer kOfferHoursCounter[] = {{19, 0}};
constexpr InPlaceOffer kOfferThreshold[] = {{37, ANY_SLOT}, {38, ANY_SLOT}};
constexpr InPlaceOffer kOfferAnalogThreshold[] = {{24, ANY_SLOT}, {25, ANY_SLOT}, {31, ANY_SLOT}};
constexpr InPlaceOffer kOfferAnalogDifferential[] = {{24, ANY_SLOT}, {31, ANY_SLOT}};
constexpr InPlaceOffer kOfferAnalogMath[] = {{71, 0}, {72, 1}, {73, 2}, {74, 3}};
// The word and math blocks name their one parameter by any of these ids.
constexpr InPlaceOffer kOfferWordParam[] = {{118, 0}, {119, 0}, {120, 0}, {121, 0}, {122, 0}, {123, 0}, {124, 0}};
constexpr InPlaceOffer kOfferMaxMin[] = {{95, 0}, {121, 1}};
constexpr InPlaceOffer kOfferEncoder[] = {{141, 0}, {142, 1}, {ANY_ID, ANY_SLOT}};
constexpr InPlaceOffer kOfferSteppingMotor[] = {{127, 0}, {126, 1}};
constexpr InPlaceOffer kOfferPulseTrain[] = {{143, 0}, {138, 1}};
constexpr InPlaceOffer kOfferLog[] = {{123, ANY_SLOT}, {122, 0}};

// The type box of a message-text element: its texts' fonts by cell height, character width and
// weight, fixed-pitch or sans-serif; a text alone or over a second one, under the pictogram if
// there is one; or the pictogram alone.
constexpr TypeBoxFont Fixed(int nHeight, int nWidth, int nWeight = 0) { return {nHeight, nWidth, nWeight, false}; }
constexpr TypeBoxFont Sans(int nHeight, int nWidth, int nWeight = 0) { return {nHeight, nWidth, nWeight, true}; }
// The "MASK" under a masked gate's mark; the box sets the two texts apart by its weight.
constexpr TypeBoxFont MASK_FONT = Sans(10, 4, FW_HEAVY);
constexpr TypeBoxLabel Label(LPCTSTR pszText, TypeBoxFont font, std::span<const PictogramShape> pictogram = {})
{
    return {pszText, font, nullptr, {}, pictogram};
}
constexpr TypeBoxLabel Labels(LPCTSTR pszText, TypeBoxFont font, LPCTSTR pszSecond, TypeBoxFont second,
                              std::span<const PictogramShape> pictogram = {})
{
    return {pszText, font, pszSecond, second, pictogram};
}
constexpr TypeBoxLabel Pictogram(std::span<const PictogramShape> pictogram)
{
    return {nullptr, {}, nullptr, {}, pictogram};
}

// In code order. A row names only the columns it sets; every other column keeps its default
// (no caption, no palette entry, not placeable, the "other" wiring kinds, no address), which
// this compiler would warn of for each designated initializer. Timers name their inputs in the
// tip's block name, so their tip name differs from the display name.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
constexpr BlockTypeRow kRows[] = {
    // Basic logic.
    {.nType = BT_AND, .family = BlockFamily::Logic, .cls = CLASS(CBlockLogic), .pins = {4, 1, {KD, KD, KD, KD}, KD},
     .texts = {450, 450, {IN1, IN2, IN3, IN4}, OUT}, .caption = {u"[AND]", ChineseCaption::FromStrings, 1571},
     .palette = {PaletteGroup::Basic, 0, u"&"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 12, 12}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0100, ImageFamily::Logic, 12, 12}},
    {.nType = BT_AND_EDGE, .family = BlockFamily::Logic, .cls = CLASS(CBlockLogic),
     .pins = {4, 1, {KD, KD, KD, KD}, KD}, .texts = {451, 451, {IN1, IN2, IN3, IN4}, OUT},
     .caption = {u"[AND(Edge)]", ChineseCaption::FromStrings, 1572},
     .palette = {PaletteGroup::Basic, 1, u"&", PaletteMark::Edge}, .byGenerations = GEN_ALL,
     .placement = {TRUE, 12, 12}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0700, ImageFamily::Logic, 12, 12}},
    {.nType = BT_NAND, .family = BlockFamily::Logic, .cls = CLASS(CBlockLogic), .pins = {4, 1, {KD, KD, KD, KD}, KD},
     .texts = {455, 455, {IN1, IN2, IN3, IN4}, OUT}, .caption = {u"[NAND]", ChineseCaption::FromStrings, 1573},
     .palette = {PaletteGroup::Basic, 2, u"&", PaletteMark::Negated}, .byGenerations = GEN_ALL,
     .byLanguages = LANG_FBD, .placement = {TRUE, 12, 12}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0400, ImageFamily::Logic, 12, 12}},
    {.nType = BT_NAND_EDGE, .family = BlockFamily::Logic, .cls = CLASS(CBlockLogic),
     .pins = {4, 1, {KD, KD, KD, KD}, KD}, .texts = {456, 456, {IN1, IN2, IN3, IN4}, OUT},
     .caption = {u"[NAND(Edge)]", ChineseCaption::FromStrings, 1574},
     .palette = {PaletteGroup::Basic, 3, u"&", PaletteMark::EdgeNegated}, .byGenerations = GEN_ALL,
     .placement = {TRUE, 12, 12}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0800, ImageFamily::Logic, 12, 12}},
    {.nType = BT_OR, .family = BlockFamily::Logic, .cls = CLASS(CBlockLogic), .pins = {4, 1, {KD, KD, KD, KD}, KD},
     .texts = {452, 452, {IN1, IN2, IN3, IN4}, OUT}, .caption = {u"[OR]", ChineseCaption::FromStrings, 1575},
     .palette = {PaletteGroup::Basic, 4, u">1"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 12, 12}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0200, ImageFamily::Logic, 12, 12}},
    {.nType = BT_NOR, .family = BlockFamily::Logic, .cls = CLASS(CBlockLogic), .pins = {4, 1, {KD, KD, KD, KD}, KD},
     .texts = {457, 457, {IN1, IN2, IN3, IN4}, OUT}, .caption = {u"[NOR]", ChineseCaption::FromStrings, 1576},
     .palette = {PaletteGroup::Basic, 5, u">1", PaletteMark::Negated}, .byGenerations = GEN_ALL,
     .byLanguages = LANG_FBD, .placement = {TRUE, 12, 12}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0500, ImageFamily::Logic, 12, 12}},
    {.nType = BT_XOR, .family = BlockFamily::Logic, .cls = CLASS(CBlockLogic), .pins = {2, 1, {KD, KD, K0, K0}, KD},
     .texts = {454, 454, {IN1, IN2, 0, 0}, OUT}, .caption = {u"[XOR]", ChineseCaption::FromStrings, 1577},
     .palette = {PaletteGroup::Basic, 6, u"=1"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 8, 8}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0600, ImageFamily::Logic, 8, 8}},
    {.nType = BT_NOT, .family = BlockFamily::Logic, .cls = CLASS(CBlockLogic), .pins = {1, 1, {KD, K0, K0, K0}, KD},
     .texts = {453, 453, {IN, 0, 0, 0}, OUT}, .caption = {u"[NOT]", ChineseCaption::FromStrings, 1578},
     .palette = {PaletteGroup::Basic, 7, u"1", PaletteMark::Negated}, .byGenerations = GEN_ALL,
     .byLanguages = LANG_FBD, .placement = {TRUE, 4, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0300, ImageFamily::Logic, 4, 4}},
    // Timers and clocks.
    {.nType = BT_DPR, .family = BlockFamily::Timer, .cls = CLASS(CBlockDPR), .pins = {2, 1, {KD, KP, K0, K0}, KD},
     .texts = {460, 810, {TRG, T, 0, 0}, OUT}, .caption = {u"[On-Delay]", ChineseCaption::FromStrings, 1579},
     .listName = {u"[On Delay]", 1}, .palette = {PaletteGroup::Timers, 0, u"ON-D"}, .byGenerations = GEN_ALL,
     .placement = {TRUE, 8, 8}, .references = {1, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2140, ImageFamily::Timer, 8, 8}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::OnDelay, kOfferOnDelay},
     .widgetTexts = DelayWidgetTexts,
     .typeBox = {.pszText = u"ON-D", .font = Fixed(12, 5), .pictogram = pictogram::kOnDelay, .nTextLeft = 2}},
    {.nType = BT_DDR, .family = BlockFamily::Timer, .cls = CLASS(CBlockDDR), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {461, 811, {TRG, R, T, 0}, OUT}, .caption = {u"[Off-Delay]", ChineseCaption::FromStrings, 1580},
     .listName = {u"[Off Delay]", 2}, .palette = {PaletteGroup::Timers, 1, u"OFF-D"}, .byGenerations = GEN_ALL,
     .placement = {TRUE, 12, 12}, .references = {1, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2240, ImageFamily::Timer, 12, 12}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::OffDelay, kOfferOffDelay},
     .widgetTexts = DelayWidgetTexts,
     .typeBox = Label(u"OFF-D", Fixed(10, 4), pictogram::kOffDelay)},
    {.nType = BT_MPLR, .family = BlockFamily::Timer, .cls = CLASS(CBlockMPLR), .pins = {2, 1, {KD, KP, K0, K0}, KD},
     .texts = {462, 812, {TRG, PAR, 0, 0}, OUT}, .caption = {u"[On-/Off-Delay]", ChineseCaption::FromStrings, 1581},
     .listName = {u"[On/Off Delay]", 3}, .palette = {PaletteGroup::Timers, 2, u"ON/OFF"}, .byGenerations = GEN_ALL,
     .placement = {TRUE, 12, 12}, .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2F40, ImageFamily::Timer, 12, 12}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::OnOffDelay, kOfferOnOffDelay},
     .widgetTexts = OnOffDelayWidgetTexts,
     .typeBox = Label(u"ON/OFF", Fixed(10, 4), pictogram::kOnOffDelay)},
    {.nType = BT_PLR, .family = BlockFamily::Timer, .cls = CLASS(CBlockPLR), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {463, 813, {TRG, R, T, 0}, OUT},
     .caption = {u"[Retentive On-Delay]", ChineseCaption::FromStrings, 1582},
     .listName = {u"[Retentive On-Delay]", 4}, .palette = {PaletteGroup::Timers, 3, u"R-ON-D"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 12, 12}, .references = {1, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2740, ImageFamily::Timer, 12, 12}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::OnDelay, kOfferOnDelay},
     .widgetTexts = DelayWidgetTexts,
     .typeBox = Label(u"R-ON-D", Fixed(10, 4), pictogram::kRetentive)},
    {.nType = BT_CPG, .family = BlockFamily::Timer, .cls = CLASS(CBlockCPG), .pins = {2, 1, {KD, KP, K0, K0}, KD},
     .texts = {464, 814, {TRG, T, 0, 0}, OUT},
     .caption = {u"[Wiping relay(pulse output)]", ChineseCaption::FromStrings, 1583},
     .listName = {u"[Wiping Relay(Pulse Output)]", 5}, .palette = {PaletteGroup::Timers, 4, u"W-R"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 8, 8}, .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2A40, ImageFamily::Timer, 8, 8}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::WipingRelay, kOfferWiping},
     .widgetTexts = ClockPulseWidgetTexts,
     .typeBox = Label(u"W-R", Fixed(12, 5), pictogram::kWiping)},
    {.nType = BT_RPR, .family = BlockFamily::Timer, .cls = CLASS(CBlockRPR), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {465, 815, {TRG, R, PAR, 0}, OUT},
     .caption = {u"[Edge trigger wiping relay]", ChineseCaption::FromStrings, 1584},
     .listName = {u"[Edge Trigger Wiping Relay]", 6}, .palette = {PaletteGroup::Timers, 5, u"ETWR"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 16, 16}, .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x3340, ImageFamily::Timer, 16, 16}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::PulsePair, kOfferPulsePair},
     .widgetTexts = PulseRelayWidgetTexts,
     .typeBox = Label(u"E-F-W-R", Fixed(10, 3), pictogram::kEdgeWiping)},
    {.nType = BT_APG, .family = BlockFamily::Timer, .cls = CLASS(CBlockAPG), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {477, 816, {EN, INV, PAR, 0}, OUT},
     .caption = {u"[Asynchronous Pulse Generator]", ChineseCaption::FromStrings, 1585},
     .listName = {u"[Asynchronous Pulse Generator]", 7}, .palette = {PaletteGroup::Timers, 6, u"A-P-G"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 12, 12}, .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2D40, ImageFamily::Timer, 12, 12}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::PulsePair, kOfferPulsePair},
     .widgetTexts = PulseGeneratorWidgetTexts,
     .typeBox = Label(u"A-P-G", Fixed(10, 4), pictogram::kPulseGenerator)},
    {.nType = BT_RG, .family = BlockFamily::Timer, .cls = CLASS(CBlockRG), .pins = {2, 1, {KD, KP, K0, K0}, KD},
     .texts = {478, 824, {EN, PAR, 0, 0}, OUT}, .caption = {u"[Random Generator]", ChineseCaption::FromStrings, 1586},
     .listName = {u"[Random Generator]", 8}, .palette = {PaletteGroup::Timers, 7, u"R-G"}, .byGenerations = GEN_ALL,
     .placement = {TRUE, 12, 12}, .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x3040, ImageFamily::Timer, 12, 12},
     .inPlace = {InPlaceRules::RandomGenerator, kOfferRandomGenerator},
     .widgetTexts = RandomWidgetTexts,
     .typeBox = Label(u"R-G", Fixed(12, 5), pictogram::kRandomGenerator)},
    {.nType = BT_SLS, .family = BlockFamily::Timer, .cls = CLASS(CBlockSLS), .pins = {2, 1, {KD, KP, K0, K0}, KD},
     .texts = {479, 826, {TRG, T, 0, 0}, OUT},
     .caption = {u"[Stairway lighting switch]", ChineseCaption::FromStrings, 1587},
     .listName = {u"[Stairway lighting switch]", 9}, .palette = {PaletteGroup::Timers, 8, u"S-L-S"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 12, 12}, .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x3140, ImageFamily::Timer, 12, 12}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::StairwayLight, kOfferStairway},
     .widgetTexts = StairwayWidgetTexts,
     .typeBox = Label(u"S-L-S", Fixed(10, 4))},
    {.nType = BT_MFS, .family = BlockFamily::Timer, .cls = CLASS(CBlockMFS), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {492, 825, {TRG, R, PAR, 0}, OUT},
     .caption = {u"[Multiple function switch]", ChineseCaption::FromStrings, 1588},
     .listName = {u"[Multiple function switch]", 10}, .palette = {PaletteGroup::Timers, 9, u"M-F-S"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 16, 16}, .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x3240, ImageFamily::Timer, 16, 16}, .loggable = kLogTimer,
     .inPlace = {InPlaceRules::MultipleFunctionSwitch, kOfferMultipleFunction},
     .widgetTexts = MultipleFunctionWidgetTexts,
     .typeBox = Label(u"M-F-S", Fixed(10, 4))},
    {.nType = BT_WT, .family = BlockFamily::Timer, .cls = CLASS(CBlockWT), .pins = {3, 1, {KP, KP, KP, K0}, KD},
     .texts = {493, 827, {NO1, NO2, NO3, 0}, OUT}, .caption = {u"[Weekly Timer]", ChineseCaption::FromStrings, 1589},
     .listName = {u"[Weekly Timer]", 11}, .palette = {PaletteGroup::Timers, 10, u"W-T"}, .byGenerations = GEN_ALL,
     .placement = {TRUE, 20, 20, 591},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2440, ImageFamily::WeeklyTimer, 20, 20},
     .inPlace = {InPlaceRules::WeeklyTimer, kOfferEveryParam},
     .widgetTexts = WeeklyTimerWidgetTexts,
     .typeBox = Label(u"W-T", Fixed(12, 5), pictogram::kClock)},
    {.nType = BT_YT, .family = BlockFamily::Timer, .cls = CLASS(CBlockYT), .pins = {1, 1, {KP, K0, K0, K0}, KD},
     .texts = {494, 828, {NO, 0, 0, 0}, OUT}, .caption = {u"[Yearly Timer]", ChineseCaption::FromStrings, 1590},
     .listName = {u"[Yearly Timer]", 12}, .palette = {PaletteGroup::Timers, 11, u"Y-T"}, .byGenerations = GEN_ALL,
     .placement = {TRUE, 8, 14},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2E40, ImageFamily::YearlyTimer, 8, 14},
     .inPlace = {InPlaceRules::YearlyTimer, kOfferEveryParam},
     .widgetTexts = YearlyTimerWidgetTexts,
     .typeBox = Label(u"Y-T", Fixed(12, 5), pictogram::kClock)},
    {.nType = BT_AC, .family = BlockFamily::Timer, .cls = CLASS(CBlockAC), .pins = {1, 1, {KP, K0, K0, K0}, KD},
     .texts = {501, 501, {PAR, 0, 0, 0}, OUT},
     .caption = {u"[Astronomical clock]", ChineseCaption::FromStrings, 1591},
     .listName = {u"[Astronomical clock]", 13}, .palette = {PaletteGroup::Timers, 12, u"AC"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 16, 16},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2840, ImageFamily::AstroClock, 16, 16}, .loggable = kLogAc,
     .widgetTexts = AstroClockWidgetTexts,
     .typeBox = Labels(u"*", Sans(20, 12, FW_NORMAL), u"AC", Sans(12, 7, FW_NORMAL), pictogram::kAstroClock)},
    {.nType = BT_SW, .family = BlockFamily::Timer, .cls = CLASS(CBlockSW), .pins = {4, 1, {KD, KD, KD, KP}, KA},
     .texts = {502, 502, {IN1, IN2, IN3, PAR}, OUT}, .caption = {u"[Stopwatch]", ChineseCaption::FromStrings, 1592},
     .listName = {u"[Stopwatch]", 14}, .palette = {PaletteGroup::Timers, 13, u"SW"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 16, 16}, .wiring = {1, {1, 1, 1, 1}, 5, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x4840, ImageFamily::Stopwatch, 16, 16}, .loggable = kLogSw,
     .widgetTexts = StopwatchWidgetTexts,
     .typeBox = Label(u"SW", Sans(12, 7, FW_NORMAL), pictogram::kStopwatch)},
    // I/O and constants.
    {.nType = BT_IN, .family = BlockFamily::IO, .cls = CLASS(CBlockIn), .pins = {0, 1, {K0, K0, K0, K0}, KD},
     .texts = {480, 480, {0, 0, 0, 0}, OUT}, .caption = {u"[Input]", ChineseCaption::FromStrings, 1593},
     .palette = {PaletteGroup::IO, 0, u"I"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 0, 0, 570}, .address = {.pszPrefix = u"I", .nBase = NUM_INPUT, .nDivisor = 32, .nOlderPoints = 16},
     .shortLabel = {u"I"}},
    {.nType = BT_CURSOR_KEY, .family = BlockFamily::IO, .cls = PLAIN, .pins = {4, 1, {K0, K0, K0, K0}, KD},
     .texts = {490, 490, {0, 0, 0, 0}, OUT}, .caption = {u"[Cursor Key]", ChineseCaption::NotWritten},
     .byLanguages = LANG_FBD, .placement = {FALSE, 0, 0, 579}, .address = {u"C", NUM_CURSOR_KEY},
     .shortLabel = {u"C"}},
    {.nType = BT_SHIFT, .family = BlockFamily::IO, .cls = CLASS(CBlockShift), .pins = {0, 1, {K0, K0, K0, K0}, KD},
     .texts = {488, 488, {0, 0, 0, 0}, OUT}, .caption = {u"[Shift register bit]", ChineseCaption::FromStrings, 1595},
     .palette = {PaletteGroup::IO, 2, u"S"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 0, 0, 580}, .address = {u"S", NUM_SHIFT, 16, true},
     .shortLabel = {u"S"}},
    {.nType = BT_LOW, .family = BlockFamily::IO, .cls = CLASS(CBlockLow), .pins = {0, 1, {K0, K0, K0, K0}, KD},
     .texts = {473, 473, {0, 0, 0, 0}, OUT}, .caption = {u"[Status 0 (low)]", ChineseCaption::FromStrings, 1596},
     .palette = {PaletteGroup::IO, 3, u"lo"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 0, 0, 583}, .address = {u"lo", NUM_LOW},
     .shortLabel = {u"Low", true}},
    {.nType = BT_HIGH, .family = BlockFamily::IO, .cls = CLASS(CBlockHigh), .pins = {0, 1, {K0, K0, K0, K0}, KD},
     .texts = {476, 476, {0, 0, 0, 0}, OUT}, .caption = {u"[Status 1 (high)]", ChineseCaption::FromStrings, 1597},
     .palette = {PaletteGroup::IO, 4, u"hi"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 0, 0, 584}, .address = {u"hi", NUM_HIGH},
     .shortLabel = {u"High", true}},
    {.nType = BT_OUT, .family = BlockFamily::IO, .cls = CLASS(CBlockOut), .pins = {1, 1, {KD, K0, K0, K0}, KD},
     .texts = {481, 481, {IN, 0, 0, 0}, OUT}, .caption = {u"[Output]", ChineseCaption::FromStrings, 1598},
     .palette = {PaletteGroup::IO, 5, u"Q"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 0, 0, 571}, .wiring = {4, {4, 4, 4, 4}, 1, 1}, .address = {.pszPrefix = u"Q", .nBase = NUM_OUTPUT, .nDivisor = 16, .nOlderPoints = 8},
     .shortLabel = {u"Q"}},
    {.nType = BT_OPENX, .family = BlockFamily::IO, .cls = CLASS(CBlockOpenX), .pins = {1, 0, {KD, K0, K0, K0}, K0},
     .texts = {482, 482, {IN, 0, 0, 0}, 0}, .caption = {u"[Open connector]", ChineseCaption::FromStrings, 1599},
     .palette = {PaletteGroup::IO, 6, u"X"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 0, 0, 581}, .address = {u"X", NUM_OPENX},
     .shortLabel = {u"X"}},
    {.nType = BT_FLAG, .family = BlockFamily::IO, .cls = CLASS(CBlockFlag), .pins = {1, 1, {KD, K0, K0, K0}, KD},
     .texts = {483, 483, {IN, 0, 0, 0}, OUT}, .caption = {u"[Flag]", ChineseCaption::FromStrings, 1600},
     .palette = {PaletteGroup::IO, 7, u"M"}, .byGenerations = GEN_ALL, .byLanguages = LANG_FBD,
     .placement = {TRUE, 0, 0, 582}, .wiring = {4, {4, 4, 4, 4}, 1, 1}, .address = {u"M", NUM_FLAG},
     .shortLabel = {u"M"}},
    {.nType = BT_ANALOG_IN, .family = BlockFamily::IO, .cls = CLASS(CBlockAnalogIn),
     .pins = {0, 1, {K0, K0, K0, K0}, KA}, .texts = {486, 486, {0, 0, 0, 0}, OUT},
     .caption = {u"[Analog input]", ChineseCaption::FromStrings, 1601}, .palette = {PaletteGroup::IO, 8, u"AI"},
     .byGenerations = GEN_ALL, .byLanguages = LANG_FBD, .placement = {TRUE, 0, 0, 585},
     .wiring = {0, {0, 0, 0, 0}, 3, 5}, .address = {u"AI", NUM_ANALOG_IN, 8},
     .shortLabel = {u"AI"},
     .widgetTexts = AnalogInputWidgetTexts},
    {.nType = BT_ANALOG_OUT, .family = BlockFamily::IO, .cls = CLASS(CBlockAnalogOut),
     .pins = {1, 1, {KA, K0, K0, K0}, KA}, .texts = {487, 487, {IN, 0, 0, 0}, OUT},
     .caption = {u"[Analog output]", ChineseCaption::FromStrings, 1602}, .palette = {PaletteGroup::IO, 9, u"AQ"},
     .byGenerations = GEN_ALL, .byLanguages = LANG_FBD, .placement = {TRUE, 0, 0, 586},
     .wiring = {0, {0, 0, 0, 0}, 2, 2}, .address = {u"AQ", NUM_ANALOG_OUT, 4},
     .shortLabel = {u"AQ"}},
    {.nType = BT_ANALOG_FLAG, .family = BlockFamily::IO, .cls = CLASS(CBlockAnalogFlag),
     .pins = {1, 1, {KA, K0, K0, K0}, KA}, .texts = {491, 491, {IN, 0, 0, 0}, OUT},
     .caption = {u"[Analog flag]", ChineseCaption::FromStrings, 1603}, .palette = {PaletteGroup::IO, 10, u"AM"},
     .byGenerations = GEN_ALL, .byLanguages = LANG_FBD, .placement = {TRUE, 0, 0, 587},
     .wiring = {0, {0, 0, 0, 0}, 2, 2}, .address = {u"AM", NUM_ANALOG_FLAG},
     .shortLabel = {u"AM"},
     .widgetTexts = AnalogFlagWidgetTexts},
    {.nType = BT_FKEY, .family = BlockFamily::IO, .cls = CLASS(CBlockFKey), .pins = {0, 1, {K0, K0, K0, K0}, KD},
     .texts = {500, 500, {0, 0, 0, 0}, OUT}, .caption = {u"[TD Function key]", ChineseCaption::FromStrings, 1594},
     .palette = {PaletteGroup::IO, 1, u"F"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 0, 0, 605},
     .nOlderRefusalId = 618, .address = {u"F", NUM_FKEY}, .shortLabel = {u"F"}},
    // Ladder elements.
    {.nType = BT_MAKE, .family = BlockFamily::LadderContact, .cls = CLASS(CBlockMake),
     .pins = {1, 1, {KD, K0, K0, K0}, KD}, .texts = {520, 520, {IN, 0, 0, 0}, OUT},
     .caption = {u"[Make contact]", ChineseCaption::English, 1604},
     .palette = {PaletteGroup::Ladder, 0, u"NI"}, .byGenerations = GEN_ALL, .byLanguages = LANG_LAD,
     .placement = {TRUE, 0, 0, 603}, .address = {u"I", NUM_INPUT, 0, false, CONTACT_OPERANDS}, .shortLabel = {u"I"}},
    {.nType = BT_BREAK, .family = BlockFamily::LadderContact, .cls = CLASS(CBlockBreak),
     .pins = {1, 1, {KD, K0, K0, K0}, KD}, .texts = {521, 521, {IN, 0, 0, 0}, OUT},
     .caption = {u"[Break contact]", ChineseCaption::English, 1605},
     .palette = {PaletteGroup::Ladder, 1, u"NI", PaletteMark::Negated}, .byGenerations = GEN_ALL,
     .byLanguages = LANG_LAD, .placement = {TRUE, 0, 0, 606},
     .address = {u"I", NUM_INPUT, 0, false, CONTACT_OPERANDS}, .shortLabel = {u"I"}},
    {.nType = BT_ACONTACT, .family = BlockFamily::LadderContact, .cls = CLASS(CBlockAContact),
     .pins = {1, 1, {KD, K0, K0, K0}, KA}, .texts = {522, 522, {IN, 0, 0, 0}, OUT},
     .caption = {u"[Analog contact]", ChineseCaption::English, 1606},
     .palette = {PaletteGroup::Ladder, 2, u"AI"}, .byGenerations = GEN_ALL, .byLanguages = LANG_LAD,
     .placement = {TRUE, 0, 0, 616}, .wiring = {0, {4, 4, 4, 4}, 3, 5},
     .address = {u"AI", NUM_ANALOG_IN, 0, false, ANALOG_CONTACT_OPERANDS},
     .shortLabel = {u"AI"}},
    {.nType = BT_RELAY_COIL, .family = BlockFamily::LadderOutput, .cls = CLASS(CBlockRelayCoil),
     .pins = {1, 0, {KD, K0, K0, K0}, K0}, .texts = {523, 523, {IN, 0, 0, 0}, 0},
     .caption = {u"[Relay coil]", ChineseCaption::English, 1607},
     .palette = {PaletteGroup::Ladder, 3, u"NQ"}, .byGenerations = GEN_ALL, .byLanguages = LANG_LAD,
     .placement = {TRUE, 0, 0, 600}, .address = {u"Q", NUM_OUTPUT, 0, false, COIL_OPERANDS}, .shortLabel = {u"Q"}},
    {.nType = BT_INV_OUT, .family = BlockFamily::LadderOutput, .cls = CLASS(CBlockInvOut),
     .pins = {1, 0, {KD, K0, K0, K0}, K0}, .texts = {524, 524, {IN, 0, 0, 0}, 0},
     .caption = {u"[Inverted output]", ChineseCaption::English, 1608},
     .palette = {PaletteGroup::Ladder, 4, u"NQ", PaletteMark::Negated}, .byGenerations = GEN_ALL,
     .byLanguages = LANG_LAD, .placement = {TRUE, 0, 0, 600},
     .address = {u"Q", NUM_OUTPUT, 0, false, COIL_OPERANDS}, .shortLabel = {u"Q"}},
    {.nType = BT_AOUT_LAD, .family = BlockFamily::LadderOutput, .cls = CLASS(CBlockAOutLAD),
     .pins = {1, 1, {KA, K0, K0, K0}, K0}, .texts = {525, 525, {IN, 0, 0, 0}, 0},
     .caption = {u"[Analog output]", ChineseCaption::English, 1609},
     .palette = {PaletteGroup::Ladder, 5, u"AQ"}, .byGenerations = GEN_ALL, .byLanguages = LANG_LAD,
     .placement = {TRUE, 0, 0, 599}, .wiring = {4, {0, 0, 0, 0}, 3, 5, false, ALL_INPUTS},
     .address = {u"AQ", NUM_ANALOG_OUT, 0, false, ANALOG_OUTPUT_OPERANDS}},
    // Function blocks.
    {.nType = BT_COUNTER, .family = BlockFamily::Function, .cls = CLASS(CBlockCOUNTER),
     .pins = {4, 1, {KD, KD, KD, KP}, KD}, .texts = {467, 467, {R, CNT, DIR, PAR}, OUT},
     .caption = {u"[Up/Down Counter]", ChineseCaption::FromStrings, 1610}, .listName = {u"[Up/Down Counter]", 15},
     .palette = {PaletteGroup::Misc, 0, u"U/D"}, .byGenerations = GEN_ALL, .placement = {TRUE, 24, 24},
     .references = {2, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_OLDER_REFERENCE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x2B40, ImageFamily::Counter, 24, 24}, .loggable = kLogCounter,
     .inPlace = {InPlaceRules::Counter, kOfferCounter},
     .widgetTexts = CounterWidgetTexts,
     .typeBox = Label(u"U/D", Sans(12, 5), pictogram::kCounter)},
    {.nType = BT_HCOUNTER, .family = BlockFamily::Function, .cls = CLASS(CBlockHCOUNTER),
     .pins = {4, 1, {KD, KD, KD, KP}, KD}, .texts = {495, 495, {R, EN, RAL, PAR}, OUT},
     .caption = {u"[Hours Counter]", ChineseCaption::FromStrings, 1611}, .listName = {u"[Hour Counter]", 16},
     .palette = {PaletteGroup::Misc, 1, u"H-C"}, .byGenerations = GEN_ALL, .placement = {TRUE, 24, 24},
     .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x29C0, ImageFamily::HoursCounter, 24, 24}, .loggable = kLogHcounter,
     .inPlace = {InPlaceRules::HoursCounter, kOfferHoursCounter},
     .widgetTexts = HoursCounterWidgetTexts,
     .typeBox = Label(u"H-C", Sans(12, 5))},
    {.nType = BT_THTRG, .family = BlockFamily::Function, .cls = CLASS(CBlockTHTRG),
     .pins = {2, 1, {KD, KP, K0, K0}, KD}, .texts = {496, 496, {FRE, PAR, 0, 0}, OUT},
     .caption = {u"[Threshold Trigger]", ChineseCaption::FromStrings, 1612}, .listName = {u"[Threshold trigger]", 17},
     .palette = {PaletteGroup::Misc, 2, u"TRG"}, .byGenerations = GEN_ALL, .placement = {TRUE, 16, 16},
     .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x2C40, ImageFamily::ThresholdTrigger, 16, 16}, .loggable = kLogThtrg,
     .inPlace = {InPlaceRules::ThresholdTrigger, kOfferThreshold},
     .widgetTexts = ThresholdTriggerWidgetTexts,
     .typeBox = Pictogram(pictogram::kTrigger)},
    {.nType = BT_ACOMP, .family = BlockFamily::Function, .cls = CLASS(CBlockACOMP),
     .pins = {3, 1, {KA, KA, KP, K0}, KD}, .texts = {497, 497, {AX, AY, PAR, 0}, OUT},
     .caption = {u"[Analog Comparator]", ChineseCaption::FromStrings, 1614}, .listName = {u"[Analog Comparator]", 19},
     .palette = {PaletteGroup::Misc, 4, u"CMP"}, .byGenerations = GEN_ALL, .placement = {TRUE, 24, 24},
     .references = {0, 4}, .wiring = {2, {2, 2, 2, 2}, 4, 3, false, ALL_INPUTS},
     .nFlags = BTF_ANALOG_VALUE | BTF_OLDER_REFERENCE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x3640, ImageFamily::Analog, 24, 24}, .loggable = kLogAcomp,
     .inPlace = {InPlaceRules::AnalogThreshold, kOfferAnalogThreshold},
     .widgetTexts = ComparingWidgetTexts,
     .typeBox = Label(u"A", Sans(12, 5), pictogram::kComparator)},
    {.nType = BT_ATHTRG, .family = BlockFamily::Function, .cls = CLASS(CBlockATHTRG),
     .pins = {2, 1, {KA, KP, K0, K0}, KD}, .texts = {498, 498, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[Analog threshold trigger]", ChineseCaption::FromStrings, 1615},
     .listName = {u"[Analog Threshold Trigger]", 20}, .palette = {PaletteGroup::Misc, 5, u"ATRG"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 16, 16}, .references = {0, 4},
     .wiring = {2, {2, 2, 2, 2}, 4, 3, false, ALL_INPUTS},
     .nFlags = BTF_ANALOG_VALUE | BTF_OLDER_REFERENCE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x3540, ImageFamily::Analog, 16, 16}, .loggable = kLogGain,
     .inPlace = {InPlaceRules::AnalogThreshold, kOfferAnalogThreshold},
     .widgetTexts = ComparingWidgetTexts,
     .typeBox = Pictogram(pictogram::kTrigger)},
    {.nType = BT_AAMP, .family = BlockFamily::Function, .cls = CLASS(CBlockAAMP),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {499, 499, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[Analog Amplifier]", ChineseCaption::FromStrings, 1616}, .listName = {u"[Analog Amplifier]", 21},
     .palette = {PaletteGroup::Misc, 6, u"AMP"}, .byGenerations = GEN_ALL, .placement = {TRUE, 12, 12},
     .wiring = {1, {2, 2, 2, 2}, 3, 3, false, ALL_INPUTS},
     .nFlags = BTF_ANALOG_VALUE | BTF_OLDER_REFERENCE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4240, ImageFamily::Analog, 12, 12}, .loggable = kLogGain,
     .widgetTexts = ComparingWidgetTexts,
     .typeBox = Label(u"A", Sans(12, 5), pictogram::kAmplifier)},
    {.nType = BT_AWDOG, .family = BlockFamily::Function, .cls = CLASS(CBlockAWDOG),
     .pins = {3, 1, {KD, KA, KP, K0}, KD}, .texts = {504, 504, {EN, AX, PAR, 0}, OUT},
     .caption = {u"[Analog watchdog]", ChineseCaption::FromStrings, 1617}, .listName = {u"[Analog Watchdog]", 22},
     .palette = {PaletteGroup::Misc, 7, u"AWD"}, .byGenerations = GEN_ALL, .placement = {TRUE, 20, 20},
     .references = {0, 4}, .wiring = {2, {1, 2, 0, 0}, 4, 4, true, INPUT_2},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x3940, ImageFamily::AnalogWatchdog, 20, 20}, .loggable = kLogAwdog,
     .inPlace = {InPlaceRules::AnalogThreshold, kOfferAnalogThreshold},
     .widgetTexts = AnalogWatchdogWidgetTexts,
     .typeBox = Pictogram(pictogram::kWatchdog)},
    {.nType = BT_ADTRG, .family = BlockFamily::Function, .cls = CLASS(CBlockADTRG),
     .pins = {2, 1, {KA, KP, K0, K0}, KD}, .texts = {505, 505, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[Analog differential trigger]", ChineseCaption::FromStrings, 1618},
     .listName = {u"[Analog Differential trigger]", 23}, .palette = {PaletteGroup::Misc, 8, u"ADT"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 16, 16}, .wiring = {2, {2, 2, 2, 2}, 4, 3, false, ALL_INPUTS},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x3A40, ImageFamily::Analog, 16, 16}, .loggable = kLogAdtrg,
     .inPlace = {InPlaceRules::AnalogDifferential, kOfferAnalogDifferential},
     .widgetTexts = DifferentialTriggerWidgetTexts,
     .typeBox = Pictogram(pictogram::kDifferential)},
    {.nType = BT_LR, .family = BlockFamily::Function, .cls = CLASS(CBlockLR), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {506, 506, {S, R, PAR, 0}, OUT},
     .caption = {u"[Latching Relay]", ChineseCaption::FromStrings, 1626}, .palette = {PaletteGroup::Misc, 16, u"L-R"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 8, 8}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x2500, ImageFamily::Relay, 8, 8}},
    {.nType = BT_PR, .family = BlockFamily::Function, .cls = CLASS(CBlockPR), .pins = {4, 1, {KD, KD, KD, KP}, KD},
     .texts = {507, 507, {TRG, S, R, PAR}, OUT}, .caption = {u"[Pulse Relay]", ChineseCaption::FromStrings, 1627},
     .palette = {PaletteGroup::Misc, 17, u"P-R"}, .byGenerations = GEN_ALL, .placement = {TRUE, 12, 12},
     .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x2300, ImageFamily::Relay, 12, 12}},
    {.nType = BT_MSGTEXT, .family = BlockFamily::Function, .cls = CLASS(CBlockMSGTEXT),
     .pins = {3, 1, {KD, KP, KP, K0}, KD}, .texts = {508, 508, {IN1, PAR, PAR, 0}, OUT},
     .caption = {u"[Message texts]", ChineseCaption::FromStrings, 1628}, .listName = {u"[Message texts]", 0},
     .palette = {PaletteGroup::Misc, 18, u"Text"}, .byGenerations = GEN_ALL, .placement = {TRUE, 8, 8, 592},
     .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x3440, ImageFamily::MessageText, 8, 8},
     .widgetTexts = MessageTextWidgetTexts,
     .typeBox = Label(u"Text", Sans(12, 5))},
    {.nType = BT_SOFTKEY, .family = BlockFamily::Function, .cls = PLAIN, .pins = {4, 1, {KD, KD, K0, K0}, KD},
     .texts = {509, 509, {IN1, IN2, 0, 0}, OUT}, .caption = {u"[SoftKey]", ChineseCaption::NotWritten},
     .placement = {FALSE, 8, 8}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x3740, ImageFamily::Relay, 8, 8}},
    {.nType = BT_SREG, .family = BlockFamily::Function, .cls = CLASS(CBlockSREG),
     .pins = {4, 1, {KD, KD, KD, KP}, KD}, .texts = {517, 517, {IN, TRG, DIR, PAR}, OUT},
     .caption = {u"[Shift Register]", ChineseCaption::FromStrings, 1629}, .palette = {PaletteGroup::Misc, 19, u">>"},
     .byGenerations = GEN_ALL, .placement = {TRUE, 12, 16, 593}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x3800, ImageFamily::Relay, 12, 16}},
    {.nType = BT_MR, .family = BlockFamily::Function, .cls = CLASS(CBlockMR), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {518, 518, {IN1, IN2, PAR, 0}, OUT}, .caption = {u"[Modbus Read]", ChineseCaption::FromStrings, 1631},
     .palette = {PaletteGroup::Misc, 21, u"MR"}, .byGenerations = GEN_ALL, .placement = {TRUE, 18, 18},
     .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x3B00, ImageFamily::Modbus, 18, 18}},
    {.nType = BT_MW, .family = BlockFamily::Function, .cls = CLASS(CBlockMW), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {519, 519, {IN1, IN2, PAR, 0}, OUT}, .caption = {u"[Modbus Write]", ChineseCaption::FromStrings, 1632},
     .palette = {PaletteGroup::Misc, 22, u"MW"}, .byGenerations = GEN_ALL, .placement = {TRUE, 18, 22},
     .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x3C00, ImageFamily::Modbus, 18, 22}},
    {.nType = BT_AMATH, .family = BlockFamily::Function, .cls = CLASS(CBlockAMATH),
     .pins = {2, 1, {KD, KP, K0, K0}, KA}, .texts = {510, 510, {EN, PAR, 0, 0}, OUT},
     .caption = {u"[Mathematic instruction]", ChineseCaption::English, 1613},
     .listName = {u"[Mathematic instruction]", 18},
     .palette = {PaletteGroup::Misc, 3, u"MATH"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 20, 20},
     .references = {0, 4}, .wiring = {1, {1, 1, 1, 1}, 5, 0}, .nFlags = BTF_ANALOG_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4440, ImageFamily::AnalogMux, 20, 20}, .loggable = kLogAnalogValue,
     .inPlace = {InPlaceRules::AnalogMath, kOfferAnalogMath},
     .widgetTexts = AnalogOperandWidgetTexts,
     .typeBox = Labels(u"+=", Fixed(12, 8, FW_NORMAL), u"A", Fixed(12, 8, FW_NORMAL), pictogram::kMath)},
    {.nType = BT_AMUX, .family = BlockFamily::Function, .cls = CLASS(CBlockAMUX),
     .pins = {4, 1, {KD, KD, KD, KP}, KA}, .texts = {511, 511, {EN, S1, S2, PAR}, OUT},
     .caption = {u"[Analog Multiplexer]", ChineseCaption::English, 1619}, .listName = {u"[Analog MUX]", 24},
     .palette = {PaletteGroup::Misc, 9, u"MUX"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 20, 20},
     .references = {0, 4}, .wiring = {1, {1, 1, 1, 1}, 5, 0}, .nFlags = BTF_ANALOG_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4040, ImageFamily::AnalogMux, 20, 20}, .loggable = kLogAnalogValue,
     .widgetTexts = AnalogOperandWidgetTexts,
     .typeBox = Label(u"A", Fixed(12, 6, FW_NORMAL), pictogram::kMux)},
    {.nType = BT_ARAMP, .family = BlockFamily::Function, .cls = CLASS(CBlockARAMP),
     .pins = {4, 1, {KD, KD, KD, KP}, KA}, .texts = {512, 512, {IN1, IN2, IN3, PAR}, OUT},
     .caption = {u"[Analog Ramp]", ChineseCaption::English, 1620},
     .listName = {u"[Analog Ramp]", 25}, .palette = {PaletteGroup::Misc, 10, u"RAMP"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 28, 28}, .references = {0, 4},
     .wiring = {1, {1, 1, 1, 1}, 5, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x4140, ImageFamily::AnalogRamp, 28, 28}, .loggable = kLogAramp,
     .widgetTexts = AnalogRampWidgetTexts,
     .typeBox = Label(u"A", Fixed(12, 7, FW_NORMAL), pictogram::kRamp)},
    {.nType = BT_PI, .family = BlockFamily::Function, .cls = CLASS(CBlockPI), .pins = {4, 1, {KD, KD, KA, KP}, KA},
     .texts = {513, 513, {IN1, IN2, AX, PAR}, OUT}, .caption = {u"[PI controller]", ChineseCaption::English, 1621},
     .listName = {u"[PI controller]", 26}, .palette = {PaletteGroup::Misc, 11, u"PI"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 28, 28}, .references = {0, 4},
     .wiring = {1, {1, 1, 2, 0}, 5, 4, true},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x43C0, ImageFamily::PiController, 28, 28}, .loggable = kLogPi,
     .widgetTexts = PiControllerWidgetTexts,
     .typeBox = Label(u"A", Fixed(12, 7, FW_NORMAL), pictogram::kPi)},
    {.nType = BT_PWM, .family = BlockFamily::Function, .cls = CLASS(CBlockPWM), .pins = {3, 1, {KD, KA, KP, K0}, KA},
     .texts = {514, 514, {IN1, AX, PAR, 0}, OUT}, .caption = {u"[PWM]", ChineseCaption::English, 1622},
     .listName = {u"[PWM]", 27},
     .palette = {PaletteGroup::Misc, 12, u"PWM"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 24, 24},
     .references = {0, 4}, .wiring = {2, {1, 2, 0, 0}, 4, 4},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x3E40, ImageFamily::Pwm, 24, 24}, .loggable = kLogPwm,
     .widgetTexts = PwmWidgetTexts,
     .typeBox = Label(u"~", Sans(12, 7, FW_NORMAL), pictogram::kPwm)},
    {.nType = BT_AFILTER, .family = BlockFamily::Function, .cls = CLASS(CBlockAFILTER),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {515, 515, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[Analog filter]", ChineseCaption::English, 1623},
     .listName = {u"[Analog filter]", 28}, .palette = {PaletteGroup::Misc, 13, u"FLT"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8, 624}, .wiring = {1, {2, 2, 2, 2}, 3, 3},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x4700, ImageFamily::AnalogFilter, 8, 8}, .loggable = kLogAfilter,
     .widgetTexts = AnalogFilterWidgetTexts,
     .typeBox = Label(u"Ax", Fixed(12, 7, FW_NORMAL), pictogram::kFilter)},
    {.nType = BT_MAXMIN, .family = BlockFamily::Function, .cls = CLASS(CBlockMAXMIN),
     .pins = {4, 1, {KD, KD, KA, KP}, KA}, .texts = {516, 516, {IN1, IN2, AX, PAR}, OUT},
     .caption = {u"[Max/Min]", ChineseCaption::English, 1624},
     .listName = {u"[Max/Min]", 29}, .palette = {PaletteGroup::Misc, 14, u"MAX"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 16, 16}, .references = {0, 4}, .wiring = {1, {1, 1, 2, 0}, 5, 4, true},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x4640, ImageFamily::MaxMin, 16, 16}, .loggable = kLogMaxmin,
     .widgetTexts = MaxMinWidgetTexts,
     .typeBox = Label(u"Ax", Fixed(12, 7, FW_NORMAL), pictogram::kMaxMin)},
    {.nType = BT_AVGVAL, .family = BlockFamily::Function, .cls = CLASS(CBlockAVGVAL),
     .pins = {4, 1, {KD, KD, KA, KP}, KA}, .texts = {527, 527, {IN1, IN2, AX, PAR}, OUT},
     .caption = {u"[Average value]", ChineseCaption::English, 1625}, .listName = {u"[Average value]", 30},
     .palette = {PaletteGroup::Misc, 15, u"AVG"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 16, 16},
     .wiring = {1, {1, 1, 2, 0}, 5, 4, true},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x4540, ImageFamily::Average, 16, 16}, .loggable = kLogAvgval,
     .widgetTexts = AverageWidgetTexts,
     .typeBox = Label(u"Ax", Fixed(12, 7, FW_NORMAL), pictogram::kAverage)},
    {.nType = BT_MATHERR, .family = BlockFamily::Function, .cls = CLASS(CBlockMATHERR),
     .pins = {3, 1, {KD, KD, KP, K0}, KD}, .texts = {528, 528, {IN1, IN2, PAR, 0}, OUT},
     .caption = {u"[Mathematical instruction error detection]", ChineseCaption::English, 1630},
     .listName = {u"[Mathematic instruction error detection]", 31}, .palette = {PaletteGroup::Misc, 20, u"ERR"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 16, 16}, .references = {0, 4},
     .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x3D40, ImageFamily::MathError, 16, 16}, .loggable = kLogMatherr,
     .widgetTexts = MathErrorWidgetTexts,
     .typeBox = Labels(u"+=", Fixed(12, 7, FW_NORMAL), u"E", Fixed(12, 7, FW_NORMAL), pictogram::kMathError)},
    {.nType = BT_WIFI_IN, .family = BlockFamily::Function, .cls = CLASS(CBlockWIFIIn),
     .pins = {2, 1, {KD, KP, K0, K0}, KD}, .texts = {645, 645, {IN1, PAR, 0, 0}, OUT},
     .caption = {u"[WiFi Digital Read]", ChineseCaption::Own, 0, u"[WIFI Input]"},
     .palette = {PaletteGroup::Misc, 23, u"WI"}, .byGenerations = GEN_WIFI, .placement = {TRUE, 12, 12},
     .image = {0x6440, ImageFamily::Wifi, 12, 12}},
    {.nType = BT_WIFI_OUT, .family = BlockFamily::Function, .cls = CLASS(CBlockWIFIOut),
     .pins = {3, 0, {KD, KD, KP, K0}, K0}, .texts = {646, 646, {IN1, IN2, PAR, 0}, 0},
     .caption = {u"[WiFi Digital Write]", ChineseCaption::Own, 0, u"[WIFI Output]"},
     .palette = {PaletteGroup::Misc, 24, u"WQ"}, .byGenerations = GEN_WIFI, .placement = {TRUE, 12, 12},
     .image = {0x6540, ImageFamily::Wifi, 12, 12}},
    {.nType = BT_WIFI_AI, .family = BlockFamily::Function, .cls = CLASS(CBlockWIFIAI),
     .pins = {2, 1, {KD, KP, K0, K0}, KA}, .texts = {647, 647, {IN1, PAR, 0, 0}, OUT},
     .caption = {u"[WiFi Analog Read]", ChineseCaption::Own, 0, u"[WIFI Analog Input]"},
     .palette = {PaletteGroup::Misc, 25, u"WAI"}, .byGenerations = GEN_WIFI, .placement = {TRUE, 12, 12},
     .wiring = {1, {4, 4, 4, 4}, 3, 5},
     .image = {0x6640, ImageFamily::Wifi, 12, 12}},
    {.nType = BT_WIFI_AOUT, .family = BlockFamily::Function, .cls = CLASS(CBlockWIFIAOut),
     .pins = {3, 0, {KD, KA, KP, K0}, K0}, .texts = {648, 648, {IN1, AX, PAR, 0}, 0},
     .caption = {u"[WiFi Analog Write]", ChineseCaption::Own, 0, u"[WIFI Analog Output]"},
     .palette = {PaletteGroup::Misc, 26, u"WAQ"}, .byGenerations = GEN_WIFI, .placement = {TRUE, 12, 12},
     .wiring = {4, {1, 2, 0, 0}, 3, 5},
     .image = {0x6740, ImageFamily::Wifi, 12, 12}},
    {.nType = BT_BOOLEAN, .family = BlockFamily::Function, .cls = CLASS(CBlockBoolean),
     .pins = {4, 1, {KD, KD, KD, KD}, KD}, .texts = {529, 529, {IN1, IN2, IN3, IN4}, OUT},
     .caption = {u"[Boolean function]", ChineseCaption::English, 1633},
     .palette = {PaletteGroup::Aux, 0, u"BOOL"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 16, 16}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0B40, ImageFamily::Logic, 16, 16}},
    {.nType = BT_TDT, .family = BlockFamily::Function, .cls = CLASS(CBlockTDT), .pins = {2, 1, {KD, KD, K0, K0}, KD},
     .texts = {530, 530, {IN1, IN2, 0, 0}, OUT}, .caption = {u"[Trigger date time]", ChineseCaption::English, 1634},
     .palette = {PaletteGroup::Aux, 1, u"TDT"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .image = {0x0C40, ImageFamily::Logic, 8, 8}},
    {.nType = BT_BCD, .family = BlockFamily::Function, .cls = CLASS(CBlockBCD), .pins = {1, 1, {KA, K0, K0, K0}, KA},
     .texts = {531, 531, {AX, 0, 0, 0}, OUT}, .caption = {u"[Binary-Coded Decimal]", ChineseCaption::English, 1635},
     .listName = {u"[BCD]", 32},
     .palette = {PaletteGroup::Aux, 2, u"BCD"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x0D40, ImageFamily::Logic, 8, 8}, .loggable = kLogWordValue,
     .widgetTexts = BcdWidgetTexts,
     .typeBox = Label(u"BCD", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_BIN, .family = BlockFamily::Function, .cls = CLASS(CBlockBIN), .pins = {1, 1, {KA, K0, K0, K0}, KA},
     .texts = {532, 532, {AX, 0, 0, 0}, OUT}, .caption = {u"[Binary Code]", ChineseCaption::English, 1636},
     .listName = {u"[BIN]", 33},
     .palette = {PaletteGroup::Aux, 3, u"BIN"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x0E40, ImageFamily::Logic, 8, 8}, .loggable = kLogWordValue,
     .widgetTexts = BinWidgetTexts,
     .typeBox = Label(u"BIN", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_ROL, .family = BlockFamily::Function, .cls = CLASS(CBlockROL), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {533, 533, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Left Rotation]", ChineseCaption::English, 1637},
     .listName = {u"[ROL]", 34},
     .palette = {PaletteGroup::Aux, 4, u"ROL"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 0, 0},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x0F40, ImageFamily::Math, 8, 8}, .loggable = kLogRotate,
     .inPlace = {InPlaceRules::WordShift, kOfferWordParam},
     .widgetTexts = ShiftWidgetTexts,
     .typeBox = Label(u"ROL", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_ROR, .family = BlockFamily::Function, .cls = CLASS(CBlockROR), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {534, 534, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Right Rotation]", ChineseCaption::English, 1638},
     .listName = {u"[ROR]", 35},
     .palette = {PaletteGroup::Aux, 5, u"ROR"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 0, 0},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1040, ImageFamily::Math, 8, 8}, .loggable = kLogRotate,
     .inPlace = {InPlaceRules::WordShift, kOfferWordParam},
     .widgetTexts = ShiftWidgetTexts,
     .typeBox = Label(u"ROR", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_SHL, .family = BlockFamily::Function, .cls = CLASS(CBlockSHL), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {535, 535, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Left Shift]", ChineseCaption::English, 1639},
     .listName = {u"[SHL]", 36},
     .palette = {PaletteGroup::Aux, 6, u"SHL"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 0, 0},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1140, ImageFamily::Math, 8, 8}, .loggable = kLogShift,
     .inPlace = {InPlaceRules::WordShift, kOfferWordParam},
     .widgetTexts = ShiftWidgetTexts,
     .typeBox = Label(u"SHL", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_SHR, .family = BlockFamily::Function, .cls = CLASS(CBlockSHR), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {536, 536, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Right Shift]", ChineseCaption::English, 1640},
     .listName = {u"[SHR]", 37},
     .palette = {PaletteGroup::Aux, 7, u"SHR"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 0, 0},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1240, ImageFamily::Math, 8, 8}, .loggable = kLogShift,
     .inPlace = {InPlaceRules::WordShift, kOfferWordParam},
     .widgetTexts = ShiftWidgetTexts,
     .typeBox = Label(u"SHR", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_ANDM, .family = BlockFamily::Function, .cls = CLASS(CBlockANDM),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {537, 537, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[AND MASK]", ChineseCaption::English, 1641},
     .listName = {u"[AND MASK]", 38}, .palette = {PaletteGroup::Aux, 8, u"&"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 8, 8}, .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1340, ImageFamily::Math, 8, 8}, .loggable = kLogMask,
     .inPlace = {InPlaceRules::WordMask, kOfferWordParam},
     .widgetTexts = MaskWidgetTexts,
     .typeBox = Labels(u"&", Fixed(12, 5, FW_NORMAL), u"MASK", MASK_FONT)},
    {.nType = BT_ORM, .family = BlockFamily::Function, .cls = CLASS(CBlockORM), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {538, 538, {AX, PAR, 0, 0}, OUT}, .caption = {u"[OR MASK]", ChineseCaption::English, 1642},
     .listName = {u"[OR MASK]", 39},
     .palette = {PaletteGroup::Aux, 9, u">1"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1440, ImageFamily::Math, 8, 8}, .loggable = kLogMask,
     .inPlace = {InPlaceRules::WordMask, kOfferWordParam},
     .widgetTexts = MaskWidgetTexts,
     .typeBox = Labels(u">1", Fixed(12, 5, FW_NORMAL), u"MASK", MASK_FONT, pictogram::kMaskBar)},
    {.nType = BT_NOTM, .family = BlockFamily::Function, .cls = CLASS(CBlockNOTM),
     .pins = {2, 1, {KA, K0, K0, K0}, KA}, .texts = {539, 539, {AX, 0, 0, 0}, OUT},
     .caption = {u"[NOT MASK]", ChineseCaption::English, 1643},
     .listName = {u"[NOT MASK]", 40}, .palette = {PaletteGroup::Aux, 10, u"1", PaletteMark::Negated},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8}, .references = {0, 4},
     .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1540, ImageFamily::Math, 8, 8}, .loggable = kLogWordValue,
     .widgetTexts = MaskWidgetTexts,
     .typeBox = Labels(u"1", Fixed(12, 5, FW_NORMAL), u"MASK", MASK_FONT, pictogram::kMaskNot)},
    {.nType = BT_NANDM, .family = BlockFamily::Function, .cls = CLASS(CBlockNANDM),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {540, 540, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[NAND MASK]", ChineseCaption::English, 1644},
     .listName = {u"[NAND MASK]", 41}, .palette = {PaletteGroup::Aux, 11, u"&", PaletteMark::Negated},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8}, .references = {0, 4},
     .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1640, ImageFamily::Math, 8, 8}, .loggable = kLogMask,
     .inPlace = {InPlaceRules::WordMask, kOfferWordParam},
     .widgetTexts = MaskWidgetTexts,
     .typeBox = Labels(u"&", Fixed(12, 5, FW_NORMAL), u"MASK", MASK_FONT, pictogram::kMaskBar)},
    {.nType = BT_NORM, .family = BlockFamily::Function, .cls = CLASS(CBlockNORM),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {541, 541, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[NOR MASK]", ChineseCaption::English, 1645},
     .listName = {u"[NOR MASK]", 42}, .palette = {PaletteGroup::Aux, 12, u">1", PaletteMark::Negated},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8}, .references = {0, 4},
     .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1740, ImageFamily::Math, 8, 8}, .loggable = kLogMask,
     .inPlace = {InPlaceRules::WordMask, kOfferWordParam},
     .widgetTexts = MaskWidgetTexts,
     .typeBox = Labels(u">1", Fixed(12, 5, FW_NORMAL), u"MASK", MASK_FONT, pictogram::kMaskNotBar)},
    {.nType = BT_XORM, .family = BlockFamily::Function, .cls = CLASS(CBlockXORM),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {542, 542, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[XOR MASK]", ChineseCaption::English, 1646},
     .listName = {u"[XOR MASK]", 43}, .palette = {PaletteGroup::Aux, 13, u"=1"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 8, 8}, .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1840, ImageFamily::Math, 8, 8}, .loggable = kLogMask,
     .inPlace = {InPlaceRules::WordMask, kOfferWordParam},
     .widgetTexts = MaskWidgetTexts,
     .typeBox = Labels(u"=1", Fixed(12, 5, FW_NORMAL), u"MASK", MASK_FONT)},
    {.nType = BT_ARRMXIV, .family = BlockFamily::Function, .cls = CLASS(CBlockARRMXIV),
     .pins = {1, 1, {KP, K0, K0, K0}, KA}, .texts = {543, 543, {PAR, 0, 0, 0}, OUT},
     .caption = {u"[Data array Max/Min/Avg]", ChineseCaption::English, 1647},
     .listName = {u"[Array Max/Min/Avg]", 44},
     .palette = {PaletteGroup::Aux, 14, u"AXIV"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12},
     .references = {0, 4}, .wiring = {1, {4, 4, 4, 4}, 3, 5}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1940, ImageFamily::Math, 12, 12}, .loggable = kLogArrmxiv,
     .inPlace = {InPlaceRules::ArrayMaxMin, kOfferMaxMin},
     .widgetTexts = ArrayMaxMinWidgetTexts,
     .typeBox = Label(u"AXIV", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_ACMXIV, .family = BlockFamily::Function, .cls = CLASS(CBlockACMXIV),
     .pins = {3, 1, {KA, KA, KP, K0}, KA}, .texts = {544, 544, {AX, AY, PAR, 0}, OUT},
     .caption = {u"[Data Max/Min/Avg]", ChineseCaption::English, 1648}, .listName = {u"[Data Max/Min/Avg]", 45},
     .palette = {PaletteGroup::Aux, 15, u"DXIV"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1A40, ImageFamily::Math, 12, 12}, .loggable = kLogAcmxiv,
     .inPlace = {InPlaceRules::AcMaxMin, kOfferMaxMin},
     .widgetTexts = AcMaxMinWidgetTexts,
     .typeBox = Label(u"DXIV", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_RAND, .family = BlockFamily::Function, .cls = CLASS(CBlockRAND),
     .pins = {1, 1, {KP, K0, K0, K0}, KA}, .texts = {545, 545, {PAR, 0, 0, 0}, OUT},
     .caption = {u"[RAND]", ChineseCaption::English, 1649},
     .listName = {u"[RAND]", 46}, .palette = {PaletteGroup::Aux, 16, u"Rand"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 8, 8}, .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1B40, ImageFamily::Math, 8, 8}, .loggable = kLogBase,
     .inPlace = {InPlaceRules::RandomValue, kOfferWordParam},
     .widgetTexts = WordParamWidgetTexts,
     .typeBox = Label(u"Rand", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_MEM, .family = BlockFamily::Function, .cls = CLASS(CBlockMEM), .pins = {2, 1, {KD, KP, K0, K0}, KA},
     .texts = {568, 568, {IN1, PAR, 0, 0}, OUT}, .caption = {u"[MEM]", ChineseCaption::English, 1650},
     .listName = {u"[MEM]", 75},
     .palette = {PaletteGroup::Aux, 17, u"MEM"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12},
     .references = {0, 4}, .wiring = {1, {1, 1, 1, 1}, 5, 0}, .nFlags = BTF_RUN_TIME_VALUE,
     .image = {0x5A40, ImageFamily::Math, 12, 12, RefFlagLayout::FirstOnly},
     .widgetTexts = WordParamWidgetTexts},
    {.nType = BT_ENCODER, .family = BlockFamily::Function, .cls = CLASS(CBlockENCODER),
     .pins = {2, 1, {KD, KP, K0, K0}, KD}, .texts = {569, 569, {IN1, IN2, PAR, 0}, OUT},
     .caption = {u"[Encoder]", ChineseCaption::English, 1651},
     .listName = {u"[Encoder]", 47}, .palette = {PaletteGroup::Aux, 18, u"ENC"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 24, 24}, .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5C40, ImageFamily::Encoder, 24, 24}, .loggable = kLogEncoder,
     .inPlace = {InPlaceRules::Encoder, kOfferEncoder},
     .widgetTexts = EncoderWidgetTexts,
     .typeBox = Label(u"ENC", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_SMC, .family = BlockFamily::Function, .cls = CLASS(CBlockSMC), .pins = {3, 1, {KD, KD, KP, K0}, KD},
     .texts = {572, 572, {IN1, IN2, PAR, 0}, OUT},
     .caption = {u"[Stepping Motor Control]", ChineseCaption::English, 1652},
     .listName = {u"[Stepping Motor Control]", 48}, .palette = {PaletteGroup::Aux, 19, u"SMC"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 16, 16}, .references = {0, 4},
     .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x5D40, ImageFamily::Math, 16, 16, RefFlagLayout::SecondThenFirst},
     .loggable = kLogSmc,
     .inPlace = {InPlaceRules::SteppingMotor, kOfferSteppingMotor},
     .widgetTexts = SteppingMotorWidgetTexts,
     .typeBox = Label(u"SMC", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_SMCE, .family = BlockFamily::Function, .cls = CLASS(CBlockSMCE),
     .pins = {4, 1, {KD, KD, KD, KP}, KD}, .texts = {573, 573, {IN1, IN2, IN3, PAR}, OUT},
     .caption = {u"[Stepping Motor Control(Edge)]", ChineseCaption::English, 1653},
     .listName = {u"[Stepping Motor Control(Edge)]", 49},
     .palette = {PaletteGroup::Aux, 20, u"SMCE"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 22, 22},
     .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x5E40, ImageFamily::Math, 22, 22, RefFlagLayout::SecondThenFirst},
     .loggable = kLogSmce,
     .inPlace = {InPlaceRules::SteppingMotor, kOfferSteppingMotor},
     .widgetTexts = EdgeSteppingMotorWidgetTexts,
     .typeBox = Label(u"SMCE", Sans(10, 3, FW_NORMAL))},
    {.nType = BT_PTO, .family = BlockFamily::Function, .cls = CLASS(CBlockPTO), .pins = {2, 1, {KD, KP, K0, K0}, KD},
     .texts = {574, 574, {IN1, PAR, 0, 0}, OUT}, .caption = {u"[Pulse Train Output]", ChineseCaption::English, 1654},
     .listName = {u"[Pulse Train Output]", 50}, .palette = {PaletteGroup::Aux, 21, u"PTO"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12}, .references = {0, 4},
     .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x5F40, ImageFamily::Math, 12, 12, RefFlagLayout::SecondThenFirst},
     .loggable = kLogPto,
     .inPlace = {InPlaceRules::PulseTrain, kOfferPulseTrain},
     .widgetTexts = PulseTrainWidgetTexts,
     .typeBox = Label(u"PTO", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_PTOE, .family = BlockFamily::Function, .cls = CLASS(CBlockPTOE),
     .pins = {3, 1, {KD, KD, KP, K0}, KD}, .texts = {575, 575, {IN1, IN2, PAR, 0}, OUT},
     .caption = {u"[Pulse Train Output(Edge)]", ChineseCaption::English, 1655},
     .listName = {u"[Pulse Train Output(Edge)]", 51},
     .palette = {PaletteGroup::Aux, 22, u"PTOE"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 18, 18},
     .references = {0, 4}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x6040, ImageFamily::Math, 18, 18, RefFlagLayout::SecondThenFirst},
     .loggable = kLogPtoe,
     .inPlace = {InPlaceRules::PulseTrain, kOfferPulseTrain},
     .widgetTexts = EdgePulseTrainWidgetTexts,
     .typeBox = Label(u"PTOE", Sans(10, 3, FW_NORMAL))},
    {.nType = BT_SEG, .family = BlockFamily::Function, .cls = CLASS(CBlockSEG), .pins = {2, 1, {KD, KA, K0, K0}, KA},
     .texts = {576, 576, {EN, AX, 0, 0}, OUT}, .caption = {u"[Segment Display]", ChineseCaption::English, 1656},
     .listName = {u"[Segment Display]", 52}, .palette = {PaletteGroup::Aux, 23, u"SEG"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 10, 10}, .wiring = {1, {1, 2, 0, 0}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x5240, ImageFamily::Logic, 10, 10}, .loggable = kLogWordValue,
     .widgetTexts = SegmentWidgetTexts,
     .typeBox = Label(u"SEG", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_WORD2BIT, .family = BlockFamily::Function, .cls = CLASS(CBlockWORD2BIT),
     .pins = {2, 1, {KA, KP, K0, K0}, KD}, .texts = {577, 577, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[Word to Bit]", ChineseCaption::English, 1657},
     .listName = {u"[Word to Bit]", 53}, .palette = {PaletteGroup::Aux, 24, u"WTB"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 10, 10}, .references = {0, 4}, .wiring = {2, {2, 2, 2, 2}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x5340, ImageFamily::Math, 10, 10}, .loggable = kLogWord2bit,
     .inPlace = {InPlaceRules::WordToBit, kOfferWordParam},
     .widgetTexts = WordToBitWidgetTexts,
     .typeBox = Label(u"WTB", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_UDC, .family = BlockFamily::Function, .cls = CLASS(CBlockUDC), .pins = {2, 1, {KD, KP, K0, K0}, KD},
     .texts = {564, 564, {IN1, PAR, 0, 0}, OUT}, .caption = {u"[UDC Communication]", ChineseCaption::English, 1658},
     .listName = {u"[UDC Communication]", 54}, .palette = {PaletteGroup::Aux, 25, u"UDC"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 24, 24}, .wiring = {4, {4, 4, 4, 4}, 0, 0},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x6140, ImageFamily::Udc, 24, 24}, .loggable = kLogUdc,
     .widgetTexts = UpDownCycleWidgetTexts,
     .typeBox = Label(u"UDC", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_CRC16, .family = BlockFamily::Function, .cls = CLASS(CBlockCRC16),
     .pins = {2, 1, {KD, KP, K0, K0}, KA}, .texts = {578, 578, {EN, PAR, 0, 0}, OUT},
     .caption = {u"[CRC16]", ChineseCaption::English, 1659},
     .listName = {u"[CRC16]", 55}, .palette = {PaletteGroup::Aux, 26, u"CRC"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 16, 16}, .wiring = {1, {4, 4, 4, 4}, 3, 3},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x6240, ImageFamily::Math, 12, 12}, .loggable = kLogCrc16,
     .widgetTexts = CrcWidgetTexts,
     .typeBox = Label(u"CRC", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_ODD, .family = BlockFamily::Function, .cls = CLASS(CBlockODD), .pins = {1, 1, {KA, K0, K0, K0}, KD},
     .texts = {546, 546, {AX, 0, 0, 0}, OUT}, .caption = {u"[Odd Number]", ChineseCaption::English, 1660},
     .listName = {u"[Odd Number]", 56},
     .palette = {PaletteGroup::Math, 0, u"ODD"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .wiring = {2, {2, 2, 2, 2}, 4, 3},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x1D40, ImageFamily::Logic, 8, 8},
     .widgetTexts = WordParamWidgetTexts,
     .typeBox = Label(u"ODD", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_EVEN, .family = BlockFamily::Function, .cls = CLASS(CBlockEVEN),
     .pins = {1, 1, {KA, K0, K0, K0}, KD}, .texts = {547, 547, {AX, 0, 0, 0}, OUT},
     .caption = {u"[Even Number]", ChineseCaption::English, 1661},
     .listName = {u"[Even Number]", 57}, .palette = {PaletteGroup::Math, 1, u"EVEN"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 8, 8}, .wiring = {2, {2, 2, 2, 2}, 4, 3},
     .nFlags = BTF_MESSAGE_TEXT_VALUE, .image = {0x1E40, ImageFamily::Logic, 8, 8},
     .widgetTexts = WordParamWidgetTexts,
     .typeBox = Label(u"EVEN", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_MOD, .family = BlockFamily::Function, .cls = CLASS(CBlockMOD), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {548, 548, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Modulo]", ChineseCaption::English, 1662},
     .listName = {u"[Modulo]", 58},
     .palette = {PaletteGroup::Math, 2, u"MOD"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x1F40, ImageFamily::Math, 8, 8}, .loggable = kLogBase,
     .inPlace = {InPlaceRules::Modulo, kOfferWordParam},
     .widgetTexts = WordParamWidgetTexts,
     .typeBox = Label(u"MOD", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_REM, .family = BlockFamily::Function, .cls = CLASS(CBlockREM), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {549, 549, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Remainder]", ChineseCaption::English, 1663},
     .listName = {u"[Remainder]", 59},
     .palette = {PaletteGroup::Math, 3, u"REM"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x2040, ImageFamily::Math, 8, 8}, .loggable = kLogBase,
     .inPlace = {InPlaceRules::Modulo, kOfferWordParam},
     .widgetTexts = WordParamWidgetTexts,
     .typeBox = Label(u"REM", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_LOG, .family = BlockFamily::Function, .cls = CLASS(CBlockLOG), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {550, 550, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Logarithm]", ChineseCaption::English, 1664},
     .listName = {u"[Logarithm]", 60},
     .palette = {PaletteGroup::Math, 4, u"LOG"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12},
     .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4940, ImageFamily::Math, 12, 12}, .loggable = kLogLog,
     .inPlace = {InPlaceRules::Logarithm, kOfferLog},
     .widgetTexts = LogarithmWidgetTexts,
     .typeBox = Label(u"LOG", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_SQRT, .family = BlockFamily::Function, .cls = CLASS(CBlockSQRT),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {551, 551, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[Square root]", ChineseCaption::English, 1665},
     .listName = {u"[Square Root]", 61}, .palette = {PaletteGroup::Math, 5, u"SQRT"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 12, 12}, .wiring = {1, {2, 2, 2, 2}, 3, 3},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4A40, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"SQRT", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_ABS, .family = BlockFamily::Function, .cls = CLASS(CBlockABS), .pins = {1, 1, {KA, K0, K0, K0}, KA},
     .texts = {552, 552, {AX, 0, 0, 0}, OUT}, .caption = {u"[Absolute value]", ChineseCaption::English, 1666},
     .listName = {u"[Absolute Value]", 62},
     .palette = {PaletteGroup::Math, 6, u"ABS"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4B40, ImageFamily::Math, 8, 8}, .loggable = kLogWordValue,
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"ABS", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_GCD, .family = BlockFamily::Function, .cls = CLASS(CBlockGCD), .pins = {2, 1, {KA, KA, K0, K0}, KA},
     .texts = {553, 553, {AX, AY, 0, 0}, OUT}, .caption = {u"[GCD]", ChineseCaption::English, 1667},
     .listName = {u"[GCD]", 63},
     .palette = {PaletteGroup::Math, 7, u"GCD"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4C40, ImageFamily::Math, 8, 8}, .loggable = kLogWordValue,
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"GCD", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_LCM, .family = BlockFamily::Function, .cls = CLASS(CBlockLCM), .pins = {2, 1, {KA, KA, K0, K0}, KA},
     .texts = {554, 554, {AX, AY, 0, 0}, OUT}, .caption = {u"[LCM]", ChineseCaption::English, 1668},
     .listName = {u"[LCM]", 64},
     .palette = {PaletteGroup::Math, 8, u"LCM"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8},
     .wiring = {1, {2, 2, 2, 2}, 3, 3}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4D40, ImageFamily::Math, 8, 8}, .loggable = kLogWordValue,
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"LCM", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_POW2, .family = BlockFamily::Function, .cls = CLASS(CBlockPOW2),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {555, 555, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[2's n power]", ChineseCaption::English, 1669},
     .listName = {u"[2's nth power]", 65}, .palette = {PaletteGroup::Math, 9, u"POW2"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12}, .wiring = {1, {2, 2, 2, 2}, 3, 5},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4E40, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"POW2", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_EXP, .family = BlockFamily::Function, .cls = CLASS(CBlockEXP), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {556, 556, {AX, PAR, 0, 0}, OUT}, .caption = {u"[e's n power]", ChineseCaption::English, 1670},
     .listName = {u"[e's nth power]", 66},
     .palette = {PaletteGroup::Math, 10, u"EXP"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12},
     .wiring = {1, {2, 2, 2, 2}, 3, 5}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x4F40, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"EXP", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_FIX, .family = BlockFamily::Function, .cls = CLASS(CBlockFIX), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {557, 557, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[Fixed-point arithmetic]", ChineseCaption::English, 1671},
     .listName = {u"[Fixed-point arithmetic]", 67}, .palette = {PaletteGroup::Math, 11, u"FIX"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 8, 8}, .references = {0, 4},
     .wiring = {1, {2, 2, 2, 2}, 3, 5}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5040, ImageFamily::Math, 8, 8}, .loggable = kLogBase,
     .inPlace = {InPlaceRules::Rounding, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"FIX", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_ROUND, .family = BlockFamily::Function, .cls = CLASS(CBlockROUND),
     .pins = {2, 1, {KA, KP, K0, K0}, KA}, .texts = {558, 558, {AX, PAR, 0, 0}, OUT},
     .caption = {u"[Round-off]", ChineseCaption::English, 1672},
     .listName = {u"[Round-off]", 68}, .palette = {PaletteGroup::Math, 12, u"round"}, .byGenerations = GEN_NEWER_ONES,
     .placement = {TRUE, 8, 8}, .references = {0, 4}, .wiring = {1, {2, 2, 2, 2}, 3, 5},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5140, ImageFamily::Math, 8, 8}, .loggable = kLogBase,
     .inPlace = {InPlaceRules::Rounding, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"round", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_SIN, .family = BlockFamily::Function, .cls = CLASS(CBlockSIN), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {559, 559, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Sine function]", ChineseCaption::English, 1673},
     .listName = {u"[Sine function]", 69},
     .palette = {PaletteGroup::Math, 13, u"SIN"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12},
     .wiring = {1, {2, 2, 2, 2}, 3, 5}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5440, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"SIN", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_COS, .family = BlockFamily::Function, .cls = CLASS(CBlockCOS), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {560, 560, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Cosine function]", ChineseCaption::English, 1674},
     .listName = {u"[Cosine function]", 70}, .palette = {PaletteGroup::Math, 14, u"COS"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12}, .wiring = {1, {2, 2, 2, 2}, 3, 5},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5540, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"COS", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_TAN, .family = BlockFamily::Function, .cls = CLASS(CBlockTAN), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {561, 561, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Tangent function]", ChineseCaption::English, 1675},
     .listName = {u"[Tangent function]", 71}, .palette = {PaletteGroup::Math, 15, u"TAN"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12}, .wiring = {1, {2, 2, 2, 2}, 3, 5},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5640, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"TAN", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_COT, .family = BlockFamily::Function, .cls = CLASS(CBlockCOT), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {562, 562, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Cotangent function]", ChineseCaption::English, 1676},
     .listName = {u"[Cotangent function]", 72}, .palette = {PaletteGroup::Math, 16, u"COT"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12}, .wiring = {1, {2, 2, 2, 2}, 3, 5},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5740, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"COT", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_SEC, .family = BlockFamily::Function, .cls = CLASS(CBlockSEC), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {563, 563, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Secant function]", ChineseCaption::English, 1677},
     .listName = {u"[Secant function]", 73}, .palette = {PaletteGroup::Math, 17, u"SEC"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12}, .wiring = {1, {2, 2, 2, 2}, 3, 5},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5840, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"SEC", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_CSC, .family = BlockFamily::Function, .cls = CLASS(CBlockCSC), .pins = {2, 1, {KA, KP, K0, K0}, KA},
     .texts = {566, 566, {AX, PAR, 0, 0}, OUT}, .caption = {u"[Cosecant function]", ChineseCaption::English, 1678},
     .listName = {u"[Cosecant function]", 74}, .palette = {PaletteGroup::Math, 18, u"CSC"},
     .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 12, 12}, .wiring = {1, {2, 2, 2, 2}, 3, 5},
     .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5940, ImageFamily::Math, 12, 12}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"CSC", Sans(12, 5, FW_NORMAL))},
    {.nType = BT_QUAD, .family = BlockFamily::Function, .cls = CLASS(CBlockQUAD),
     .pins = {3, 1, {KD, KA, KP, K0}, KA}, .texts = {567, 567, {IN1, AX, PAR, 0}, OUT},
     .caption = {u"[Quadratic equation]", ChineseCaption::English, 1679}, .listName = {u"[Quadratic equation]", 76},
     .palette = {PaletteGroup::Math, 19, u"QUAD"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 0, 0},
     .wiring = {1, {1, 2, 0, 0}, 3, 4}, .nFlags = BTF_RUN_TIME_VALUE | BTF_MESSAGE_TEXT_VALUE,
     .image = {0x5B40, ImageFamily::Quad, 20, 20}, .loggable = kLogFactor,
     .inPlace = {InPlaceRules::RealFunction, kOfferWordParam},
     .widgetTexts = MathWidgetTexts,
     .typeBox = Label(u"QUAD", Sans(12, 5, FW_NORMAL))},
    // The connector pair: the view makes the real halves; the factory gives plain blocks for their codes.
    {.nType = BT_MALE, .family = BlockFamily::Connector, .cls = PLAIN, .pins = {4, 1, {KD, K0, K0, K0}, K0},
     .wiring = {3, {3, 3, 3, 3}, 3, 5}},
    {.nType = BT_FEMALE, .family = BlockFamily::Connector, .cls = PLAIN, .pins = {4, 1, {K0, K0, K0, K0}, KD},
     .wiring = {3, {3, 3, 3, 3}, 3, 5}},
    // The data log.
    {.nType = BT_DATALOG, .family = BlockFamily::DataLog, .cls = CLASS(CBlockDataLog),
     .pins = {2, 0, {KD, KP, K0, K0}, K0}, .texts = {636, 636, {IN1, PAR, 0, 0}, 0},
     .caption = {u"[Data Log]", ChineseCaption::English, 1680},
     .palette = {PaletteGroup::Profile, 0, u"L"}, .byGenerations = GEN_NEWER_ONES, .placement = {TRUE, 0, 0, 637},
     .nOlderRefusalId = 649, .shortLabel = {u"L"}},
    // The ladder power rail, laid by the view.
    {.nType = BT_POWERBUS, .family = BlockFamily::PowerBus, .cls = {RUNTIME_CLASS(CPowerBusObj), nullptr},
     .pins = {0, 0, {K0, K0, K0, K0}, K0}, .texts = {0, POWER_BUS_NAME, {0, 0, 0, 0}, 0}},
};
#pragma GCC diagnostic pop

#undef CLASS
#undef PLAIN

constexpr bool RowsSortedAndUnique()
{
    for (std::size_t i = 1; i < std::size(kRows); ++i) {
        if (kRows[i - 1].nType >= kRows[i].nType)
            return false;
    }
    return true;
}
static_assert(RowsSortedAndUnique(), "the rows are searched by code");

// Every scan looks rows up for many blocks: a code finds its row by one index.
constexpr int kFirstCode = kRows[0].nType;
constexpr int kLastCode = kRows[std::size(kRows) - 1].nType;
constexpr unsigned char kNoRow = 0xFF;
static_assert(std::size(kRows) < kNoRow, "a row's index fits a byte");

constexpr auto kRowOfCode = [] {
    std::array<unsigned char, std::size_t(kLastCode - kFirstCode + 1)> index{};
    index.fill(kNoRow);
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        index[std::size_t(kRows[i].nType - kFirstCode)] = static_cast<unsigned char>(i);
    return index;
}();

}  // namespace

std::span<const BlockTypeRow> BlockTypeRows()
{
    return kRows;
}

const BlockTypeRow* FindBlockType(int nType)
{
    if (nType < kFirstCode || nType > kLastCode)
        return nullptr;
    const unsigned char nRow = kRowOfCode[std::size_t(nType - kFirstCode)];
    return nRow == kNoRow ? nullptr : &kRows[nRow];
}
