// CBlockTime: the base of the fourteen timer blocks (type codes 400-413). Besides the setpoints
// and time bases that live in the generic parameter words, it holds the working flags of the
// timer steps and the cam table of the weekly timer, which every timer stores.
#pragma once

#include "blocks/BlockObj.h"

constexpr int TIMER_CAM_COUNT = 3;
constexpr int TIMER_WORK_COUNT = 6;

class CBlockTime : public CBlockObj {
    DECLARE_SERIAL(CBlockTime)

public:
    CBlockTime();
    CBlockTime(int nType, int nInputs);

    // The common record, then the cam table as 39 ints. On load, every time-base index the
    // class uses must name a row of the time-base and time-limit tables.
    void Serialize(CArchive& ar) override;

    // The first working field: set while a timing interval runs. While the simulation steps by
    // cycles the view adds 10 ms per cycle to the running time of a timer with this field (or,
    // except for the edge triggered wiping relay and the random generator, the second working
    // field m_nWork[0]) set.
    int m_bTiming = 0;
    // The further working fields of the subclasses' steps (phase, done and the like).
    int m_nWork[TIMER_WORK_COUNT] = {};

    // The cam table, cam 0 first. Day 0 is Sunday, as SYSTEMTIME numbers the days.
    int m_bDay[TIMER_CAM_COUNT][7] = {};
    int m_nOnTime[TIMER_CAM_COUNT][2] = {};   // hour, minute
    int m_bOnDisabled[TIMER_CAM_COUNT] = {};  // 1: the ON time is not set
    int m_nOffTime[TIMER_CAM_COUNT][2] = {};
    int m_bOffDisabled[TIMER_CAM_COUNT] = {};

protected:
    // Copies the whole cam table into another timer.
    void CopyCamsTo(CBlockTime* pDst) const;

private:
    void SerializeCams(CArchive& ar);
    void CheckTimeBases() const;
};
