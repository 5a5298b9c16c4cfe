// What the controller session's download, upload and clear share: the controller's register map,
// the progress arithmetic, the byte order on the wire, how a failed step ends a session, and
// the block-by-block write and read-back of an area.
#pragma once

#include "platform/core/Types.h"

#include <span>

class CControllerSession;

// Image buffer 0 and buffer 1 on the controller; the message texts start at register 0 of
// their own function codes.
constexpr WORD IMAGE_REGISTER_BUFFER0 = 35840;
constexpr WORD IMAGE_REGISTER_BUFFER1 = 40960;
// One request moves 64 registers.
constexpr int kBlockBytes = 128;
constexpr int kTransferFrameBytes = 280;
constexpr WORD kEchoBytes = 8;
// The progress counter after the handshake of a download or a clear.
constexpr DWORD kProgressAfterHandshake = 25;
constexpr UINT IDS_LINK_CHECK = 631;

// The bytes a download or clear exchanges: each written block costs its 137-byte request and
// 8-byte echo, each verified one its 8-byte request and 133-byte reply, each message-text block
// both, and the handshake and the finish 41.
DWORD DownloadProgressTotal(int nImageBytes, int nTextBytes);
// The handshake reply of the newer controllers is 19 bytes, of the older ones 17.
int HandshakeReplyLength(BYTE byModel);
// The image is built of little-endian words; each register goes high byte first.
void SwapImageWords(std::span<const BYTE> from, std::span<BYTE> to);

// How a failed step ends a session: at once (the line is gone: no finish frame can pass),
// with the finish frame carrying failure, or with it and the session reported suspended.
enum class StepEnd { Abort, Finish, FinishSuspended };
// Download and upload: system errors and a failed device check abort, a reply that failed its
// check finishes, time-outs, exceptions and reported failures finish suspended.
StepEnd TransferStepEnd(DWORD dwError);
// The clear aborts on time-outs as well.
StepEnd ClearStepEnd(DWORD dwError);

struct SessionOutcome {
    BOOL bOk = TRUE;      // the flag of the finish frame
    BOOL bResult = TRUE;  // FALSE: reported suspended
    // FALSE when the session ends at once.
    bool StepFailed(StepEnd end)
    {
        if (end == StepEnd::Abort)
            return false;
        bOk = FALSE;
        if (end == StepEnd::FinishSuspended)
            bResult = FALSE;
        return true;
    }
};

// One read request of a 64-register block (function 3 or 121), its reply received and checked:
// a reply that fails its check writes the result's text and gives the result as the error.
BOOL ReadRegisterBlock(CControllerSession& session, BYTE byFunction, WORD wRegister, BYTE* pReply, DWORD* pdwError);

// Writing an area block by block (function 16 or 120), or reading it back and comparing.
struct BlockPass {
    BYTE byFunction;
    bool bVerify;
    int nFirstTimeoutMs;     // a write's first echo may take longer while the controller erases
    LPCTSTR pszMismatch;     // verify: the line of a difference
};

class BlockTransfer {
public:
    BlockTransfer(CControllerSession& session, BlockPass pass, DWORD* pdwCounter, DWORD dwTotal)
        : m_session(session), m_pass(pass), m_pdwCounter(pdwCounter), m_dwTotal(dwTotal)
    {
    }
    // The area of nSize bytes from wFirstRegister; progress after every block.
    BOOL Run(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwError);

private:
    BOOL WriteBlock(const BYTE* pData, WORD wRegister, int nBytes, int nTimeoutMs, DWORD* pdwError);
    BOOL VerifyBlock(const BYTE* pData, WORD wRegister, int nBytes, DWORD* pdwError);
    void Report();

    CControllerSession& m_session;
    BlockPass m_pass;
    DWORD* m_pdwCounter;
    DWORD m_dwTotal;
};
