// POSITION cursors over the vectors of the document framework (templates, their documents):
// index + 1, so that null ends a walk as it does for the collections.
#pragma once

#include "platform/core/Position.h"

#include <cstddef>
#include <cstdint>
#include <vector>

inline POSITION PositionOfIndex(std::size_t nIndex) { return reinterpret_cast<POSITION>(nIndex + 1); }

// The element at rPos, which moves on to the next one (null after the last); null when rPos
// does not name an element.
template <class T>
T* NextAtPosition(const std::vector<T*>& items, POSITION& rPos)
{
    const std::size_t nIndex = reinterpret_cast<std::uintptr_t>(rPos) - 1;
    if (!rPos || nIndex >= items.size()) {
        rPos = nullptr;
        return nullptr;
    }
    rPos = nIndex + 1 < items.size() ? PositionOfIndex(nIndex + 1) : nullptr;
    return items[nIndex];
}
