// The clock the controller link reads its reply time-outs and pauses on. The program's link
// runs on the steady clock, so that a change of the system time does not stretch or cut a wait;
// a test puts a clock of its own in its place to decide when link time passes.
#pragma once

#include <chrono>

class ILinkClock {
public:
    virtual ~ILinkClock() = default;
    // Milliseconds of link time since a start of the clock's own. Each exchange compares two
    // readings, so only the difference counts.
    virtual long long NowMs() = 0;
    // The real milliseconds a wait of nLinkMs on the link takes: the port's reads wait at most
    // this long for the rest of a reply, and a pause waits this long.
    virtual int RealMs(long long nLinkMs) const = 0;
};

// The steady clock, run nScale times as fast (1 for the real link).
class CSteadyLinkClock : public ILinkClock {
public:
    void SetScale(int nScale) { m_nScale = nScale > 0 ? nScale : 1; }
    long long NowMs() override
    {
        const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count() * m_nScale;
    }
    int RealMs(long long nLinkMs) const override { return int((nLinkMs + m_nScale - 1) / m_nScale); }

private:
    int m_nScale = 1;
};
