#include "platform/core/Types.h"

#include <limits>

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t half = (c < 0 ? -std::int64_t(c) : std::int64_t(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) /
                                   (c < 0 ? -std::int64_t(c) : std::int64_t(c));
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return int(result);
}
