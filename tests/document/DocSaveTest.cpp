#include "DocSamples.h"

#include "platform/core/Archive.h"
#include "platform/core/File.h"
#include "platform/core/FileFind.h"
#include "platform/core/FileSystem.h"

namespace {

// A document whose next save fails part way through writing, as a full disk would.
class CFailingSaveDoc : public CVetlaDoc {
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring() && m_bFailNextSave) {
            m_bFailNextSave = FALSE;
            ar << 12345;
            AfxThrowFileException(CFileException::diskFull);
        }
        CVetlaDoc::Serialize(ar);
    }

    BOOL m_bFailNextSave = FALSE;
};

class DocSaveTest : public DocTest {
protected:
    void SetUp() override
    {
        m_strFolder = UniqueTempPath(_T("save"));
        CreateDirectory(m_strFolder);
        m_strPath = m_strFolder + _T("/plan.dfb");
    }
    void TearDown() override
    {
        for (const CString& strFile : FilesInFolder())
            DeleteFile(m_strFolder + _T("/") + strFile);
        RemoveDirectory(m_strFolder);
        CDocument::SetPromptFileName({});
    }

    std::vector<CString> FilesInFolder() const
    {
        std::vector<CString> files;
        CFileFind finder;
        BOOL bMore = finder.FindFile(m_strFolder + _T("/*"));
        while (bMore) {
            bMore = finder.FindNextFile();
            files.push_back(finder.GetFileName());
        }
        return files;
    }
    // The file dialog answers with the path, recording what it was asked with.
    void AnswerDialogWith(const CString& strAnswer)
    {
        CDocument::SetPromptFileName([this, strAnswer](CString& strName, UINT nTitleId, DWORD, BOOL, CDocument*) {
            m_strProposed = strName;
            m_nDialogTitle = nTitleId;
            strName = strAnswer;
            return TRUE;
        });
    }
    Bytes FileBytes() const { return ReadFileBytes(m_strPath); }

    CString m_strFolder;
    CString m_strPath;
    CString m_strProposed;
    UINT m_nDialogTitle = 0;
};

TEST_F(DocSaveTest, SaveWritesTheDocumentAndNothingElseAndOpenReadsIt)
{
    CVetlaDoc doc;
    FillFbdSample(doc, FALSE);
    ASSERT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.OnSaveDocument(m_strPath));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(FileBytes(), SaveToBytes(doc));
    EXPECT_EQ(FilesInFolder().size(), 1u);
    CVetlaDoc opened;
    ASSERT_TRUE(opened.OnOpenDocument(m_strPath));
    EXPECT_EQ(SaveToBytes(opened), SaveToBytes(doc));
}

TEST_F(DocSaveTest, AFailedSaveKeepsTheExistingFileAndLeavesNoTemporaryFile)
{
    CFailingSaveDoc doc;
    AddNew(doc, BT_AND);
    ASSERT_TRUE(doc.OnSaveDocument(m_strPath));
    const Bytes saved = FileBytes();
    AddNew(doc, BT_OR);
    doc.m_bFailNextSave = TRUE;
    EXPECT_FALSE(doc.OnSaveDocument(m_strPath));
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(FileBytes(), saved);
    EXPECT_EQ(FilesInFolder().size(), 1u);
}

TEST_F(DocSaveTest, SavingIntoAMissingFolderIsReported)
{
    CVetlaDoc doc;
    const CString strPath = m_strFolder + _T("/missing/plan.dfb");
    EXPECT_FALSE(doc.OnSaveDocument(strPath));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    const CString& strText = m_boxes.Boxes()[0].text;
    EXPECT_NE(strText.Find(strPath), -1) << "the message names the chosen file: " << strText.ToUtf8();
    EXPECT_EQ(strText.Find(_T(".tmp")), -1) << "not the temporary one";
    EXPECT_NE(strText.Find(_T("could not be saved: No such file or directory")), -1) << strText.ToUtf8();
}

// The system's own reason, not the nearest of the file errors ("Access ... was denied").
TEST_F(DocSaveTest, AFailedSaveNamesTheSystemsReason)
{
    CVetlaDoc doc;
    const CString strPath = m_strFolder + _T("/taken");
    ASSERT_TRUE(CreateDirectory(strPath));
    EXPECT_FALSE(doc.OnSaveDocument(strPath));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, strPath + _T(" could not be saved: Is a directory."));
    RemoveDirectory(strPath);
}

// Without a file dialog, or with one cancelled, Save As saves nothing.
TEST_F(DocSaveTest, SaveAsWithoutAFileDialogOrCancelledSavesNothing)
{
    CVetlaDoc doc;
    EXPECT_FALSE(doc.DoSave(nullptr));
    CDocument::SetPromptFileName([](CString&, UINT, DWORD, BOOL, CDocument*) { return FALSE; });
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_TRUE(FilesInFolder().empty());
}

TEST_F(DocSaveTest, SaveAsProposesTheCutTitleWithTheDocumentTypesExtension)
{
    AnswerDialogWith(m_strPath);
    CVetlaDoc doc;
    doc.m_nDocType = DOC_TYPE_LAD;
    doc.SetTitle(_T("Line 2#north"));
    ASSERT_TRUE(doc.DoSave(nullptr));
    EXPECT_EQ(m_strProposed.ToUtf8(), "Line.dld");
    EXPECT_EQ(m_nDialogTitle, AFX_IDS_SAVEFILE);
    EXPECT_EQ(doc.GetPathName(), m_strPath);
    EXPECT_EQ(doc.GetTitle().ToUtf8(), "plan.dfb");
    EXPECT_EQ(FileBytes(), SaveToBytes(doc));

    CVetlaDoc fbd;
    fbd.SetTitle(_T("Main;v2"));
    ASSERT_TRUE(fbd.DoSave(nullptr));
    EXPECT_EQ(m_strProposed.ToUtf8(), "Main.dfb");
}

TEST_F(DocSaveTest, SaveACopyKeepsThePathAndAskingStartsFromIt)
{
    AnswerDialogWith(m_strFolder + _T("/copy.dfb"));
    CVetlaDoc doc;
    doc.SetPathName(m_strPath);
    ASSERT_TRUE(doc.DoSave(nullptr, FALSE));
    EXPECT_EQ(m_strProposed, m_strPath);
    EXPECT_EQ(m_nDialogTitle, AFX_IDS_SAVEFILECOPY);
    EXPECT_EQ(doc.GetPathName(), m_strPath);
    EXPECT_EQ(FilesInFolder().size(), 1u);
}

TEST_F(DocSaveTest, SaveUsesThePathWithoutAsking)
{
    CDocument::SetPromptFileName([](CString&, UINT, DWORD, BOOL, CDocument*) -> BOOL {
        ADD_FAILURE() << "no dialog expected";
        return FALSE;
    });
    CVetlaDoc doc;
    doc.SetPathName(m_strPath);
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(FileBytes(), SaveToBytes(doc));
}

TEST_F(DocSaveTest, NewDocumentEmptiesTheContentsAndThePath)
{
    CVetlaDoc doc;
    FillFbdSample(doc, FALSE);
    doc.SetPathName(m_strPath);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(CountBlocks(doc), 0);
    EXPECT_TRUE(doc.m_lineList.IsEmpty());
    EXPECT_TRUE(doc.m_commentList.IsEmpty());
    EXPECT_TRUE(doc.GetPathName().IsEmpty());
    EXPECT_FALSE(doc.IsModified());
}

} // namespace
