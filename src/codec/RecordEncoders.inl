// The slot walk of RecordEncoders.h.
#pragma once

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "codec/EncodeContext.h"
#include "codec/RecordWriter.h"

namespace record {

inline int OwnIndex(const CBlockObj& block)
{
    return block.m_nNumber - NUM_FUNCTION_BLOCK;
}

template <class Role>
void WalkSlots(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w, int nSlots, Role role)
{
    for (int nSlot = 0; nSlot < nSlots && nSlot < BLOCK_PIN_COUNT; ++nSlot) {
        if (nSlot == BLOCK_FIRST_OUTPUT && block.m_nOutputs > 0)
            continue;
        // Past the inputs a slot holds a role, whose codes reach into the block numbers.
        const int nCode = block.m_nPinSource[nSlot];
        if (nSlot < block.m_nInputs && (nCode >= NUM_INPUT || nCode == LINK_OPEN)) {
            ctx.WritePinSource(w, nCode, block.m_bPinInvert[nSlot]);
            continue;
        }
        if (role(nSlot, nCode))
            continue;
        if (nCode == LINK_END)
            w.Zeros(2);
        else
            w.Skip(2);
    }
}

} // namespace record
