// A block placed new sends the controller what its sheet shows: the program image of a diagram
// holding one new block of each type is the same before and after the block's sheet was opened
// and closed with OK, in both controller generations.
#include "SheetFixture.h"

#include "codec/ImageEncoder.h"
#include "codec/VetlaCoreRule.h"
#include "pages/sheet/BlockPageRegistry.h"

#include <vector>

namespace {

class SentRecord : public SheetFixture {
protected:
    // The whole image the download would send now, the message texts' area included; empty
    // when the download refuses the diagram.
    std::vector<BYTE> Image()
    {
        CVetlaCoreRule codec;
        codec.m_pDoc = &Doc();
        int nTexts = 0;
        for (POSITION pos = Doc().m_blockList.GetHeadPosition(); pos;)
            nTexts += static_cast<CBlockObj*>(Doc().m_blockList.GetNext(pos))->m_nType == BT_MSGTEXT ? 1 : 0;
        if (!codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, Doc().IsNewGenerationDoc() ? nTexts : 0))
            return {};
        constexpr SYSTEMTIME kStamp = {2026, 3, 0, 14, 9, 26, 53, 0};
        if (!BuildProgramImage(codec, kStamp).bOk)
            return {};
        std::vector<BYTE> bytes(codec.Image(0).begin(), codec.Image(0).end());
        bytes.insert(bytes.end(), codec.Image(1).begin(), codec.Image(1).end());
        bytes.insert(bytes.end(), codec.TextArea().begin(), codec.TextArea().end());
        return bytes;
    }
};

TEST_F(SentRecord, EveryNewBlockSendsTheSameBeforeAndAfterItsSheetsOk)
{
    int nCompared = 0;
    for (const WORD wHardware : {WORD(0x4188), WORD(0x5288)}) {
        for (const BlockPageRow& type : GetBlockPageRows()) {
            SCOPED_TRACE(testing::Message() << "type " << type.nType << " hardware " << std::hex << wHardware);
            Command(ID_FILE_NEW);
            Doc().m_wHardwareCode = wHardware;
            g_wHardwareCode = wHardware;
            CBlockObj* pBlock = Block(type.nType);
            const std::vector<BYTE> before = Image();
            if (before.empty())
                continue;
            EditModal(pBlock, [](CPropertySheet&) {}, IDOK);
            const std::vector<BYTE> after = Image();
            ASSERT_EQ(after.size(), before.size());
            const auto diff = std::ranges::mismatch(before, after);
            EXPECT_TRUE(diff.in1 == before.end())
                << "first difference at byte " << (diff.in1 - before.begin()) << ": " << int(*diff.in1) << " then "
                << int(*diff.in2);
            ++nCompared;
        }
    }
    EXPECT_GT(nCompared, 150) << "both generations' catalogues were sent";
}

} // namespace
