// The lines of the information window's log from an offset on, without their line ends.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

inline std::vector<std::string> LogLinesFrom(const std::string& strLog, std::size_t nStart)
{
    std::vector<std::string> lines;
    for (std::size_t nEnd; (nEnd = strLog.find("\r\n", nStart)) != std::string::npos; nStart = nEnd + 2)
        lines.push_back(strLog.substr(nStart, nEnd - nStart));
    return lines;
}
