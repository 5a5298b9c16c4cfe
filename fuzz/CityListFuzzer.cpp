// libFuzzer target of the astronomical clock's file of places (support/CityListRoundTrip.h):
// the places read from any bytes write a file that reads back to them. A file that does not,
// and every sanitizer report, is a finding. Seeds: tests/data/city-list-corpus.
#include "support/CityListRoundTrip.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (!city_list_round_trip::Run(pData, nSize))
        std::abort();
    return 0;
}
