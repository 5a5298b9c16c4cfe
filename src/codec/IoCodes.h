// The codes through which the program image names blocks: the I/O classes with their number
// bases and index ranges, the 16-bit reference word of a pin's source, and the decoding of a
// source code back into a block number. Shared by the encoder and the decoder.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;

// Class 7 of the reference word: the function blocks, by their offset from 9000.
constexpr int IO_CLASS_FUNCTION_BLOCK = 7;
// Function blocks whose offset fits the reference word beside the negation bit.
constexpr int IMAGE_FUNCTION_BLOCKS_MAX = 1024;

struct IoClass {
    int nType;
    int nClass;   // bits 15-12 of a reference word
    int nBase;    // the block number of index 0
    int nCount;   // the indexes the controller has
    int nSpan;    // the block numbers of the class's own number space, from nBase
};

// The row of an I/O type that can feed a pin (the open connector X cannot); null otherwise.
const IoClass* FindIoClass(int nType);
// The row of a class nibble; null for class 7 and the classes above 11.
const IoClass* FindIoClassByCode(int nClass);

// The row of the I/O class whose number space holds nNumber; null for any other number.
const IoClass* FindIoClassOfNumber(int nNumber);

// The source code of point nIndex of an I/O type as the index maps give it:
// (index AND 0xFF) x 256 + class x 16 + (index >> 8); 0xFFFF for the open connector, an unknown
// type or an index outside the class.
WORD IoSourceCode(int nType, int nIndex);

// The reference word of a source block (class x 4096 OR offset from the class base, bit 10 for a
// negated pin). FALSE when the block is of no class or its offset does not fit its class.
BOOL ImageReference(int nType, int nNumber, BOOL bNegated, WORD* pOut);

// The source code b0 x 256 + b1 of a pin: class = (code AND 0xFF) >> 4, index = (code AND 3) x
// 256 + (code >> 8). For an I/O class whose range holds the index, the block number goes into
// pin nPin of the block and the class's type code is returned; class 7, a class above 11 and
// an index past the class's number space return -1 and leave the pin as it was. (The index keeps its
// two high bits even for small classes: 0x05 0x21 is shift-register bit 1261. What is refused
// is an index that would land in another class's numbers, such as flag index 554 and above,
// which would be the low constant.)
int DecodeIoCode(WORD wCode, CBlockObj* pBlock, int nPin);
