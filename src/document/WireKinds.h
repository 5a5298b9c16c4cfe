// The kinds a wire joins: what a block gives as the source of a wire, what a pin takes as its
// destination, and which source may feed which destination. An analog signal and a digital
// one never share a wire; a connector fits either until the block behind it decides.
#pragma once

// The kind of a block as the source of a wire.
enum class WireSourceKind {
    AnalogSignal,    // analog inputs, outputs and flags, analog contacts
    AnalogFunction,  // function blocks whose output is a value
    DigitalFunction, // function blocks that judge values and give a digital output
    Connector,
    Digital,         // every other block
};

// The kind of a destination pin.
enum class WireDestKind {
    AnalogSignal,    // the pins of the analog inputs, outputs and flags and the ladder analog output
    DigitalFunction, // the digital pins of function blocks that take analog values too
    AnalogFunction,  // the analog pins of function blocks
    Connector,
    Digital,         // every pin of every other block
};

WireSourceKind SourceKindOf(int nType);
WireDestKind DestKindOf(int nType, int nPin);
bool WireKindsFit(WireSourceKind source, WireDestKind dest);
