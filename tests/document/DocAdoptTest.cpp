// Open and Undo take over what the trial document loaded: the elements must belong to the
// document that now holds them, and the values a file leaves out must stay as they were, as
// they did when the file was loaded into the document itself.
#include "DocTestSupport.h"

#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/Widget.h"

#include <gtest/gtest.h>

namespace {

class DocAdoptTest : public DocTest {};

TEST_F(DocAdoptTest, TakenOverElementsBelongToTheDocument)
{
    HardwareCodeScope hw(0x5188);
    CVetlaDoc source;
    CBlockObj* pAnd = AddNew(source, BT_AND);
    auto* pText = static_cast<CBlockMSGTEXT*>(AddNew(source, BT_MSGTEXT));
    auto* pWidget = new CWidget;
    pWidget->m_nBlockNumber = pAnd->m_nNumber;
    pText->m_arrWidgets1[0].Add(pWidget);
    auto* pLine = new CConnectLineObj;
    pLine->m_nStartBlock = pAnd->m_nNumber;
    pLine->m_nStartPin = BLOCK_FIRST_OUTPUT;
    pLine->m_nEndBlock = pText->m_nNumber;
    pLine->m_arrVertices.Add(CPoint(10, 10));
    pLine->m_arrVertices.Add(CPoint(40, 10));
    source.AddLine(pLine);
    source.m_settings.strProject[PROJECT_NAME] = u"Pumps";
    const Bytes bytes = SaveToBytes(source);

    CVetlaDoc doc;
    AddNew(doc, BT_OR);  // what the document held before is gone
    LoadFromBytes(doc, bytes);
    ASSERT_EQ(CountBlocks(doc), 2);
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        EXPECT_EQ(static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos))->GetDocument(), &doc);
    auto* pLoadedLine = static_cast<CConnectLineObj*>(doc.m_lineList.GetHead());
    EXPECT_EQ(pLoadedLine->m_pDoc, &doc);
    EXPECT_EQ(pLoadedLine->m_pStartBlock, doc.FindBlockByNumber(pAnd->m_nNumber));
    auto* pLoadedText = static_cast<CBlockMSGTEXT*>(doc.FindBlockByNumber(pText->m_nNumber));
    EXPECT_EQ(static_cast<CWidget*>(pLoadedText->m_arrWidgets1[0][0])->m_pDoc, &doc);
    EXPECT_EQ(doc.m_settings.strProject[PROJECT_NAME], u"Pumps");
    EXPECT_EQ(SaveToBytes(doc), bytes);
}

// An older generation's file has no newer settings: a reload keeps the document's own.
TEST_F(DocAdoptTest, ValuesTheFileLeavesOutStayAsTheyWere)
{
    HardwareCodeScope hw(0x1188);
    CVetlaDoc doc;
    AddNew(doc, BT_AND);
    const Bytes bytes = SaveToBytes(doc);
    doc.m_settings.lcd.nLanguage = 3;
    doc.m_nScopeTime = 9;
    LoadFromBytes(doc, bytes);
    EXPECT_EQ(doc.m_settings.lcd.nLanguage, 3);
    EXPECT_EQ(doc.m_nScopeTime, 9);
    EXPECT_EQ(CountBlocks(doc), 1);
}

// A file that misreports its length: a pipe cannot tell it at all, and a file being written
// may hold more or less than it told a moment before.
class CMisreportingFile : public CMemFile {
public:
    enum class Tells { Nothing, Less, More };
    explicit CMisreportingFile(Tells tells) : m_tells(tells) {}
    ULONGLONG GetLength() const override
    {
        switch (m_tells) {
        case Tells::Nothing:
            AfxThrowFileException(CFileException::badSeek);
        case Tells::Less:
            return 10;
        case Tells::More:
            break;
        }
        return CMemFile::GetLength() + 100000;
    }

private:
    Tells m_tells;
};

TEST_F(DocAdoptTest, OpenReadsTheWholeFileWhateverLengthItTells)
{
    HardwareCodeScope hw(0x5188);
    CVetlaDoc source;
    // Larger than one read's first guess, so that the read has to grow its buffer.
    for (int i = 0; i < 80; ++i)
        AddNew(source, BT_AND);
    const Bytes bytes = SaveToBytes(source);
    ASSERT_GT(bytes.size(), 16u * 1024u);
    for (const auto tells : {CMisreportingFile::Tells::Nothing, CMisreportingFile::Tells::Less,
                             CMisreportingFile::Tells::More}) {
        SCOPED_TRACE(int(tells));
        CMisreportingFile file(tells);
        // The load starts at the file's position, not at its start.
        file.Write("xyz", 3);
        file.Write(bytes.data(), UINT(bytes.size()));
        file.Seek(3, CFile::begin);
        CVetlaDoc doc;
        doc.LoadContents(&file);
        EXPECT_EQ(CountBlocks(doc), 80);
        EXPECT_EQ(SaveToBytes(doc), bytes);
    }
}

}  // namespace
