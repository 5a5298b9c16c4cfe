// The controller's replies, for their fuzzer and the replay of the kept inputs: any bytes go
// through every reply check of the protocol object as a reply of each length up to their own,
// which must read nothing past them (the sanitizers report any such read).
#pragma once

#include "protocol/ModBus.h"

#include <cstdint>
#include <vector>

namespace reply_checks {

// FALSE when the upload handshake's check tells of a password for a reply it refused.
inline bool Run(const std::uint8_t* pData, std::size_t nSize)
{
    static CModBus s_modbus;
    const CModBus& mb = s_modbus;
    // The first byte stands for what the request asked (a length, a flag, a function); the
    // reply follows.
    if (nSize < 1)
        return true;
    const BYTE byAsked = pData[0];
    const DownloadExpectation expect{WORD(byAsked << 8 | byAsked), 0, WORD(byAsked), HANDSHAKE_DOWNLOAD};
    for (std::size_t nLength = 0; nLength < nSize; ++nLength) {
        // A buffer of exactly the bytes received, so that any read past them is caught.
        const std::vector<BYTE> reply(pData + 1, pData + 1 + nLength);
        const BYTE* p = reply.empty() ? nullptr : reply.data();
        const int n = int(nLength);
        mb.CheckReadReply(p, n, FC_READ_HOLDING_REGISTERS);
        mb.CheckReadReply(p, n, FC_READ_COILS);
        mb.CheckReadReply(p, n, byAsked);
        mb.CheckF9Reply(p, n, byAsked);
        mb.CheckDownloadStartReply(p, n, expect);
        mb.CheckDownloadEndReply(p, n, byAsked);
        mb.CheckUploadEndReply(p, n, byAsked);
        mb.CheckPasswordReply(p, n);
        mb.CheckSettingReply(FC_SET_CLOCK, p, n);
        mb.CheckSettingReply(byAsked, p, n);
        CString strText;
        mb.GetExceptionText(p, n, strText);
        BOOL bPassword = TRUE;
        if (mb.CheckUploadStartReply(p, n, &bPassword) != PLC_RESULT_OK && bPassword)
            return false;
    }
    return true;
}

} // namespace reply_checks
