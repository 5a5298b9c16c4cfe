// The descriptor table of block types: one row per type code (its BT_ name), holding everything
// the program knows of a kind of block apart from its class's behaviour: the class the factory
// makes, the pins, the names and captions, the palette entry, the placement and paste rules and
// the kinds the wiring and loop rules sort it into. The factory, the pin kinds, the palette, the
// name tables and the placement rules read their columns here, so that adding a type means one
// row and its class.
#pragma once

#include "blocks/TypeBoxLabel.h"
#include "platform/core/Object.h"
#include "platform/core/Types.h"

#include <array>
#include <functional>
#include <span>
#include <vector>

class CBlockObj;
struct WidgetTextRow;

// What a type is, as the numbering, the paste and the drawing sort blocks.
enum class BlockFamily : BYTE {
    None,           // no row: an unknown code
    Logic,          // the basic gates
    Timer,          // timers and clocks
    IO,             // inputs, outputs, flags, constants, keys
    LadderContact,  // make, break and analog contacts
    LadderOutput,   // relay coil, inverted output, ladder analog output
    Function,       // the function blocks
    Connector,      // the two halves of a cut wire
    DataLog,
    PowerBus,       // the ladder power rail
};

// The class the factory makes for a code: its run-time class and its typed constructor. A row
// without pfnCreate is not made by the factory (the view lays the power rail itself).
struct BlockClass {
    const CRuntimeClass* pClass = nullptr;
    CBlockObj* (*pfnCreate)(int nType) = nullptr;
};

// The used pins of a new block (inputs 0 .. nInputs-1, outputs 10 .. 9+nOutputs) and the kinds
// (PINKIND_*) of input pins 0-3 and output pin 10; no other pin carries a kind.
struct BlockPins {
    int nInputs = 0;
    int nOutputs = 0;
    std::array<int, 4> nInputKinds{};
    int nOutputKind = 0;
};

// String ids: the display name (palette, lists; 0 for none) and the hover tip's block name and
// pin labels of the diagram view (nTipNameId 0: the kind has no tip row).
struct BlockTexts {
    UINT nNameId = 0;
    UINT nTipNameId = 0;
    std::array<UINT, 4> nInputLabels{};
    UINT nOutputLabel = 0;
};

// How a caption reads in the Chinese interface.
enum class ChineseCaption {
    English,      // the English caption
    FromStrings,  // "[" + the Chinese block name of string nChineseId + "]"
    Own,          // pszChinese
    NotWritten,   // the entry is left as it was
};

// The caption in square brackets that sheet captions, block lists and paste reports show;
// pszEnglish null: the kind has none. nChineseId is the string of the type's Chinese name,
// which the palette shows in the Chinese interface whatever the caption does there.
struct BlockCaption {
    LPCTSTR pszEnglish = nullptr;
    ChineseCaption chinese = ChineseCaption::English;
    UINT nChineseId = 0;
    LPCTSTR pszChinese = nullptr;
};

// The English function-block name of the lists that label a block "B%d%s"; nOrder is its place
// in the order the name map receives the names (the order decides how the map iterates).
struct BlockListName {
    LPCTSTR pszName = nullptr;
    int nOrder = -1;
};

// The palette page a type is offered on, its place in the page's order and its symbol.
enum class PaletteGroup : BYTE { None, Basic, Timers, IO, Ladder, Misc, Aux, Math, Profile };
enum class PaletteMark : BYTE { None, Edge, Negated, EdgeNegated };

struct PaletteEntry {
    PaletteGroup group = PaletteGroup::None;
    int nOrder = -1;
    LPCTSTR pszSymbol = nullptr;
    PaletteMark mark = PaletteMark::None;
};

// The controller generations whose palette offers a type: the older (model byte below 0x51),
// the newer, and the newer with WiFi (model byte 0x52). A type the older generation lacks is
// refused when a paste brings it into an older-generation document.
constexpr BYTE GEN_OLDER = 0x01;
constexpr BYTE GEN_NEWER = 0x02;
constexpr BYTE GEN_WIFI = 0x04;
constexpr BYTE GEN_NEWER_ONES = GEN_NEWER | GEN_WIFI;
constexpr BYTE GEN_ALL = GEN_OLDER | GEN_NEWER_ONES;

// The programming languages a type has a place in.
constexpr BYTE LANG_FBD = 0x01;
constexpr BYTE LANG_LAD = 0x02;
constexpr BYTE LANG_BOTH = LANG_FBD | LANG_LAD;

// How the palette lets a type into the program: whether it creates one at all, the program
// memory a new block is counted with before it is placed (by generation; it may differ from
// what the block's class gives it) and the "All available ... are in use!" text (0: none).
struct BlockPlacement {
    BOOL bPlaceable = FALSE;
    WORD wBytesOlder = 0;
    WORD wBytesNewer = 0;
    UINT nRefusalId = 0;
};

// How many of the four parameter references a block of the type carries in a file, by
// controller generation.
struct BlockReferences {
    int nOlder = 0;
    int nNewer = 0;
};

// The kind of a block as the source of a wire.
enum class WireSourceKind {
    AnalogSignal = 0, // analog inputs, outputs and flags, analog contacts
    AnalogFunction,  // function blocks whose output is a value
    DigitalFunction, // function blocks that judge values and give a digital output
    Connector,
    Digital,         // every other block
};

// The kind of a destination pin.
enum class WireDestKind {
    AnalogSignal = 0, // the pins of the analog inputs, outputs and flags and the ladder analog output
    DigitalFunction, // the digital pins of function blocks that take analog values too
    AnalogFunction,  // the analog pins of function blocks
    Connector,
    Digital,         // every pin of every other block
};

// The kinds the wiring rules sort a block into, as the numbers of the enums above: as the
// source of a wire (0 analog outputs and contacts, 1 and 2 analog and digital function-block
// outputs, 3 connectors, 4 everything else), as the destination of a wire by pin (pins 0, 1, 2,
// the others; 4 for no listed kind), and the source and target classes of the FBD loop check.
// bKindByStartPin: when a connector stands for the block, the pin the wire starts at decides
// the wire's kind (blocks whose outputs differ in kind). wSingleWireInputs: the inputs (bit k
// for input k) that take no second wire in a ladder document, where inputs take several.
struct WiringKinds {
    int nSourceKind = WIRE_OTHER_SOURCE;
    std::array<int, 4> nDestKinds{WIRE_OTHER_DEST, WIRE_OTHER_DEST, WIRE_OTHER_DEST, WIRE_OTHER_DEST};
    int nLoopSource = LOOP_DEFAULT_SOURCE;
    int nLoopTarget = LOOP_NO_TARGET;
    bool bKindByStartPin = false;
    WORD wSingleWireInputs = 0;

    static constexpr int WIRE_OTHER_SOURCE = 4;
    static constexpr int WIRE_OTHER_DEST = 4;
    static constexpr int LOOP_DEFAULT_SOURCE = 3;
    static constexpr int LOOP_NO_TARGET = 5;
};

// How a function block lives in the controller's program image: the family of record encoders
// (and decoders) that share its record layout, and its record word, whose high byte is the
// record code the record starts with and whose low byte is the sub-byte of the key an uploaded
// record header is looked up by, and the record's length in bytes by generation (the program
// memory the block takes). A row without a record word has no record of its own.
enum class ImageFamily : BYTE {
    None,
    Logic,
    Timer,
    WeeklyTimer,
    YearlyTimer,
    AstroClock,
    Stopwatch,
    Counter,
    HoursCounter,
    ThresholdTrigger,
    AnalogMux,
    AnalogFilter,
    Average,
    MaxMin,
    AnalogWatchdog,
    AnalogRamp,
    PiController,
    Pwm,
    Analog,
    Relay,
    MathError,
    MessageText,
    Modbus,
    Math,
    Udc,
    Quad,
    Encoder,
    Wifi,
};

// Where the record header's flag byte keeps the "parameter k from a block" flags: bits 5, 4, 3,
// 2 for parameters 1 to 4; the memory block's parameter 1 alone in bit 5; the pulse blocks'
// parameter 2 in bit 5 and parameter 1 in bit 4.
enum class RefFlagLayout : BYTE {
    FourParams,
    FirstOnly,
    SecondThenFirst,
};

struct ImageRecord {
    WORD wRecordWord = 0;
    ImageFamily family = ImageFamily::None;
    WORD wBytesOlder = 0;
    WORD wBytesNewer = 0;
    RefFlagLayout refFlags = RefFlagLayout::FourParams;
};

// The family of rules the in-place parameter editor of the simulation's message-text display
// edits a type's parameters by: which controls stand for a parameter, how a typed value is
// checked and where it is written. Types of one family share every rule.
enum class InPlaceRules : BYTE {
    None,
    // Timers: their time setpoints as time pairs.
    OnDelay,
    OffDelay,
    OnOffDelay,
    WipingRelay,
    PulsePair,  // the edge-triggered wiping relay and the asynchronous pulse generator
    RandomGenerator,
    StairwayLight,
    MultipleFunctionSwitch,
    WeeklyTimer,  // the cams' days and times
    YearlyTimer,  // the dates
    // Single values.
    Counter,
    HoursCounter,
    ThresholdTrigger,
    AnalogThreshold,  // the analog comparator, threshold trigger and watchdog
    AnalogDifferential,
    AnalogMath,
    WordShift,
    WordToBit,
    RandomValue,
    WordMask,
    Modulo,
    ArrayMaxMin,
    AcMaxMin,
    Encoder,
    SteppingMotor,
    PulseTrain,
    Logarithm,
    RealFunction,  // the functions of a real factor: square root, powers, trigonometry, quadratic
    Rounding,
};

// A parameter the in-place editor offers for a type: its parameter-name id (IN_PLACE_ANY_PARAM:
// every id) and the reference slot that must be free, the parameter not being taken from another
// block (IN_PLACE_ANY_SLOT: none). The first offer naming an id decides.
constexpr int IN_PLACE_ANY_PARAM = -1;
constexpr int IN_PLACE_ANY_SLOT = -1;
struct InPlaceOffer {
    int nParamId = IN_PLACE_ANY_PARAM;
    int nSlot = IN_PLACE_ANY_SLOT;
};

struct InPlaceEditing {
    InPlaceRules rules = InPlaceRules::None;
    std::span<const InPlaceOffer> offers;
};

// Flags of a row.
constexpr UINT BTF_RUN_TIME_VALUE = 0x01;  // a referencing block reads its run-time value
constexpr UINT BTF_ANALOG_VALUE = 0x02;    // a referencing block reads its analog value
// An older-generation document offers blocks of the type as parameter references (a newer one
// offers every function block that has the reference capability).
constexpr UINT BTF_OLDER_REFERENCE = 0x04;
// A message text may show the block's values: the message-text pages list it.
constexpr UINT BTF_MESSAGE_TEXT_VALUE = 0x08;

// The address an I/O block or ladder element is labelled with (I001, Q102, S1.3, AQ003; an I/O
// block shows the prefix as its symbol too): the prefix, the number that reads as point 0 and
// the points of a module for an address of module and point (0: the number is shown whole). A
// ladder element's operand may give it the prefix and base of another space. pszPrefix null:
// the type has no address.
struct BlockAddressLabel {
    LPCTSTR pszPrefix = nullptr;
    int nBase = 0;
    int nDivisor = 0;
    // Module and point read with a dot between them (S1.3) rather than as two digits (I101).
    bool bDotted = false;
    // The operand spaces (OPERAND_*) whose own label a ladder element takes when its operand
    // lies in them, instead of its type's address; a contact also when the coil or analog output
    // its operand names writes into them.
    WORD wOperandSpaces = 0;
    // The points of each module the older generation has (the lower ones); 0: every point.
    int nOlderPoints = 0;
};

constexpr WORD OPERAND_INPUT = 0x0001;
constexpr WORD OPERAND_OUTPUT = 0x0002;
constexpr WORD OPERAND_SHIFT = 0x0004;
constexpr WORD OPERAND_CURSOR_KEY = 0x0008;
constexpr WORD OPERAND_FKEY = 0x0010;
constexpr WORD OPERAND_FLAG = 0x0020;
constexpr WORD OPERAND_LOW = 0x0040;
constexpr WORD OPERAND_HIGH = 0x0080;
constexpr WORD OPERAND_ANALOG_IN = 0x0100;
constexpr WORD OPERAND_ANALOG_OUT = 0x0200;
constexpr WORD OPERAND_ANALOG_FLAG = 0x0400;
constexpr WORD OPERAND_OPENX = 0x0800;
constexpr WORD OPERAND_FUNCTION_BLOCK = 0x1000;

// The short label the document's block lists and reports name a block by: its prefix (I, Low,
// AQ, L; null: "B", a function block's) and whether the prefix stands alone, without a number
// (the status constants).
struct BlockShortLabel {
    LPCTSTR pszPrefix = nullptr;
    bool bPrefixOnly = false;
};

struct BlockTypeRow {
    int nType = 0;
    BlockFamily family = BlockFamily::None;
    BlockClass cls;
    BlockPins pins;
    BlockTexts texts;
    BlockCaption caption;
    BlockListName listName;
    PaletteEntry palette;
    BYTE byGenerations = 0;
    BYTE byLanguages = LANG_BOTH;
    BlockPlacement placement;
    // The text an older-generation document refuses an I/O block of a type it lacks with (its
    // operand and caption); 0: no such refusal.
    UINT nOlderRefusalId = 0;
    BlockReferences references;
    WiringKinds wiring;
    UINT nFlags = 0;
    BlockAddressLabel address;
    BlockShortLabel shortLabel;
    ImageRecord image;
    // The values a data-log block can record of a block of the type (and a memory block can
    // keep), as parameter-name ids (g_arrParameterNames) in list order; empty: none.
    std::span<const int> loggable;
    // What the in-place parameter editor offers of a block of the type; no offers: nothing.
    InPlaceEditing inPlace;
    // The texts message-text elements show for the parameters of a block of the type
    // (blocks/BlockWidgetText.h); null: none.
    std::span<const WidgetTextRow> (*widgetTexts)() = nullptr;
    // What the type box of a message-text element that reads a block of the type shows.
    TypeBoxLabel typeBox;
};

// Every row, in code order.
std::span<const BlockTypeRow> BlockTypeRows();
// The rows the factory makes a block for (every row but the power rail's). A plain list rather
// than a filtered view: the fuzzing build's clang cannot compile the view with this library.
inline std::vector<std::reference_wrapper<const BlockTypeRow>> FactoryTypeRows()
{
    std::vector<std::reference_wrapper<const BlockTypeRow>> rows;
    for (const BlockTypeRow& row : BlockTypeRows()) {
        if (row.cls.pfnCreate)
            rows.emplace_back(row);
    }
    return rows;
}
// The row of a type code; null for a code that names no block type.
const BlockTypeRow* FindBlockType(int nType);

// Classification by the row; an unknown code belongs to no family.
BlockFamily BlockFamilyOf(int nType);
// The logic, timer and function blocks: numbered from 9000 and counted in the program size.
bool IsFunctionBlockType(int nType);
bool IsLadderContactType(int nType);
// A contact or a ladder output.
bool IsLadderElementType(int nType);
bool HasTypeFlag(int nType, UINT nFlag);
// The address label of an I/O or ladder type; null for every other code.
const BlockAddressLabel* AddressLabelOf(int nType);
// The short label of a type; a function block's ("B") for an unknown code.
BlockShortLabel ShortLabelOf(int nType);
// The type-box label of a type; an empty one for an unknown code.
TypeBoxLabel TypeBoxLabelOf(int nType);
// A ladder element of the type takes the label of an operand in the space (OPERAND_*).
bool TakesOperandLabel(int nType, WORD wSpace);

// The wiring kinds of a type (the "other" kinds for an unknown code).
WireSourceKind SourceKindOf(int nType);
// nPin 0-2 has its own column; every other pin takes the last.
WireDestKind DestKindOf(int nType, int nPin);
int LoopSourceClass(int nType);
int LoopTargetClass(int nType);
bool KindByStartPin(int nType);
// Input nPin of the type takes no second wire in a ladder document.
bool RefusesSecondWire(int nType, int nPin);

// The bytes a block of the type takes in the controller's program memory, which is the length
// of its record in the program image, by generation. The editor's sizes of the types that differ
// by generation, the image encoder's record addresses and the decoder's record walk all read
// it, so that they never disagree on where a record ends. 0 for a type without a record.
WORD ImageRecordBytes(int nType, BOOL bNewGeneration);
// The image record of a type; null for a type without a record word.
const ImageRecord* FindImageRecord(int nType);
