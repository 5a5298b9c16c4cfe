// The block catalogue (tests/support/BlockCatalogue.h) as a project file, and two project files
// compared block by block, for scripts/catalogue-transfer-shots.sh:
//   qarvo-catalogue make FILE older|newer     writes the catalogue of the generation
//   qarvo-catalogue compare ORIGINAL OTHER    prints every difference; exit status 1 when any
//   qarvo-catalogue probes older|newer        lists the settings the catalogue sets, by type
// The comparison follows connector pairs to the blocks that feed them, as a download does, so a
// diagram whose wires the program cut into pairs compares equal to the one it came from.
#include "support/BlockCatalogue.h"

#include "blocks/MessageTextClasses.h"
#include "document/HardwareSeries.h"
#include "platform/core/Exception.h"
#include "platform/core/File.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kConnectorHops = 64;

// Every input fed through a connector pair names the block that feeds the pair; the pairs go.
void ReplaceConnectorPairs(CVetlaDoc& doc)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        for (int nPin = 0; nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
            const CBlockObj* pSource = doc.FindBlockByNumber(pBlock->m_nPinSource[nPin]);
            for (int nHop = 0; pSource && nHop < kConnectorHops; ++nHop) {
                if (pSource->m_nType != BT_MALE && pSource->m_nType != BT_FEMALE)
                    break;
                const CBlockObj* pMale = pSource->m_nType == BT_FEMALE
                                             ? doc.FindBlockByNumber(pSource->m_nNumber - NUM_FEMALE_OFFSET)
                                             : pSource;
                pSource = pMale ? doc.FindBlockByNumber(pMale->m_nPinSource[0]) : nullptr;
            }
            if (pSource)
                pBlock->m_nPinSource[nPin] = pSource->m_nNumber;
        }
    }
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock->m_nType == BT_MALE || pBlock->m_nType == BT_FEMALE) {
            doc.m_blockList.RemoveAt(at);
            delete pBlock;
        }
    }
}

// The blocks in rows on the sheet, so that the catalogue opens as a readable diagram.
void PlaceInRows(CVetlaDoc& doc)
{
    int i = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos; ++i) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        pBlock->m_ptPos = CPoint(60 + (i % 12) * 90, 40 + (i / 12) * 70);
        pBlock->m_ptPos2 = pBlock->m_ptPos;
    }
}

bool Load(const char* pszPath, CVetlaDoc& doc)
{
    try {
        CFile file(CString::FromUtf8(pszPath), CFile::modeRead);
        doc.LoadContents(&file);
    } catch (CException* e) {
        e->Delete();
        std::fprintf(stderr, "cannot read %s\n", pszPath);
        return false;
    }
    return true;
}

int Make(const char* pszPath, bool bNewer)
{
    CVetlaDoc doc;
    doc.m_wHardwareCode = bNewer ? 0x5288 : 0x1188;
    GetHardwareSeries(doc.m_wHardwareCode, &doc.m_strHardwareName, &doc.m_wFirmwareWord);
    catalogue::Builder builder(doc, bNewer);
    if (!builder.Build())
        return 1;
    PlaceInRows(doc);
    try {
        CFile file(CString::FromUtf8(pszPath), CFile::modeCreate | CFile::modeWrite);
        doc.StoreContents(&file);
    } catch (CException* e) {
        e->Delete();
        std::fprintf(stderr, "cannot write %s\n", pszPath);
        return 1;
    }
    std::printf("%d blocks, hardware %04X, firmware %04X\n", int(doc.m_blockList.GetCount()), doc.m_wHardwareCode,
                doc.m_wFirmwareWord);
    return 0;
}

int Compare(const char* pszOriginal, const char* pszOther)
{
    CVetlaDoc original;
    CVetlaDoc other;
    if (!Load(pszOriginal, original) || !Load(pszOther, other))
        return 2;
    ReplaceConnectorPairs(other);
    const std::vector<std::string> differences = catalogue::CompareDocuments(original, other);
    for (const std::string& str : differences)
        std::printf("%s\n", str.c_str());
    std::printf("%d blocks compared, %d differences\n", int(original.m_blockList.GetCount()),
                int(differences.size()));
    return differences.empty() ? 0 : 1;
}

// Each type's settings in the groups that stand on one block, with the values they take, and
// the references its record carries.
int Probes(bool bNewer)
{
    CVetlaDoc doc;
    doc.m_wHardwareCode = bNewer ? 0x5288 : 0x1188;
    catalogue::Builder builder(doc, bNewer);
    if (!builder.Build())
        return 1;
    for (const auto& [nType, probe] : builder.Probes()) {
        std::printf("%d:", nType);
        for (const auto& group : probe.groups) {
            std::printf(" [");
            for (const catalogue::Carried& c : group)
                std::printf(" %s=%g", c.pField->strName.c_str(), c.dValue);
            std::printf(" ]");
        }
        std::printf(" references:");
        for (int k : probe.refs)
            std::printf(" %d", k);
        std::printf("\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    RegisterBlockClasses();
    RegisterMessageTextClasses();
    CVetlaDoc::InitBlockCaptions();
    if (argc == 4 && std::strcmp(argv[1], "make") == 0)
        return Make(argv[2], std::strcmp(argv[3], "newer") == 0);
    if (argc == 3 && std::strcmp(argv[1], "probes") == 0)
        return Probes(std::strcmp(argv[2], "newer") == 0);
    if (argc == 4 && std::strcmp(argv[1], "compare") == 0)
        return Compare(argv[2], argv[3]);
    std::fprintf(stderr, "usage: qarvo-catalogue make FILE older|newer | compare ORIGINAL OTHER | probes older|newer\n");
    return 2;
}
