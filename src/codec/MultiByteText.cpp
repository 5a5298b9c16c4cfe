#include "codec/MultiByteText.h"

#include <iconv.h>

#include <cerrno>

namespace {

// One conversion descriptor per page for the life of the process; iconv keeps no state
// between whole characters of these stateless pages.
iconv_t Converter(MultiBytePage page)
{
    static const iconv_t gbk = iconv_open("GBK", "UTF-16LE");
    static const iconv_t big5 = iconv_open("BIG5", "UTF-16LE");
    return page == MultiBytePage::Gbk936 ? gbk : big5;
}

iconv_t ReverseConverter(MultiBytePage page)
{
    static const iconv_t gbk = iconv_open("UTF-16LE", "GBK");
    static const iconv_t big5 = iconv_open("UTF-16LE", "BIG5");
    return page == MultiBytePage::Gbk936 ? gbk : big5;
}

} // namespace

WORD ToDoubleByte(TCHAR ch, MultiBytePage page)
{
    const iconv_t cd = Converter(page);
    if (cd == iconv_t(-1))
        return 0;
    char in[2] = {char(ch & 0xFF), char(ch >> 8)};
    char out[4] = {};
    char* pIn = in;
    char* pOut = out;
    std::size_t nIn = sizeof in;
    std::size_t nOut = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &pIn, &nIn, &pOut, &nOut) == std::size_t(-1) || pOut - out != 2)
        return 0;
    return WORD(BYTE(out[0]) << 8 | BYTE(out[1]));
}

TCHAR FromDoubleByte(WORD wCode, MultiBytePage page)
{
    const iconv_t cd = ReverseConverter(page);
    if (cd == iconv_t(-1))
        return 0;
    char in[2] = {char(wCode >> 8), char(wCode & 0xFF)};
    char out[4] = {};
    char* pIn = in;
    char* pOut = out;
    std::size_t nIn = sizeof in;
    std::size_t nOut = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // One UTF-16 unit: a character outside the basic plane has no cell of its own.
    if (iconv(cd, &pIn, &nIn, &pOut, &nOut) == std::size_t(-1) || pOut - out != 2)
        return 0;
    return TCHAR(BYTE(out[0]) | BYTE(out[1]) << 8);
}
