// A controller on the far end of a pseudo-terminal, for the tests of the controller link. It
// answers on its own thread as a controller of the given model code and firmware version would:
// the device information at register 210, the download and upload handshakes and their ends,
// the program password, the message-text area, the clock, calibration and summer/winter time
// settings, memory reads, and the standard reads and writes on its register map.
//
// Its program memory is what was written, erased (0xFFFF) where nothing was: the upload
// handshake reports the program's size from the image's own words (LC word 0, the size of the
// message texts at LC byte 1010), and the password from section L, so a clear leaves no program
// and a small program written over a large one is the small one. While an upload of a program
// with a password runs, the program is read only after the right password came.
//
// Switches make it misbehave the ways a line or a controller can: no reply, a reply cut short,
// a wrong CRC, an exception reply, a wrong slave address, the 17-byte "any machine" handshake
// reply, a reply sent in pieces, a late reply, and a slow line (every byte takes its time at a
// baud rate, both ways).
//
// Frames are recognised by their function code's layout; a frame whose length its header does
// not give ends at a pause on the line, as Modbus RTU frames do.
//
// The session under test reads its time-outs on this controller's line clock (LinkClock), so
// that no test of a time-out rule depends on how fast the threads happen to run.
#pragma once

#include "controller/LinkClock.h"
#include "support/PtyPair.h"
#include "support/ReplyBuilder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

class SimulatedController {
public:
    using Bytes = std::vector<std::uint8_t>;

    enum class Fault { None, NoReply, CutShort, WrongCrc, Exception, WrongSlave, AnyMachineReply, InPieces };

    static constexpr std::uint16_t kImageBuffer0 = 35840;
    static constexpr std::uint16_t kImageBuffer1 = 40960;
    // The registers past buffer 1 at its largest (24576 bytes).
    static constexpr std::uint32_t kImageEnd = kImageBuffer1 + 12288;
    // The image's own words: the program size in words (LC word 0), the message texts' size in
    // words (LC byte 1010) and the first word of the password (section L at byte 8540).
    static constexpr std::uint16_t kProgramWordsRegister = kImageBuffer0;
    static constexpr std::uint16_t kTextWordsRegister = kImageBuffer0 + 1010 / 2;
    static constexpr std::uint16_t kPasswordRegister = kImageBuffer0 + 8540 / 2;
    // Where the clock's fields are read (year, month, day, hour, minute, second) and where the
    // newer models keep the day of the week they are sent.
    static constexpr std::uint16_t kClockRegister = 301;
    static constexpr std::uint16_t kDayOfWeekRegister = 307;
    static constexpr std::uint16_t kDeviceInfoRegister = 210;
    static constexpr std::uint32_t kDstAddress = 0x200004B8;

    // hardware code: model code in the high byte (0x51 and above the newer generation).
    explicit SimulatedController(std::uint16_t wHardwareCode = 0x5188, std::uint16_t wVersion = 0xC100)
        : m_wHardwareCode(wHardwareCode), m_wVersion(wVersion)
    {
        m_holding[kDeviceInfoRegister] = wHardwareCode;
        m_holding[kDeviceInfoRegister + 1] = wVersion;
        m_holding[kDeviceInfoRegister + 2] = 0;
        m_thread = std::thread([this] { Run(); });
    }
    ~SimulatedController()
    {
        {
            std::lock_guard lock(m_mutex);
            m_bStop = true;
        }
        m_clockChanged.notify_all();
        m_thread.join();
    }
    SimulatedController(const SimulatedController&) = delete;
    SimulatedController& operator=(const SimulatedController&) = delete;

    const std::string& Path() const { return m_pty.Path(); }

    // ---- switches ----
    // The fault applies to the replies to the function code given (0: to every reply).
    void SetFault(Fault fault, std::uint8_t byFunction = 0, std::uint8_t byException = 3)
    {
        std::lock_guard lock(m_mutex);
        m_fault = fault;
        m_byFaultFunction = byFunction;
        m_byException = byException;
    }
    // The fault set spares the first nRequests requests taken (those already taken count).
    void SetFaultAfter(std::size_t nRequests)
    {
        std::lock_guard lock(m_mutex);
        m_nFaultAfter = nRequests;
    }
    // Replies to the function code (0: every reply) leave after this many milliseconds: on the
    // line clock once it has been asked for, else on the steady clock.
    void SetReplyDelay(int nMilliseconds, std::uint8_t byFunction = 0)
    {
        std::lock_guard lock(m_mutex);
        m_nDelayMs = nMilliseconds;
        m_byDelayFunction = byFunction;
    }
    // Reads of this holding register get no reply (-1: every read is answered).
    void SetSilentRegister(int nRegister)
    {
        std::lock_guard lock(m_mutex);
        m_nSilentRegister = nRegister;
    }
    // Replies go at this many baud, ten bits a byte, and a request is taken once all its bytes
    // would have come at that rate (0: at once).
    void SetLineBaud(int nBaud)
    {
        std::lock_guard lock(m_mutex);
        m_nBaud = nBaud;
    }
    // Up to eight capital letters; empty for none. Written into section L of the program memory,
    // where a download puts the program's password.
    void SetPassword(const std::string& strPassword)
    {
        std::lock_guard lock(m_mutex);
        std::uint8_t bytes[8];
        for (std::size_t i = 0; i < 8; ++i)
            bytes[i] = i < strPassword.size() ? std::uint8_t(strPassword[i]) : 0xFF;
        for (std::uint16_t k = 0; k < 4; ++k)
            m_holding[std::uint16_t(kPasswordRegister + k)] = std::uint16_t(bytes[2 * k] | bytes[2 * k + 1] << 8);
    }
    // The image's size words, as a download of a program of that size writes them.
    void SetProgramSize(int nBytes, int nMessageTextBytes = 0)
    {
        std::lock_guard lock(m_mutex);
        m_holding[kProgramWordsRegister] = std::uint16_t(nBytes / 2);
        m_holding[kTextWordsRegister] = std::uint16_t(nMessageTextBytes / 2);
    }

    // ---- its memory ----
    // The register keeps this value whatever is written to it (a controller that changes data).
    void SetStuckRegister(std::uint16_t wRegister, std::uint16_t wValue)
    {
        std::lock_guard lock(m_mutex);
        m_stuck[wRegister] = wValue;
    }
    void SetRegister(std::uint16_t wRegister, std::uint16_t wValue)
    {
        std::lock_guard lock(m_mutex);
        m_holding[wRegister] = wValue;
    }
    std::uint16_t Register(std::uint16_t wRegister)
    {
        std::lock_guard lock(m_mutex);
        return Holding(wRegister);
    }
    std::uint16_t MessageTextRegister(std::uint16_t wRegister)
    {
        std::lock_guard lock(m_mutex);
        return TextWord(wRegister);
    }
    void SetInputRegister(std::uint16_t wRegister, std::uint16_t wValue)
    {
        std::lock_guard lock(m_mutex);
        m_input[wRegister] = wValue;
    }
    void SetCoil(std::uint16_t wAddress, bool bOn)
    {
        std::lock_guard lock(m_mutex);
        m_coils[wAddress] = bOn;
    }
    void SetDiscreteInput(std::uint16_t wAddress, bool bOn)
    {
        std::lock_guard lock(m_mutex);
        m_discrete[wAddress] = bOn;
    }
    void SetMemory(std::uint32_t dwAddress, const Bytes& bytes)
    {
        std::lock_guard lock(m_mutex);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            m_memory[dwAddress + std::uint32_t(i)] = bytes[i];
    }
    Bytes Memory(std::uint32_t dwAddress, int n)
    {
        std::lock_guard lock(m_mutex);
        Bytes bytes;
        for (int i = 0; i < n; ++i)
            bytes.push_back(m_memory[dwAddress + std::uint32_t(i)]);
        return bytes;
    }

    // Every request received, in order.
    std::vector<Bytes> Requests()
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }
    // The last download or upload end flag (-1 before one came).
    int LastEndFlag()
    {
        std::lock_guard lock(m_mutex);
        return m_nLastEndFlag;
    }

    static void AppendCrc(Bytes& bytes) { bytes = WithCrc(std::move(bytes)); }

    // ---- the line clock ----
    // The link's time as this line sees it, for the session under test. While the line is quiet
    // (no request on its way or in hand, no reply unread) nothing can come any more, and the
    // clock runs kQuietScale times as fast as the steady clock; while a request or its reply is
    // on the line it stands, so that a reply is never late however slowly the threads run. A
    // reply held back by SetReplyDelay leaves when the clock reaches its time, and the clock goes
    // there at the session's second look after the reply was held: nothing else can happen on
    // the line meanwhile, and the session has taken the time it waits from.
    static constexpr int kQuietScale = 100;
    ILinkClock& LinkClock()
    {
        std::lock_guard lock(m_mutex);
        m_bLineClock = true;
        return m_lineClock;
    }

private:
    class LineClock : public ILinkClock {
    public:
        explicit LineClock(SimulatedController& controller) : m_controller(controller) {}
        long long NowMs() override { return m_controller.LinkNow(); }
        int RealMs(long long nLinkMs) const override { return int((nLinkMs + kQuietScale - 1) / kQuietScale); }

    private:
        SimulatedController& m_controller;
    };

    static bool Readable(int fd)
    {
        // A poll takes in what the other side wrote before it: the bytes in flight count.
        pollfd pfd{fd, POLLIN, 0};
        return poll(&pfd, 1, 0) > 0 && (pfd.revents & POLLIN);
    }
    long long LinkNow()
    {
        std::unique_lock lock(m_mutex);
        const auto now = std::chrono::steady_clock::now();
        const auto quietMs = std::chrono::duration_cast<std::chrono::milliseconds>(now - m_lastLook).count();
        m_lastLook = now;
        if (m_nHeldUntilMs >= 0 && m_bHoldSeen) {
            m_nLinkMs = std::max(m_nLinkMs, m_nHeldUntilMs);
            m_bRelease = true;
            m_clockChanged.notify_all();
            m_clockChanged.wait(lock, [this] { return m_nHeldUntilMs < 0 || m_bStop; });
        } else if (m_nHeldUntilMs >= 0) {
            m_bHoldSeen = true;
        } else if (!Readable(m_pty.ControllerFd()) && !m_bWorking && !Readable(m_pty.ProgramSideFd())) {
            // In this order: a request leaves the controller's side only once it is in hand, and
            // its reply is on the program's side before the controller's hand is empty again.
            m_nLinkMs += quietMs * kQuietScale;
        }
        return m_nLinkMs;
    }
    // Waits until the held reply may leave; false when the controller stops first.
    bool HoldReply(int nDelayMs)
    {
        std::unique_lock lock(m_mutex);
        if (!m_bLineClock) {
            lock.unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(nDelayMs));
            return true;
        }
        m_nHeldUntilMs = m_nLinkMs + nDelayMs;
        m_bHoldSeen = false;
        m_clockChanged.wait(lock, [this] { return m_bRelease || m_bStop; });
        return !m_bStop;
    }
    // The held reply has gone (it is readable at the program's side).
    void EndHold()
    {
        {
            std::lock_guard lock(m_mutex);
            m_nHeldUntilMs = -1;
            m_bRelease = false;
        }
        m_clockChanged.notify_all();
    }

    // A pause this long ends a frame whose length the header does not give.
    static constexpr int kFrameGapMs = 5;

    static std::uint16_t Word(const Bytes& b, std::size_t i) { return std::uint16_t((b[i] << 8) | b[i + 1]); }

    static bool IsImageRegister(std::uint32_t dwRegister)
    {
        return dwRegister >= kImageBuffer0 && dwRegister < kImageEnd;
    }
    // A holding register; the program memory reads erased where nothing was written.
    std::uint16_t& Holding(std::uint16_t wRegister)
    {
        const auto [it, bNew] = m_holding.try_emplace(wRegister, 0);
        if (bNew && IsImageRegister(wRegister))
            it->second = 0xFFFF;
        return it->second;
    }
    std::uint16_t& TextWord(std::uint16_t wRegister) { return m_messageTexts.try_emplace(wRegister, 0xFFFF).first->second; }
    // The image's own words, 0 and 0xFFFF meaning none.
    bool HasPassword() { return Holding(kPasswordRegister) != 0xFFFF && Holding(kPasswordRegister) != 0; }
    std::uint16_t ProgramWords() { return Holding(kProgramWordsRegister); }
    std::uint16_t TextWords()
    {
        const std::uint16_t w = Holding(kTextWordsRegister);
        return w == 0xFFFF ? 0 : w;
    }
    std::chrono::microseconds ByteTime() const
    {
        return std::chrono::microseconds(m_nBaud > 0 ? 10'000'000 / m_nBaud : 0);
    }
    static void PutWord(Bytes& b, std::uint16_t w)
    {
        b.push_back(std::uint8_t(w >> 8));
        b.push_back(std::uint8_t(w & 0xFF));
    }

    // The frame length the header gives, 0 when it needs more bytes to tell, -1 when only a
    // pause can tell.
    static int FrameLength(const Bytes& b)
    {
        if (b.size() < 2)
            return 0;
        switch (b[1]) {
        case 16: case 120: case 220:
            return b.size() < 7 ? 0 : 9 + b[6];
        case 110:
            return 17;
        case 249:
            return 9;
        case 233:
            return -1;
        default:
            return 8;
        }
    }

    void Run()
    {
        Bytes pending;
        const int fd = m_pty.ControllerFd();
        while (!m_bStop) {
            pollfd pfd{fd, POLLIN, 0};
            const int nReady = poll(&pfd, 1, pending.empty() ? 20 : kFrameGapMs);
            if (nReady > 0 && (pfd.revents & POLLIN)) {
                // In hand from before it leaves the line: the line clock stands meanwhile.
                m_bWorking = true;
                std::uint8_t chunk[512];
                const ssize_t n = read(fd, chunk, sizeof chunk);
                if (n > 0)
                    pending.insert(pending.end(), chunk, chunk + n);
            } else if (nReady > 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            const bool bPause = nReady == 0;
            for (;;) {
                const int nLength = FrameLength(pending);
                int nTake = 0;
                if (nLength > 0 && int(pending.size()) >= nLength)
                    nTake = nLength;
                else if (nLength < 0 && bPause)
                    nTake = int(pending.size());
                if (nTake == 0)
                    break;
                const Bytes frame(pending.begin(), pending.begin() + nTake);
                pending.erase(pending.begin(), pending.begin() + nTake);
                Answer(frame);
            }
            // A stray byte with nothing after it is line noise.
            if (bPause && pending.size() < 2)
                pending.clear();
            // A frame still coming keeps the line busy; after a pause only the program can add.
            m_bWorking = !pending.empty() && !bPause;
        }
    }

    void Answer(const Bytes& request)
    {
        Bytes reply;
        int nDelayMs = 0;
        Fault fault = Fault::None;
        std::uint8_t byException = 3;
        std::chrono::microseconds byteTime{};
        {
            std::lock_guard lock(m_mutex);
            byteTime = ByteTime();
        }
        // The request is whole only once its last byte came down the line.
        if (byteTime.count() > 0)
            std::this_thread::sleep_for(byteTime * request.size());
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(request);
            if (request.size() < 4 || WithCrc(Bytes(request.begin(), request.end() - 2)) != request)
                return;   // a garbled request gets no reply, as on a real line
            const std::uint8_t fc = request[1];
            if ((m_byFaultFunction == 0 || m_byFaultFunction == fc) && m_requests.size() > m_nFaultAfter)
                fault = m_fault;
            if (m_byDelayFunction == 0 || m_byDelayFunction == fc)
                nDelayMs = m_nDelayMs;
            byException = m_byException;
            reply = fault == Fault::Exception ? Bytes{request[0], std::uint8_t(fc | 0x80), byException}
                                              : Respond(request, fault == Fault::AnyMachineReply);
        }
        if (reply.empty() || fault == Fault::NoReply)
            return;
        if (fault == Fault::WrongSlave)
            reply[0] = std::uint8_t(reply[0] + 1);
        AppendCrc(reply);
        if (fault == Fault::WrongCrc)
            reply.back() ^= 0x5A;
        if (fault == Fault::CutShort)
            reply.resize(reply.size() - 3);
        if (nDelayMs > 0 && !HoldReply(nDelayMs))
            return;
        if (byteTime.count() > 0)
            SendAtLineSpeed(reply, byteTime);
        else
            Send(reply, fault == Fault::InPieces);
        if (nDelayMs > 0)
            EndHold();
    }

    // The bytes leave as the line carries them: each one when its time has come.
    void SendAtLineSpeed(const Bytes& reply, std::chrono::microseconds byteTime)
    {
        const int fd = m_pty.ControllerFd();
        const auto start = std::chrono::steady_clock::now();
        std::size_t nSent = 0;
        while (nSent < reply.size()) {
            const auto elapsed = std::chrono::steady_clock::now() - start;
            const auto nDue = std::min(reply.size(), std::size_t(elapsed / byteTime) + 1);
            if (nDue > nSent) {
                if (write(fd, reply.data() + nSent, nDue - nSent) != ssize_t(nDue - nSent))
                    return;
                nSent = nDue;
            }
            std::this_thread::sleep_for(byteTime);
        }
    }

    void Send(const Bytes& reply, bool bInPieces)
    {
        const int fd = m_pty.ControllerFd();
        const std::size_t nPiece = bInPieces ? 3 : reply.size();
        for (std::size_t i = 0; i < reply.size(); i += nPiece) {
            const std::size_t n = std::min(nPiece, reply.size() - i);
            if (write(fd, reply.data() + i, n) != ssize_t(n))
                return;
            if (bInPieces)
                std::this_thread::sleep_for(std::chrono::milliseconds(15));
        }
    }

    // The reply without its CRC; empty for none. Called with the lock held.
    Bytes Respond(const Bytes& q, bool bAnyMachine)
    {
        const std::uint8_t s = q[0];
        const std::uint8_t fc = q[1];
        switch (fc) {
        case 1: case 2: return ReadBits(q, fc == 1 ? m_coils : m_discrete);
        case 3:
            if (Word(q, 2) == m_nSilentRegister)
                return Bytes{};
            if (m_bLocked && IsImageRegister(Word(q, 2)))
                return Bytes{s, std::uint8_t(fc | 0x80), 4};
            return ReadWords(q, [this](std::uint16_t w) { return Holding(w); });
        case 4: return ReadWords(q, [this](std::uint16_t w) { return m_input[w]; });
        case 121:
            if (m_bLocked)
                return Bytes{s, std::uint8_t(fc | 0x80), 4};
            return ReadWords(q, [this](std::uint16_t w) { return TextWord(w); });
        case 6:
            Holding(Word(q, 2)) = Word(q, 4);
            return Bytes(q.begin(), q.begin() + 6);
        case 16: case 120: return WriteWords(q);
        case 100: return Handshake(s, fc, bAnyMachine);
        case 102:
            m_bLocked = HasPassword();
            return Handshake(s, fc, bAnyMachine);
        case 101: case 103:
            m_nLastEndFlag = q[5];
            if (fc == 103)
                m_bLocked = false;
            return Bytes(q.begin(), q.begin() + 6);
        case 110: {
            const bool bMatches = PasswordMatches(q);
            if (bMatches)
                m_bLocked = false;
            return Bytes{s, 110, 2, 0, std::uint8_t(bMatches ? 0 : 1)};
        }
        case 220: {
            // The newer models are sent the day of the week before the date; the fields are
            // kept by what they are, and read back from 301 in the order year .. second.
            const int nWords = q[6] / 2;
            const int nFirst = nWords >= 7 ? 1 : 0;
            if (nWords >= 7)
                m_holding[kDayOfWeekRegister] = Word(q, 7);
            for (int i = nFirst; i < nWords && i - nFirst < 6; ++i)
                m_holding[std::uint16_t(kClockRegister + i - nFirst)] = Word(q, 7 + 2 * std::size_t(i));
            return Bytes{s, 220, q[2], q[3], 0, std::uint8_t(nWords)};
        }
        case 234:
            m_holding[262] = Word(q, 2);
            m_holding[263] = Word(q, 4);
            return Bytes(q.begin(), q.begin() + 6);
        case 233: {
            // The summer/winter time record comes as mode, three zeros, end month and day,
            // start month and day, difference; the controller keeps each value in an even byte.
            const std::size_t n = q.size() - 4;
            const std::size_t kept[] = {0, 4, 5, 6, 7, 8};
            for (std::size_t k = 0; k < std::size(kept); ++k)
                m_memory[kDstAddress + 2 * std::uint32_t(k)] = kept[k] < n ? q[2 + kept[k]] : 0;
            Bytes reply(q.begin(), q.begin() + 2);
            for (std::size_t i = 0; i < 12; ++i)
                reply.push_back(i < n ? q[2 + i] : 0);
            return reply;
        }
        case 249: {
            const std::uint32_t address = (std::uint32_t(Word(q, 2)) << 16) | Word(q, 4);
            Bytes reply(q.begin(), q.begin() + 7);
            for (int i = 0; i < q[6]; ++i)
                reply.push_back(m_memory[address + std::uint32_t(i)]);
            return reply;
        }
        default:
            return Bytes{s, std::uint8_t(fc | 0x80), 1};
        }
    }

    template <class Read>
    Bytes ReadWords(const Bytes& q, Read read)
    {
        const std::uint16_t first = Word(q, 2);
        const int count = Word(q, 4);
        if (count < 1 || count > 125)
            return Bytes{q[0], std::uint8_t(q[1] | 0x80), 3};
        Bytes reply{q[0], q[1], std::uint8_t(2 * count)};
        for (int i = 0; i < count; ++i)
            PutWord(reply, read(std::uint16_t(first + i)));
        return reply;
    }

    Bytes ReadBits(const Bytes& q, std::map<std::uint16_t, bool>& map)
    {
        const std::uint16_t first = Word(q, 2);
        const int count = Word(q, 4);
        if (count < 1 || count > 2000)
            return Bytes{q[0], std::uint8_t(q[1] | 0x80), 3};
        Bytes reply{q[0], q[1], std::uint8_t((count + 7) / 8)};
        for (int i = 0; i < count; i += 8) {
            std::uint8_t byte = 0;
            for (int bit = 0; bit < 8 && i + bit < count; ++bit)
                byte |= std::uint8_t(map[std::uint16_t(first + i + bit)] ? 1 << bit : 0);
            reply.push_back(byte);
        }
        return reply;
    }

    Bytes WriteWords(const Bytes& q)
    {
        const std::uint16_t first = Word(q, 2);
        const int count = Word(q, 4);
        for (int i = 0; i < count && 8 + 2 * std::size_t(i) < q.size(); ++i) {
            const auto wRegister = std::uint16_t(first + i);
            (q[1] == 16 ? Holding(wRegister) : TextWord(wRegister)) = Word(q, 7 + 2 * std::size_t(i));
        }
        for (const auto& [wStuck, wValue] : m_stuck)
            m_holding[wStuck] = wValue;
        return Bytes(q.begin(), q.begin() + 6);
    }

    // FC100 and FC102: 19 bytes from the newer generation on, 17 before; the "any machine"
    // reply is always 17.
    Bytes Handshake(std::uint8_t s, std::uint8_t fc, bool bAnyMachine)
    {
        const bool bLong = !bAnyMachine && (m_wHardwareCode >> 8) >= 0x51;
        Bytes reply{s, fc, std::uint8_t(bLong ? 14 : 12)};
        PutWord(reply, bAnyMachine ? 0x8899 : m_wHardwareCode);
        PutWord(reply, 0);
        PutWord(reply, m_wVersion);
        PutWord(reply, 0);
        PutWord(reply, Holding(kPasswordRegister));
        PutWord(reply, ProgramWords());
        if (bLong)
            PutWord(reply, TextWords());
        return reply;
    }

    // The eight bytes come as the registers of section L carry them, high byte first.
    bool PasswordMatches(const Bytes& q)
    {
        for (std::uint16_t k = 0; k < 4; ++k) {
            if (Word(q, 7 + 2 * std::size_t(k)) != Holding(std::uint16_t(kPasswordRegister + k)))
                return false;
        }
        return true;
    }

    PtyPair m_pty;
    std::uint16_t m_wHardwareCode;
    std::uint16_t m_wVersion;
    std::mutex m_mutex;
    std::map<std::uint16_t, std::uint16_t> m_holding;
    std::map<std::uint16_t, std::uint16_t> m_input;
    std::map<std::uint16_t, std::uint16_t> m_stuck;
    std::map<std::uint16_t, std::uint16_t> m_messageTexts;
    std::map<std::uint16_t, bool> m_coils;
    std::map<std::uint16_t, bool> m_discrete;
    std::map<std::uint32_t, std::uint8_t> m_memory;
    std::vector<Bytes> m_requests;
    bool m_bLocked = false;   // an upload of a program with a password waits for it
    int m_nBaud = 0;
    int m_nLastEndFlag = -1;
    int m_nSilentRegister = -1;
    Fault m_fault = Fault::None;
    std::uint8_t m_byFaultFunction = 0;
    std::size_t m_nFaultAfter = 0;
    std::uint8_t m_byException = 3;
    int m_nDelayMs = 0;
    std::uint8_t m_byDelayFunction = 0;
    // The line clock (LinkClock): link time, the steady time of the session's last look, a
    // reply held until a link time (-1: none), whether the session has looked since, and whether
    // the held reply may go.
    LineClock m_lineClock{*this};
    bool m_bLineClock = false;
    std::atomic<bool> m_bWorking{false};
    long long m_nLinkMs = 0;
    std::chrono::steady_clock::time_point m_lastLook = std::chrono::steady_clock::now();
    long long m_nHeldUntilMs = -1;
    bool m_bHoldSeen = false;
    bool m_bRelease = false;
    std::condition_variable m_clockChanged;
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};
