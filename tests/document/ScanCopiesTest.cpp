// During a scan, readers take a source's output state and analog value from the number index's
// copy, taken after the source's step. A reader stepped before its source reads the source
// itself: also under an index that outlives a scan (the view's), where the copies of the last
// scan are stale once a click changed the source between the scans.
#include "DocTestSupport.h"

#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "document/BlockNumberIndex.h"
#include "document/SimScan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct ScanCopiesCase {
    const char* pszName;
    // An index built before the first scan lives through both scans.
    bool bKeptIndex;
};

class ScanCopies : public ::testing::TestWithParam<ScanCopiesCase> {
protected:
    ScanCopies()
    {
        RegisterBlockClasses();
        m_sim.bSimulating = TRUE;
        m_sim.nRunState = SIM_RUN_RUNNING;
    }

    // Two scans, with a change of the source between them; the reader stands first in the
    // list, so it steps before its source in each scan.
    template <class Change>
    void ScanTwice(Change change)
    {
        std::optional<CBlockNumberIndex> kept;
        if (GetParam().bKeptIndex)
            kept.emplace(m_doc);
        ScanDocument(m_doc, m_sim);
        change();
        ScanDocument(m_doc, m_sim);
    }

    CVetlaDoc m_doc;
    CSimContext m_sim;
};

TEST_P(ScanCopies, AReaderBeforeItsSourceSeesAClickBetweenScans)
{
    CBlockObj* pNot = AddNew(m_doc, BT_NOT);
    CBlockObj* pInput = AddNew(m_doc, BT_IN);
    pNot->m_nPinSource[0] = pInput->m_nNumber;

    ScanTwice([&] { ToggleSimulatedInput(m_doc, *pInput); });

    ASSERT_EQ(pInput->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(pNot->m_nPinValue[0], 1);
    EXPECT_EQ(pNot->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
}

TEST_P(ScanCopies, AnAnalogReaderBeforeItsSourceSeesANewValueBetweenScans)
{
    CBlockObj* pOutput = AddNew(m_doc, BT_ANALOG_OUT);
    CBlockObj* pInput = AddNew(m_doc, BT_ANALOG_IN);
    pOutput->m_nPinSource[0] = pInput->m_nNumber;
    pInput->m_nAux2 = 120;

    ScanTwice([&] { pInput->m_nAux2 = 640; });

    EXPECT_EQ(pOutput->m_nAux2, 640);
}

// A reader after its source takes the copy; the copy is what the source shows.
TEST_P(ScanCopies, AReaderAfterItsSourceTakesItsStateOfThisScan)
{
    CBlockObj* pInput = AddNew(m_doc, BT_IN);
    CBlockObj* pFirst = AddNew(m_doc, BT_NOT);
    CBlockObj* pSecond = AddNew(m_doc, BT_NOT);
    pFirst->m_nPinSource[0] = pInput->m_nNumber;
    pSecond->m_nPinSource[0] = pFirst->m_nNumber;

    ScanTwice([&] { ToggleSimulatedInput(m_doc, *pInput); });

    EXPECT_EQ(pFirst->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(pSecond->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
}

INSTANTIATE_TEST_SUITE_P(Indexes, ScanCopies,
                         ::testing::Values(ScanCopiesCase{"OwnIndexPerScan", false},
                                           ScanCopiesCase{"IndexKeptAcrossScans", true}),
                         [](const auto& info) { return std::string(info.param.pszName); });

} // namespace
