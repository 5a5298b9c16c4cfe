// The astronomical clock's places: entry 0 "User-defined", the eleven built-in places after it,
// and from ASTRO_FIRST_USER_CITY on the places the user saved on the clock's page. The list
// lives as long as the program; the shell reads and writes the user's places in its file.
#pragma once

#include "platform/core/String.h"

#include <vector>

constexpr int ASTRO_FIRST_USER_CITY = 12;
// The time-zone index of a place: 0-12 are GMT+0 to GMT+12, 13-23 GMT-1 to GMT-11.
constexpr int ASTRO_TIME_ZONES = 24;

struct AstroCity {
    CString name;
    int lonDir = 0;   // 0 east, 1 west
    int lonDeg = 0;
    int lonMin = 0;
    int lonSec = 0;
    int latDir = 0;   // 0 north, 1 south
    int latDeg = 0;
    int latMin = 0;
    int latSec = 0;
    int zone = 0;
};

extern std::vector<AstroCity> g_astroCities;

// The twelve fixed entries, in list order.
std::vector<AstroCity> BuiltInAstroCities();
