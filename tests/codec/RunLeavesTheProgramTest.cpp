// A simulation run leaves the program as it found it. For every function-block type of both
// generations, a diagram of the block fed by I1 (and AI1), encoded into its download image and
// saved, then run with I1 switched on, off and on again, encodes and saves to the same bytes.
// A message text asks for acknowledgement, so that the run shows it as one to acknowledge; an
// hours counter starts from an operating time, which its Ral input (I1 as well) clears in the run.
// Every reference slot the type carries takes its value from an amplifier whose value is none of
// the typed ones, so that a step that stored what it read would show in the saved file.
#include "CodecTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "document/DocTestSupport.h"
#include "document/ModelSimulator.h"
#include "document/SimScan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kTicksPerLevel = 40;
constexpr int kReferencedValue = 123;

// The download image (both buffers and the message-text area) and the project file.
struct Program {
    Bytes image;
    Bytes file;
};

Program Encoded(CVetlaDoc& doc)
{
    CVetlaCoreRule codec;
    codec.m_pDoc = &doc;
    EXPECT_TRUE(codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, doc.IsNewGenerationDoc() ? CountTexts(doc) : 0));
    EXPECT_TRUE(BuildProgramImage(codec, kStamp).bOk);
    return {WholeImage(codec), SaveToBytes(doc)};
}

// The block of the type fed by I1 and AI1, feeding Q1, in the order a run puts the list in (the
// run keeps that order in the document on purpose).
CBlockObj* BuildDiagram(CVetlaDoc& doc, int nType)
{
    const auto add = [&doc](int nBlockType, int nNumber) {
        CBlockObj* pBlock = CreateBlockForType(nBlockType, nullptr, &doc);
        doc.AddBlock(pBlock);
        if (nNumber)
            pBlock->m_nNumber = nNumber;
        return pBlock;
    };
    CBlockObj* pInput = add(BT_IN, NUM_INPUT);
    CBlockObj* pAnalog = add(BT_ANALOG_IN, NUM_ANALOG_IN);
    auto* pReferenced = static_cast<CBlockAnalog*>(add(BT_AAMP, 0));
    pReferenced->m_nPinSource[0] = pAnalog->m_nNumber;
    pReferenced->m_nOffset = kReferencedValue;
    CBlockObj* pBlock = add(nType, 0);
    const BlockTypeRow* pRow = FindBlockType(nType);
    const int nRefs = doc.IsNewGenerationDoc() ? pRow->references.nNewer : pRow->references.nOlder;
    for (int k = 0; k < nRefs; ++k) {
        pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
        pBlock->m_nRefBlock[k] = pReferenced->m_nNumber;
        pBlock->m_pRefBlock[k] = pReferenced;
    }
    for (int nPin = 0; nPin < pBlock->m_nInputs; ++nPin) {
        if (pBlock->m_nPinKind[nPin] == PINKIND_DIGITAL)
            pBlock->m_nPinSource[nPin] = pInput->m_nNumber;
        else if (pBlock->m_nPinKind[nPin] == PINKIND_ANALOG)
            pBlock->m_nPinSource[nPin] = pAnalog->m_nNumber;
    }
    if (pBlock->m_nOutputs > 0)
        add(BT_OUT, NUM_OUTPUT)->m_nPinSource[0] = pBlock->m_nNumber;
    if (nType == BT_MSGTEXT)
        pBlock->m_nParamEx[MSGTEXT_ACK_PARAMEX] = 1;
    if (nType == BT_HCOUNTER) {
        pBlock->m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] = 100;
        // The older controllers count whole hours.
        pBlock->m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] = doc.IsNewGenerationDoc() ? 30 : 0;
    }
    BuildSimulationOrder(doc);
    return pInput;
}

class RunLeavesTheProgram : public testing::TestWithParam<WORD> {};

TEST_P(RunLeavesTheProgram, EveryTypeEncodesAndSavesToTheSameBytes)
{
    const WORD wHardware = GetParam();
    const BYTE byGeneration = wHardware == kNewerHardware ? GEN_NEWER_ONES : GEN_OLDER;
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        if (!IsFunctionBlockType(row.nType) || !(row.byGenerations & byGeneration))
            continue;
        CVetlaDoc doc;
        doc.m_wHardwareCode = wHardware;
        CBlockObj* pInput = BuildDiagram(doc, row.nType);
        const Program before = Encoded(doc);

        ModelSimulator sim(doc);
        sim.Start();
        for (int nLevel = 0; nLevel < 3; ++nLevel) {
            sim.ToggleInput(*pInput);
            for (int i = 0; i < kTicksPerLevel; ++i)
                sim.Tick();
        }
        sim.Stop();

        const Program after = Encoded(doc);
        EXPECT_TRUE(after.image == before.image) << "type " << row.nType << ": the download image changed";
        EXPECT_TRUE(after.file == before.file) << "type " << row.nType << ": the saved file changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Generations, RunLeavesTheProgram, testing::Values(kOlderHardware, kNewerHardware),
                         [](const testing::TestParamInfo<WORD>& info) {
                             return info.param == kNewerHardware ? "Newer" : "Older";
                         });

} // namespace
