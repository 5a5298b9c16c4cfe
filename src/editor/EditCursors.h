// CEditCursors: the look of the pointer in the view's edit tools. Connect mode shows one cursor
// over a pin (where a wire hooks on) and another elsewhere; Cut/Join, Insert Comments and
// inserting a block each have their own. The view loads them when its window is created; a
// windowless view has none (null handles).
#pragma once

#include "platform/ui/Cursor.h"

#include <array>
#include <cstddef>
#include <iterator>

enum class EditCursor { ConnectPin, Connect, CutJoin, Comment, Insert };

class CEditCursors {
public:
    void Load();
    HCURSOR Get(EditCursor kind) const { return m_hCursors[std::size_t(kind)]; }

private:
    std::array<HCURSOR, std::size_t(EditCursor::Insert) + 1> m_hCursors{};
};
