// The slot walk of RecordDecoders.h.
#pragma once

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "codec/DecodeContext.h"
#include "codec/RecordReader.h"

namespace record {

template <class Role>
void ReadSlots(DecodeContext& ctx, CBlockObj& block, RecordReader& r, int nSlots, Role role)
{
    for (int nSlot = 0; nSlot < nSlots && nSlot < BLOCK_PIN_COUNT; ++nSlot) {
        if (nSlot == BLOCK_FIRST_OUTPUT && block.m_nOutputs > 0)
            continue;
        // A fresh block's slots hold their roles; its inputs are open.
        const int nCode = block.m_nPinSource[nSlot];
        if (nSlot < block.m_nInputs && (nCode >= NUM_INPUT || nCode == LINK_OPEN)) {
            ctx.ReadPinSource(r, block, nSlot);
            continue;
        }
        if (!role(nSlot, nCode))
            r.Skip(2);
    }
}

} // namespace record
