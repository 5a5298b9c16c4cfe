// A program and its upload are the same program: each golden diagram, encoded as the download
// sends it and decoded as the upload draws it (laid out, the wires that cross blocks cut into
// connector pairs), simulates as the diagram it came from. Both run side by side by the model's
// scan, without a window, with the same input changes and the random generator seeded alike at
// every scan; every output and flag must be equal at every scan.
#include "codec/CodecTestSupport.h"
#include "support/GoldenCorpus.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockOut.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "blocks/Widget.h"
#include "codec/ImageDecoder.h"
#include "codec/ImageEncoder.h"
#include "codec/VetlaCoreRule.h"
#include "document/AnalogRanges.h"
#include "document/DiagramDelete.h"
#include "document/DocTestSupport.h"
#include "document/LadderConversion.h"
#include "document/SimScan.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Runtime.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kScans = 3000;
// The toggle periods of the digital inputs, in scans, taken in turn; an analog input takes the
// next value every kAnalogPeriod scans.
constexpr int kTogglePeriods[] = {7, 11, 13, 17, 23, 29, 31, 37};
constexpr int kAnalogPeriod = 41;
constexpr int kAnalogValues[] = {0, 250, 500, 999, 120, 730};
// The outputs and flags whose first difference is reported, at most.
constexpr std::size_t kMaxReported = 10;

std::string GoldenPath(const std::string& strFile) { return std::string(QARVO_GOLDEN_DIR) + "/" + strFile; }

bool IsOutputOrFlag(const CBlockObj& block)
{
    return IsAnyOf(block, {RUNTIME_CLASS(CBlockOut), RUNTIME_CLASS(CBlockFlag), RUNTIME_CLASS(CBlockAnalogOut),
                           RUNTIME_CLASS(CBlockAnalogFlag)});
}

// What the download refuses of a message text and the user mends first: an element that starts
// left of the display is moved onto its first column.
void MoveElementsOntoTheDisplay(CVetlaDoc& doc)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pText = dynamic_cast<CBlockMSGTEXT*>(static_cast<CObject*>(doc.m_blockList.GetNext(pos)));
        for (int nLine = 0; pText && nLine < MSGTEXT_LINES; ++nLine) {
            for (CObArray* pElements : {&pText->m_arrWidgets1[nLine], &pText->m_arrWidgets2[nLine]}) {
                for (int i = 0; i < pElements->GetSize(); ++i) {
                    if (auto* pElement = static_cast<CWidget*>(pElements->GetAt(i)); pElement && pElement->m_nColumn < 1)
                        pElement->m_nColumn = 1;
                }
            }
        }
    }
}

// The older generation's image has no place for a data log: the user deletes it before sending.
void DeleteDataLog(CVetlaDoc& doc)
{
    std::vector<CBlockObj*> logs;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock->m_nType == BT_DATALOG)
            logs.push_back(pBlock);
    }
    DeleteWithDependents(doc, logs, {}, [](CObject&) {});
}

// The program a diagram sends: a function block diagram as it stands, a ladder as its function
// block conversion.
bool OpenProgram(const std::string& strFile, CVetlaDoc& program)
{
    if (strFile.ends_with(".dfb"))
        return program.OnOpenDocument(CString::FromUtf8(GoldenPath(strFile)));
    CVetlaDoc ladder;
    if (!ladder.OnOpenDocument(CString::FromUtf8(GoldenPath(strFile))))
        return false;
    CLadderConversion conversion(ladder);
    return conversion.PutInto(program);
}

// The golden diagrams set the analog blocks' gain and offset alone, with sensor and measuring
// range left at their defaults, as no property page leaves them. The image carries gain and
// offset, which the upload shows as "No sensor" over the range they span; the sent blocks take
// that reading too, so that a value typed into an input means the same level on both sides.
void TakeUploadedScaling(CVetlaDoc& program, const CVetlaDoc& upload)
{
    for (POSITION pos = upload.m_blockList.GetHeadPosition(); pos;) {
        const auto* pUploaded = dynamic_cast<const CBlockAnalog*>(static_cast<CObject*>(upload.m_blockList.GetNext(pos)));
        auto* pSent = pUploaded ? dynamic_cast<CBlockAnalog*>(program.FindBlockByNumber(pUploaded->m_nNumber)) : nullptr;
        if (!pSent)
            continue;
        pSent->m_nSensor = pUploaded->m_nSensor;
        pSent->m_nRangeMin = pUploaded->m_nRangeMin;
        pSent->m_nRangeMax = pUploaded->m_nRangeMax;
    }
}

// What a side of the comparison shows of its state: the state of every output and flag, and
// the value of the analog ones, by block number.
std::map<int, std::pair<int, int>> Shown(const CVetlaDoc& doc)
{
    std::map<int, std::pair<int, int>> shown;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (IsOutputOrFlag(*pBlock))
            shown[pBlock->m_nNumber] = {pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT], pBlock->m_nHeldValue};
    }
    return shown;
}

// One diagram in simulation, scanned by the model with a clock of its own.
class Side {
public:
    using Points = std::map<int, std::vector<CBlockObj*>>;

    explicit Side(CVetlaDoc& doc) : m_doc(doc)
    {
        BuildSimulationOrder(m_doc);
        StartSimulationRun(m_doc, m_clock);
        m_sim.bSimulating = TRUE;
        m_sim.nRunState = SIM_RUN_STOPPED;
        Scan(0);
        m_sim.nRunState = SIM_RUN_RUNNING;
        for (CBlockObj* pBlock : golden::BlocksByNumber(m_doc)) {
            if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockAnalogIn)))
                m_analog[pBlock->m_nNumber].push_back(pBlock);
            else if (IsAnyOf(*pBlock, {RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockFKey)}) &&
                     pBlock->m_nParamEx[INPUT_SIM_MODE_PARAMEX] != SIM_INPUT_FREQUENCY)
                m_digital[pBlock->m_nNumber].push_back(pBlock);
        }
    }

    // The random generator starts each scan from the scan's seed on both sides.
    void Scan(unsigned nSeed)
    {
        crt::srand(nSeed);
        m_sim.stScan = m_sim.stNow = m_clock;
        ScanDocument(m_doc, m_sim);
        AdvanceSimClock(&m_clock);
    }

    // The points a click and the value popup drive, by number.
    const Points& DigitalPoints() const { return m_digital; }
    const Points& AnalogPoints() const { return m_analog; }

    // A click on every block of the point, let go at once.
    void Click(int nNumber)
    {
        for (CBlockObj* pInput : BlocksOf(m_digital, nNumber)) {
            ToggleSimulatedInput(m_doc, *pInput);
            ReleaseSimulatedInput(m_doc, *pInput);
        }
    }
    // nValue typed into the point's edit of the Inputs bar: the input holds it to the range
    // fitted to the blocks it feeds and passes on its level in that range.
    void SetAnalog(int nNumber, int nValue)
    {
        for (CBlockObj* pInput : BlocksOf(m_analog, nNumber)) {
            pInput->m_nAux[INPUT_SIM_VALUE_AUX] = nValue;
            static_cast<CBlockAnalogIn*>(pInput)->m_nShownValue = nValue;
            UpdateSimInputSettings(m_doc, pInput, TRUE);
        }
    }

private:
    // A diagram may show a point more than once; an upload shows only the points its program
    // reads.
    static std::vector<CBlockObj*> BlocksOf(const Points& points, int nNumber)
    {
        const auto it = points.find(nNumber);
        return it == points.end() ? std::vector<CBlockObj*>() : it->second;
    }

    CVetlaDoc& m_doc;
    CSimContext m_sim;
    SYSTEMTIME m_clock = golden::kStartClock;
    Points m_digital;
    Points m_analog;
};

class UploadSimulation : public testing::TestWithParam<const char*> {};

TEST_P(UploadSimulation, TheUploadSimulatesAsTheProgramItCameFrom)
{
    CMessageBoxRecorder quiet;
    HardwareCodeScope hardware(g_wHardwareCode);
    CVetlaDoc program;
    ASSERT_TRUE(OpenProgram(GetParam(), program));
    g_wHardwareCode = program.m_wHardwareCode;
    MoveElementsOntoTheDisplay(program);
    if (!program.IsNewGenerationDoc())
        DeleteDataLog(program);
    program.UpdateSpecialBlockSizes();
    CVetlaCoreRule codec;
    codec.m_pDoc = &program;
    ASSERT_TRUE(codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, program.IsNewGenerationDoc() ? CountTexts(program) : 0));
    const EncodeResult encoded = BuildProgramImage(codec, kStamp);
    ASSERT_TRUE(encoded.bOk) << encoded.strMessage.ToUtf8() << encoded.nMessageId;

    golden::GoldenHost host;
    CVetlaDoc& upload = host.NewDocument(DOC_TYPE_FBD, program.m_wHardwareCode);
    const DecodeResult decoded = DecodeProgramImage(codec, upload);
    ASSERT_TRUE(decoded.bOk) << DecodeErrorText(decoded).ToUtf8();
    host.View().UpdateScrollSizes();
    host.View().CutWiresCrossingBlocks();
    TakeUploadedScaling(program, upload);

    Side sent(program);
    Side uploaded(upload);
    // The first difference of each output or flag.
    std::set<int> differing;
    for (int nScan = 1; nScan <= kScans && differing.size() < kMaxReported; ++nScan) {
        int k = 0;
        for (const auto& [nNumber, blocks] : sent.DigitalPoints()) {
            const int nPeriod = kTogglePeriods[k % int(std::size(kTogglePeriods))];
            if (nScan % nPeriod == (3 * k++) % nPeriod) {
                sent.Click(nNumber);
                uploaded.Click(nNumber);
            }
        }
        int j = 0;
        for (const auto& [nNumber, blocks] : sent.AnalogPoints()) {
            const int nValue = kAnalogValues[std::size_t(nScan / kAnalogPeriod + j++) % std::size(kAnalogValues)];
            if (nScan % kAnalogPeriod == 1) {
                sent.SetAnalog(nNumber, nValue);
                uploaded.SetAnalog(nNumber, nValue);
            }
        }
        sent.Scan(unsigned(nScan));
        uploaded.Scan(unsigned(nScan));
        const auto shownSent = Shown(program);
        const auto shownUploaded = Shown(upload);
        for (const auto& [nNumber, state] : shownSent) {
            const auto it = shownUploaded.find(nNumber);
            if ((it != shownUploaded.end() && it->second == state) || !differing.insert(nNumber).second)
                continue;
            std::ostringstream what;
            what << "scan " << nScan << ", block " << nNumber << ": sent " << state.first << "/" << state.second;
            if (it == shownUploaded.end())
                what << ", not in the upload";
            else
                what << ", uploaded " << it->second.first << "/" << it->second.second;
            ADD_FAILURE() << what.str();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, UploadSimulation,
                         testing::Values("fbd-older-catalogue.dfb", "fbd-newer-catalogue.dfb", "fbd-older-behaviour.dfb",
                                         "fbd-newer-behaviour.dfb", "lad-older-catalogue.dld", "lad-newer-catalogue.dld",
                                         "lad-older-behaviour.dld", "lad-newer-behaviour.dld"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::erase_if(name, [](char c) { return c == '-' || c == '.'; });
                             return name;
                         });

} // namespace
