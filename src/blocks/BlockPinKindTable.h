// The pin kinds of the block types: a new block takes the kinds of its used pins from its type's
// row of the block-type table (input pins 0-3 and output pin 10; no other pin has a kind).
#pragma once

// The kind of pin nPin (0-19) of a block of type nType; 0 for a code without a row or a pin
// without a kind.
int PinKindOf(int nType, int nPin);
