#include "document/WireKinds.h"

#include <cstddef>

namespace {

// Which source kind may feed which destination kind, rows and columns in enum order.
constexpr bool kKindFits[5][5] = {
    {true, false, true, true, false},
    {true, false, true, true, false},
    {false, true, false, true, true},
    {true, true, true, true, true},
    {false, true, false, true, true},
};

} // namespace

bool WireKindsFit(WireSourceKind source, WireDestKind dest)
{
    return kKindFits[std::size_t(source)][std::size_t(dest)];
}
