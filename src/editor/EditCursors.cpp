#include "editor/EditCursors.h"

namespace {

// The cursors' resource ids in the order of EditCursor; the backend gives each its look.
constexpr UINT EDIT_CURSOR_IDS[] = {
    192,    // Connect mode, over a pin
    191,    // Connect mode elsewhere
    167,    // Cut/Join
    232,    // Insert Comments
    4509,   // inserting a block
};

} // namespace

void CEditCursors::Load()
{
    static_assert(std::size(EDIT_CURSOR_IDS) == std::tuple_size_v<decltype(m_hCursors)>);
    for (std::size_t i = 0; i < m_hCursors.size(); ++i)
        m_hCursors[i] = AfxLoadCursor(EDIT_CURSOR_IDS[i]);
}
