#include "blocks/WordBit.h"

int GetWordBit(WORD wValue, int nBit)
{
    if (nBit < 0 || nBit >= 16)
        return 0;
    return (wValue >> nBit) & 1;
}
