// Every golden project file of both generations, FBD and LAD, sent as the download sends it (a
// ladder as the FBD diagram it converts into), read back as an upload reads it and sent again:
// the controller gets the same image both times. The palette offers the older controller a
// data log that its download refuses by name ("L0[Data Log] : Not supported!"); the older
// catalogues go without it, as the user sends them once told.
#include "CodecTestSupport.h"
#include "document/DocTestSupport.h"
#include "support/CorpusReplay.h"

#include "blocks/MessageTextClasses.h"
#include "codec/ImageDecoder.h"
#include "document/LadderConversion.h"

#include <string>

namespace {

// The download's encoding of the document: its special blocks sized, then the image.
EncodeResult Send(CVetlaDoc& doc, CVetlaCoreRule& codec)
{
    doc.UpdateSpecialBlockSizes();
    codec.m_pDoc = &doc;
    if (!codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, doc.IsNewGenerationDoc() ? CountTexts(doc) : 0))
        return {FALSE, 0, {}};
    return BuildProgramImage(codec, kStamp);
}

// Takes the data log out of an older diagram.
void RemoveWhatTheOlderLineRefuses(CVetlaDoc& doc)
{
    if (doc.IsNewGenerationDoc())
        return;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock->m_nType == BT_DATALOG) {
            doc.m_blockList.RemoveAt(at);
            delete pBlock;
        }
    }
}

class GoldenRoundTrip : public testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite()
    {
        RegisterBlockClasses();
        RegisterMessageTextClasses();
    }
};

TEST_P(GoldenRoundTrip, SendsTheSameImageAfterAnUpload)
{
    CVetlaDoc file;
    ASSERT_FALSE(LoadFails(file, corpus_replay::ReadBytes(std::string(QARVO_GOLDEN_DIR) + "/" + GetParam())));
    CVetlaDoc converted;
    if (file.IsLadder()) {
        CLadderConversion conversion(file);
        ASSERT_TRUE(conversion.PutInto(converted)) << conversion.GetRefusal().ToUtf8();
    }
    CVetlaDoc& doc = file.IsLadder() ? converted : file;
    RemoveWhatTheOlderLineRefuses(doc);
    CVetlaCoreRule first;
    const EncodeResult sent = Send(doc, first);
    ASSERT_TRUE(sent.bOk) << sent.strMessage.ToUtf8() << " " << sent.nMessageId;

    CVetlaDoc uploaded;
    const DecodeResult result = DecodeProgramImage(first, uploaded);
    ASSERT_TRUE(result.bOk) << DecodeErrorText(result).ToUtf8();
    CVetlaCoreRule again;
    const EncodeResult resent = Send(uploaded, again);
    ASSERT_TRUE(resent.bOk) << resent.strMessage.ToUtf8() << " " << resent.nMessageId;

    const Bytes image = WholeImage(first);
    const Bytes image2 = WholeImage(again);
    ASSERT_EQ(image.size(), image2.size());
    for (std::size_t i = 0; i < image.size(); ++i)
        ASSERT_EQ(int(image[i]), int(image2[i])) << "first difference at byte " << i << " (J from "
                                                 << FindImageSection("J")->nOffset << " of buffer 1)";
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenRoundTrip,
                         testing::Values("fbd-older-catalogue.dfb", "fbd-newer-catalogue.dfb", "lad-older-catalogue.dld",
                                         "lad-newer-catalogue.dld", "fbd-older-behaviour.dfb",
                                         "fbd-newer-behaviour.dfb", "lad-older-behaviour.dld",
                                         "lad-newer-behaviour.dld"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string strName;
                             for (char ch : info.param.substr(0, info.param.find('.')))
                                 strName += ch == '-' ? '_' : ch;
                             return strName;
                         });

} // namespace
