#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/File.h"
#include "platform/core/MemFile.h"

#include "platform/core/StringPrinter.h"
#include "ExceptionCause.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace {

template <class Fn>
int FileCause(Fn&& fn)
{
    return ExceptionCause<CFileException>(std::forward<Fn>(fn));
}

class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = ::testing::TempDir() + "qarvo-file-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    CString PathOf(const char* name) const { return CString((m_dir / name).c_str()); }
    std::string Contents(const char* name) const
    {
        std::ifstream in(m_dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Put(const char* name, const std::string& contents) const
    {
        std::ofstream(m_dir / name, std::ios::binary) << contents;
    }

    std::filesystem::path m_dir;
};

TEST_F(FileTest, WritesSeeksAndReads)
{
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("a.bin"), CFile::modeCreate | CFile::modeReadWrite |
                                              CFile::typeBinary | CFile::shareExclusive));
    EXPECT_EQ(file.GetFilePath(), PathOf("a.bin"));
    EXPECT_EQ(file.GetFileName(), CString(u"a.bin"));
    file.Write("0123456789", 10);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.GetPosition(), 10u);

    EXPECT_EQ(file.Seek(-4, CFile::end), 6u);
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, sizeof buf), 4u); // fewer only at the end
    EXPECT_STREQ(buf, "6789");
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);

    EXPECT_EQ(file.Seek(2, CFile::begin), 2u);
    EXPECT_EQ(file.Seek(3, CFile::current), 5u);
    file.Write("xy", 2);
    file.SetLength(8);
    EXPECT_EQ(file.SeekToEnd(), 8u);
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0u);
    EXPECT_EQ(FileCause([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);
    file.Flush();
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(Contents("a.bin"), "01234xy7");
}

TEST_F(FileTest, CreateTruncatesUnlessToldNotTo)
{
    Put("keep.bin", "abcdef");
    {
        CFile file(PathOf("keep.bin"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(file.GetLength(), 6u);
        file.Write("X", 1);
    }
    EXPECT_EQ(Contents("keep.bin"), "Xbcdef");
    {
        CFile file(PathOf("keep.bin"), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(file.GetLength(), 0u);
    }
    EXPECT_EQ(Contents("keep.bin"), "");
}

TEST_F(FileTest, OpenReportsWhyItFailed)
{
    const struct {
        const char* name;
        UINT flags;
        int cause;
        int nErrno;
    } cases[] = {
        {"missing.bin", CFile::modeRead, CFileException::fileNotFound, ENOENT},
        {"nodir/x.bin", CFile::modeCreate | CFile::modeWrite, CFileException::fileNotFound, ENOENT},
        {"plain/x.bin", CFile::modeRead, CFileException::badPath, ENOTDIR},
        {"folder", CFile::modeRead, CFileException::accessDenied, EISDIR},
    };
    Put("plain", "");
    std::filesystem::create_directory(m_dir / "folder");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(PathOf(c.name), c.flags, &error));
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(error.m_cause, c.cause);
        EXPECT_EQ(error.m_lOsError, c.nErrno);
        EXPECT_EQ(error.m_strFileName, PathOf(c.name));
        EXPECT_FALSE(file.Open(PathOf(c.name), c.flags)); // without an exception object
    }
    EXPECT_EQ(FileCause([&] { CFile file(PathOf("missing.bin"), CFile::modeRead); }),
              CFileException::fileNotFound);
}

TEST_F(FileTest, RelativePathsAreMadeAbsolute)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(m_dir);
    CFile file;
    const BOOL bOpened = file.Open(u"rel.bin", CFile::modeCreate | CFile::modeWrite);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(bOpened);
    EXPECT_EQ(file.GetFilePath(), PathOf("rel.bin"));
}

TEST_F(FileTest, WritingAFileOpenedForReadingThrows)
{
    Put("r.bin", "abc");
    CFile file(PathOf("r.bin"), CFile::modeRead);
    EXPECT_EQ(FileCause([&] { file.Write("x", 1); }), CFileException::invalidFile);
    file.Abort();
    EXPECT_EQ(FileCause([&] { file.GetLength(); }), CFileException::invalidFile);
}

TEST_F(FileTest, RenameNeverReplacesAndRemoveTakesOnlyFiles)
{
    Put("old.bin", "old");
    Put("taken.bin", "taken");
    EXPECT_EQ(FileCause([&] { CFile::Rename(PathOf("old.bin"), PathOf("taken.bin")); }),
              CFileException::accessDenied);
    EXPECT_EQ(Contents("old.bin"), "old");
    EXPECT_EQ(Contents("taken.bin"), "taken");

    CFile::Rename(PathOf("old.bin"), PathOf("new.bin"));
    EXPECT_EQ(Contents("new.bin"), "old");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "old.bin"));

    CFile::Remove(PathOf("new.bin"));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "new.bin"));
    EXPECT_EQ(FileCause([&] { CFile::Remove(PathOf("new.bin")); }), CFileException::fileNotFound);
    std::filesystem::create_directory(m_dir / "sub");
    EXPECT_EQ(FileCause([&] { CFile::Remove(PathOf("sub")); }), CFileException::accessDenied);
    EXPECT_TRUE(std::filesystem::exists(m_dir / "sub"));
}

TEST_F(FileTest, ArchiveErrorsNameTheFile)
{
    Put("short.dfb", std::string("\x01\x00", 2));
    CFile file(PathOf("short.dfb"), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    int n = 0;
    try {
        ar >> n;
        FAIL() << "no exception";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        EXPECT_EQ(e->m_strFileName, PathOf("short.dfb"));
        e->Delete();
    }
}

// The errno values that name a cause are a table; any other is a generic failure.
TEST(FileExceptionTest, AnErrnoOutsideTheTableIsAGenericFailure)
{
    EXPECT_EQ(CFileException::ErrnoToException(ECONNRESET), CFileException::generic);
}

TEST(FileExceptionTest, MessagesNameTheFileAndFitTheBuffer)
{
    const CFileException notFound(CFileException::fileNotFound, ENOENT, u"/x/a.dfb");
    CString text;
    EXPECT_TRUE(notFound.GetErrorMessage(text));
    EXPECT_EQ(text, CString(u"/x/a.dfb was not found."));

    TCHAR buffer[8];
    UINT nHelp = 99;
    EXPECT_TRUE(notFound.GetErrorMessage(buffer, 8, &nHelp));
    EXPECT_EQ(CString(buffer), CString(u"/x/a.df"));
    EXPECT_EQ(nHelp, 0u);

    EXPECT_TRUE(CFileException(CFileException::diskFull).GetErrorMessage(text));
    EXPECT_EQ(text, CString(u"Disk full while accessing an unnamed file."));
    EXPECT_TRUE(CMemoryException().GetErrorMessage(text));
    EXPECT_EQ(text, CString(u"Out of memory."));
    EXPECT_FALSE(CFileException(99).GetErrorMessage(text));
    EXPECT_TRUE(text.IsEmpty());
}

// ---- memory files ----------------------------------------------------------------------------

TEST(MemFileTest, GrowsAsWrittenAndReadsBack)
{
    CMemFile file(4);
    for (int i = 0; i < 1000; ++i)
        file.Write(&i, sizeof i);
    EXPECT_EQ(file.GetLength(), 4000u);
    file.SeekToBegin();
    for (int i = 0; i < 1000; ++i) {
        int n = -1;
        ASSERT_EQ(file.Read(&n, sizeof n), sizeof n);
        ASSERT_EQ(n, i);
    }
    int n = 0;
    EXPECT_EQ(file.Read(&n, sizeof n), 0u);
    EXPECT_TRUE(file.GetFilePath().IsEmpty());
}

// Bytes between the data and a later write or a longer length read as zeros, also where a file
// cut short still holds its old bytes in its buffer.
TEST(MemFileTest, GapsReadAsZeros)
{
    const struct {
        const char* pszName;
        void (*make)(CMemFile&);
        std::string bytes;
    } cases[] = {
        {"written past the end",
         [](CMemFile& file) {
             file.Write("ab", 2);
             EXPECT_EQ(file.Seek(3, CFile::end), 5u);
             file.Write("z", 1);
         },
         std::string("ab\0\0\0z", 6)},
        {"written past a cut",
         [](CMemFile& file) {
             file.Write("abcdefgh", 8);
             file.SetLength(2);
             file.Seek(5, CFile::begin);
             file.Write("z", 1);
         },
         std::string("ab\0\0\0z", 6)},
        {"cut, then made longer",
         [](CMemFile& file) {
             file.Write("abcdef", 6);
             file.SetLength(2);
             EXPECT_EQ(file.GetPosition(), 2u);
             file.SetLength(4);
         },
         std::string("ab\0\0", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CMemFile file;
        c.make(file);
        ASSERT_EQ(file.GetLength(), c.bytes.size());
        std::string bytes(c.bytes.size(), '?');
        file.SeekToBegin();
        EXPECT_EQ(file.Read(bytes.data(), UINT(bytes.size())), bytes.size());
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_EQ(FileCause([&] { file.Seek(-7, CFile::end); }), CFileException::badSeek);
    }
}

TEST(MemFileTest, DetachHandsOverTheBytes)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CString(u"clip");
    }
    const ULONGLONG nLength = file.GetLength();
    BYTE* pBytes = file.Detach();
    ASSERT_EQ(nLength, 12u);
    EXPECT_EQ(std::memcmp(pBytes, "\xFF\xFE\xFF\x04" "c\0l\0i\0p\0", 12), 0);
    EXPECT_EQ(file.GetLength(), 0u);

    // The same bytes attached to a growable file are taken over and freed by it.
    CMemFile other;
    other.Attach(pBytes, UINT(nLength), 64);
    EXPECT_EQ(other.GetLength(), 0u); // a growable attachment starts empty
    other.Write("xy", 2);
    EXPECT_EQ(other.GetLength(), 2u);
}

TEST(MemFileTest, AFixedBufferIsReadInPlaceAndNeverGrows)
{
    BYTE data[4] = {'a', 'b', 'c', 'd'};
    CMemFile file(data, sizeof data);
    EXPECT_EQ(file.GetLength(), 4u);
    file.Write("XY", 2);
    EXPECT_EQ(data[1], 'Y');
    try {
        file.Write("123", 3);
        FAIL() << "no exception";
    } catch (CMemoryException* e) {
        e->Delete();
    }
    EXPECT_EQ(file.Detach(), data); // still the caller's buffer
    EXPECT_EQ(data[3], 'd');
}

} // namespace
