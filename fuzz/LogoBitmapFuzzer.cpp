// libFuzzer target of the start-up logo's BMP reader: any bytes are either refused or give a
// whole 960-byte image, and no read leaves the file (the sanitizers report any). Seeds:
// tests/data/logo-corpus (a 108 x 64 monochrome BMP, as scripts/properties-shots.sh writes one).
#include "document/LogoBitmap.h"

#include <array>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    std::array<BYTE, LOGO_IMAGE_SIZE + 1> image{};
    constexpr BYTE kGuard = 0x5A;
    image[LOGO_IMAGE_SIZE] = kGuard;
    const LogoLoad result = ConvertLogoBitmap(std::span(pData, nSize), image.data());
    if ((result != LogoLoad::Ok && result != LogoLoad::BadFormat) || image[LOGO_IMAGE_SIZE] != kGuard)
        std::abort();
    return 0;
}
