// What a document tells the shell through its observer, and one that outlives its observer.
#include "DocTestSupport.h"

#include "platform/core/FileSystem.h"

namespace {

class DocObserverTest : public DocTest {
protected:
    RecordingObserver m_shell;
};

TEST_F(DocObserverTest, ANewDocumentIsReportedWhenMadeAndWhenGone)
{
    auto pDoc = std::make_unique<CVetlaDoc>();
    CVetlaDoc* pMade = pDoc.get();
    EXPECT_EQ(m_shell.m_created, std::vector<CVetlaDoc*>{pMade});
    EXPECT_EQ(pDoc->GetObserver(), &m_shell);
    pDoc.reset();
    EXPECT_EQ(m_shell.m_destroyed, std::vector<CVetlaDoc*>{pMade});
}

// The document an open tries the file on first is not one the shell hears of.
TEST_F(DocObserverTest, AnOpenedDocumentReportsItsSeries)
{
    const CString strPath = UniqueTempPath(_T("observed.dfb"));
    {
        HardwareCodeScope hw(0x6188);
        CVetlaDoc doc;
        ASSERT_TRUE(doc.OnSaveDocument(strPath));
    }
    HardwareCodeScope hw(0x1188);
    CVetlaDoc doc;
    const std::size_t nCreated = m_shell.m_created.size();
    ASSERT_TRUE(doc.OnOpenDocument(strPath));
    EXPECT_EQ(m_shell.m_created.size(), nCreated);
    ASSERT_EQ(m_shell.m_series.size(), 1u);
    EXPECT_EQ(m_shell.m_series[0].ToUtf8(), "8X Series C1.XX");
    DeleteFile(strPath);
}

// The observer that saw a document made may have gone (the main frame closes first): the
// document does not report to it any more.
TEST(DocObserverGone, ADocumentOutlivingItsObserverReportsNothing)
{
    auto pShell = std::make_unique<RecordingObserver>();
    CVetlaDoc doc;
    EXPECT_EQ(doc.GetObserver(), pShell.get());
    pShell.reset();
    EXPECT_EQ(doc.GetObserver(), nullptr);
}

} // namespace
