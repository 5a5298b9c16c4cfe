#include "document/AstroCities.h"

std::vector<AstroCity> BuiltInAstroCities()
{
    return {
        {_T("User-defined"), 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {_T("Germany - Berlin"), 0, 13, 24, 41, 0, 52, 31, 24, 1},
        {_T("US - Washington"), 1, 77, 2, 10, 0, 38, 53, 42, 17},
        {_T("UK - London"), 1, 0, 7, 34, 0, 51, 30, 1, 0},
        {_T("France - Paris"), 0, 2, 21, 4, 0, 48, 51, 24, 1},
        {_T("Russia - Moscow"), 0, 37, 37, 3, 0, 55, 45, 21, 3},
        {_T("Netherland - Amsterdam"), 0, 4, 53, 32, 0, 52, 22, 23, 1},
        {_T("China - Beijing"), 0, 116, 24, 27, 0, 39, 54, 15, 8},
        {_T("Japan - Tokyo"), 0, 139, 41, 30, 0, 35, 41, 22, 9},
        {_T("Turkey - Ankara"), 0, 32, 51, 15, 0, 39, 55, 15, 2},
        {_T("Italy - Rome"), 0, 12, 28, 56, 0, 41, 53, 44, 1},
        {_T("Spain - Madrid"), 1, 3, 42, 1, 0, 40, 25, 0, 1},
    };
}

std::vector<AstroCity> g_astroCities = BuiltInAstroCities();
