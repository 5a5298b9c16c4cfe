// The astronomical clock's file of user places, for its fuzzer and the replay of the kept
// inputs: any bytes give places whose file, read again, gives the same places and the same
// bytes.
#pragma once

#include "document/AstroCities.h"

#include <cstdint>
#include <string>
#include <vector>

namespace city_list_round_trip {

// FALSE when the file written for the places read does not read back to them.
inline bool Run(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string first = FormatAstroCityFile(ParseAstroCityFile(pData, nSize));
    const std::vector<AstroCity> again =
        ParseAstroCityFile(reinterpret_cast<const BYTE*>(first.data()), first.size());
    return FormatAstroCityFile(again) == first;
}

} // namespace city_list_round_trip
