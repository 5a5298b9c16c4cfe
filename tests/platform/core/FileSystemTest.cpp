#include "platform/core/FileFind.h"
#include "platform/core/FileSystem.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A fresh folder of the test's own, removed with everything in it afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = ::testing::TempDir() + "qarvo-fs-test-XXXXXX";
        if (!mkdtemp(pattern.data()))
            ADD_FAILURE() << "no scratch folder";
        m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    const fs::path& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

// Sets or clears an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

CString Path(const std::string& utf8)
{
    return CString::FromUtf8(utf8);
}

void Touch(const std::string& path)
{
    std::ofstream(path) << "x";
}

std::string PrivateName()
{
    return "qarvo-" + std::to_string(geteuid());
}

// The folder must be a real folder (not a link), ours, and closed to everyone else.
void ExpectPrivateFolder(const CString& tempPath)
{
    const std::string path = tempPath.ToUtf8();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), '/');
    EXPECT_NE(path, "/tmp/");
    struct stat st {};
    ASSERT_EQ(lstat(path.substr(0, path.size() - 1).c_str(), &st), 0) << path;
    EXPECT_TRUE(S_ISDIR(st.st_mode)) << path;
    EXPECT_EQ(st.st_mode & 07777, 0700u) << path;
    EXPECT_EQ(st.st_uid, geteuid()) << path;
}

} // namespace

// The folder is the same every time; one of our own that was left open to others is closed.
TEST(TempPath, IsAPrivateFolderInTheRuntimeDirectory)
{
    for (const bool bLeftOpen : {false, true}) {
        SCOPED_TRACE(bLeftOpen);
        ScratchFolder scratch;
        if (bLeftOpen) {
            ASSERT_EQ(mkdir((scratch / PrivateName()).c_str(), 0700), 0);
            ASSERT_EQ(chmod((scratch / PrivateName()).c_str(), 0777), 0);
        }
        ScopedEnv runtime("XDG_RUNTIME_DIR", scratch.Path().c_str());
        const CString tempPath = GetTempPath();
        ExpectPrivateFolder(tempPath);
        EXPECT_EQ(tempPath.ToUtf8(), scratch / PrivateName() + "/");
        EXPECT_EQ(GetTempPath(), tempPath);
    }
}

// Whatever stands in the way in the first candidate folder, the next one is used.
TEST(TempPath, RefusesLinksFilesAndFoldersOfOtherUsers)
{
    enum class Obstacle { Link, File, ForeignFolder };
    for (Obstacle obstacle : {Obstacle::Link, Obstacle::File, Obstacle::ForeignFolder}) {
        ScratchFolder scratch;
        ASSERT_EQ(mkdir((scratch / "runtime").c_str(), 0700), 0);
        ASSERT_EQ(mkdir((scratch / "tmp").c_str(), 0700), 0);
        ASSERT_EQ(mkdir((scratch / "target").c_str(), 0755), 0);
        const std::string blocked = scratch / "runtime/" + PrivateName();
        switch (obstacle) {
        case Obstacle::Link:
            ASSERT_EQ(symlink((scratch / "target").c_str(), blocked.c_str()), 0);
            break;
        case Obstacle::File:
            Touch(blocked);
            break;
        case Obstacle::ForeignFolder:
            if (geteuid() != 0)
                continue;  // only the superuser can give a folder away
            ASSERT_EQ(mkdir(blocked.c_str(), 0700), 0);
            ASSERT_EQ(chown(blocked.c_str(), 65534, 65534), 0);
            break;
        }
        ScopedEnv runtime("XDG_RUNTIME_DIR", (scratch / "runtime").c_str());
        ScopedEnv tmp("TMPDIR", (scratch / "tmp").c_str());
        const CString tempPath = GetTempPath();
        EXPECT_EQ(tempPath.ToUtf8(), scratch / "tmp/" + PrivateName() + "/");
        ExpectPrivateFolder(tempPath);
        struct stat st {};
        ASSERT_EQ(stat((scratch / "target").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0755u);  // the link's target was left alone
    }
}

TEST(TempPath, IgnoresRelativeCandidates)
{
    ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
    ScopedEnv tmp("TMPDIR", "relative/folder");
    const CString tempPath = GetTempPath();
    EXPECT_EQ(tempPath.GetAt(0), u'/');
    ExpectPrivateFolder(tempPath);
}

TEST(FileSystem, NativePathTurnsBackslashesIntoSeparators)
{
    EXPECT_EQ(NativePath(_T("/tmp/q/\\NorviTemp.1\\001.tmp")), _T("/tmp/q//NorviTemp.1/001.tmp"));
    EXPECT_EQ(NativePath(_T("plain")), _T("plain"));
}

// A relative name is taken in the current folder as the user's shell names it ($PWD, while that
// is the current folder), and no symbolic link is resolved: the path names what the user named.
TEST(FileSystem, AbsolutePathNamesTheFileTheUserNamed)
{
    ScratchFolder scratch;
    const std::string root = fs::canonical(scratch.Path()).string();
    fs::create_directories(root + "/real/sub");
    fs::create_directory_symlink(root + "/real/sub", root + "/link");
    const std::string link = root + "/link";
    const fs::path previous = fs::current_path();
    fs::current_path(link);
    // $PWD, then a path and what it becomes; "up from a link" leads to real/, so it stays.
    for (const auto& [pwd, path, expected] : std::vector<std::array<std::string, 3>>{
             {link, "plan.dfb", link + "/plan.dfb"},
             {root, "plan.dfb", root + "/real/sub/plan.dfb"},
             {link, "./a//b/../plan.dfb", link + "/a/plan.dfb"},
             {link, "../plan.dfb", link + "/../plan.dfb"},
             {link, "/x/./y/../plan.dfb", "/x/plan.dfb"},
             {link, "", ""}}) {
        const ScopedEnv scoped("PWD", pwd.c_str());
        EXPECT_EQ(AbsolutePath(Path(path)).ToUtf8(), expected) << path;
    }
    fs::current_path(previous);
}

TEST(FileSystem, ModuleFileNameIsThisTestProgram)
{
    const CString path = GetModuleFileName();
    ASSERT_FALSE(path.IsEmpty());
    EXPECT_EQ(path.GetAt(0), u'/');
    EXPECT_EQ(fs::path(path.ToUtf8()).filename(), "platform_core_tests");
    EXPECT_TRUE(PathFileExists(path));
}

TEST(FileSystem, CreatesRemovesAndMoves)
{
    ScratchFolder scratch;
    const CString folder = Path(scratch / "NorviTemp.2024");
    EXPECT_TRUE(CreateDirectory(folder));
    EXPECT_FALSE(CreateDirectory(folder));  // exists already
    EXPECT_EQ(GetFileAttributes(folder), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(SetFileAttributes(folder, FILE_ATTRIBUTE_NORMAL));

    const std::string first = scratch / "NorviTemp.2024/001.tmp";
    const std::string second = scratch / "NorviTemp.2024/000.tmp";
    Touch(first);
    Touch(second);
    EXPECT_FALSE(RemoveDirectory(folder));  // not empty
    EXPECT_FALSE(DeleteFile(folder));       // a folder is not a file
    EXPECT_TRUE(MoveFile(Path(first), Path(second)));  // replaces 000.tmp
    EXPECT_FALSE(PathFileExists(Path(first)));
    EXPECT_FALSE(MoveFile(Path(first), Path(second)));
    EXPECT_TRUE(DeleteFile(Path(second)));
    EXPECT_FALSE(DeleteFile(Path(second)));
    EXPECT_TRUE(RemoveDirectory(folder));
    EXPECT_FALSE(PathFileExists(folder));
    EXPECT_EQ(GetFileAttributes(folder), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(SetFileAttributes(folder, FILE_ATTRIBUTE_NORMAL));
}

TEST(FileSystem, ReadOnlyAttributeFollowsTheOwnersWritePermission)
{
    ScratchFolder scratch;
    const std::string file = scratch / "Astro.Property";
    Touch(file);
    EXPECT_EQ(GetFileAttributes(Path(file)), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(SetFileAttributes(Path(file), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributes(Path(file)), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_TRUE(SetFileAttributes(Path(file), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributes(Path(file)), FILE_ATTRIBUTE_NORMAL);
}

// A whole-file write keeps the file's permissions, owner and group (the superuser may set any),
// leaves no temporary file beside it, and replaces only plain files, never a pipe or a device.
TEST(FileSystem, WholeFileWritesKeepTheOwnerAndReplaceOnlyPlainFiles)
{
    ScratchFolder scratch;
    const std::string file = scratch / "Astro.Property";
    Touch(file);
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    const bool bGivenAway = chown(file.c_str(), 65534, 65534) == 0;
    EXPECT_EQ(WriteWholeFile(Path(file), "new"), 0);
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 3);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, bGivenAway ? 65534u : geteuid());
    EXPECT_EQ(st.st_gid, bGivenAway ? 65534u : getegid());
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), {}), 1);

    ASSERT_EQ(mkfifo((scratch / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(WriteWholeFile(Path(scratch / "pipe"), "new"), EINVAL);
    EXPECT_TRUE(fs::is_fifo(scratch / "pipe"));
}

TEST(FileSystem, NamesAreUtf8ForTheSystem)
{
    ScratchFolder scratch;
    const CString folder = Path(scratch / "程序 ü");
    EXPECT_TRUE(CreateDirectory(folder));
    EXPECT_TRUE(fs::is_directory(scratch / "程序 ü"));
    EXPECT_TRUE(RemoveDirectory(folder));
}

struct PatternCase {
    const char16_t* name;
    const char16_t* pattern;
    bool matches;
};

TEST(FileFind, WildcardsMatchAsOnTheOriginalSystem)
{
    const PatternCase cases[] = {
        {u"001.tmp", u"*.*", true},
        {u"noextension", u"*.*", true},
        {u".hidden", u"*.*", true},
        {u"anything", u"*", true},
        {u"lcd.dat", u"lcd.dat*", true},
        {u"lcd.dat3", u"lcd.dat*", true},
        {u"lcd.data.old", u"lcd.dat*", true},
        {u"lcd.da", u"lcd.dat*", false},
        {u"xlcd.dat", u"lcd.dat*", false},
        {u"007.tmp", u"*.tmp", true},
        {u"007.tmp.old", u"*.tmp", false},
        {u"007.TMP", u"*.tmp", false},  // names are case-sensitive here
        {u"a.tmp", u"?.tmp", true},
        {u"ab.tmp", u"?.tmp", false},
        {u".tmp", u"?.tmp", false},
        {u"001.tmp", u"0?1.*", true},
        {u"Astro", u"Astro.*", true},  // "name.*" includes the name without an extension
        {u"Astro.Property", u"Astro.*", true},
        {u"Astronomy", u"Astro.*", false},
        {u"a*b", u"a*b", true},
        {u"aXXbYYb", u"a*b", true},
        {u"aXXbYYc", u"a*b", false},
        {u"mississippi", u"*ss*ss*pi", true},
        {u"", u"*", true},
        {u"x", u"", false},
    };
    for (const PatternCase& c : cases) {
        EXPECT_EQ(bool(CFileFind::MatchesPattern(c.name, c.pattern)), c.matches)
            << CString(c.name).ToUtf8() << " ~ " << CString(c.pattern).ToUtf8();
    }
}

namespace {

struct Found {
    std::string name;
    std::string path;
    bool directory;
    bool operator==(const Found&) const = default;
};

std::vector<Found> FindAll(const std::string& pattern)
{
    std::vector<Found> found;
    CFileFind finder;
    BOOL bWorking = finder.FindFile(CString::FromUtf8(pattern));
    while (bWorking) {
        bWorking = finder.FindNextFile();
        found.push_back({finder.GetFileName().ToUtf8(), finder.GetFilePath().ToUtf8(),
                         bool(finder.IsDirectory())});
    }
    return found;
}

} // namespace

TEST(FileFind, ListsMatchingEntriesOfOneFolderByName)
{
    ScratchFolder scratch;
    for (const char* name : {"lcd.dat", "lcd.dat1", "b.tmp", "a.tmp", "readme"})
        Touch(scratch / name);
    ASSERT_EQ(mkdir((scratch / "sub.tmp").c_str(), 0700), 0);
    Touch(scratch / "sub.tmp/inner.tmp");

    const std::string root = scratch.Path().string() + "/";
    EXPECT_EQ(FindAll(root + "*.tmp"), (std::vector<Found>{{"a.tmp", root + "a.tmp", false},
                                                           {"b.tmp", root + "b.tmp", false},
                                                           {"sub.tmp", root + "sub.tmp", true}}));
    EXPECT_EQ(FindAll(root + "lcd.dat*").size(), 2u);
    EXPECT_EQ(FindAll(root + "*.*").size(), 6u);  // never "." or ".."
    EXPECT_TRUE(FindAll(root + "*.bmp").empty());
    EXPECT_TRUE(FindAll(root + "missing/*.*").empty());
}

TEST(FileFind, ReportsTheLastEntryWithFalse)
{
    ScratchFolder scratch;
    Touch(scratch / "only.tmp");
    CFileFind finder;
    EXPECT_TRUE(finder.FindFile(CString::FromUtf8(scratch / "*.*")));
    EXPECT_TRUE(finder.GetFileName().IsEmpty());  // nothing before the first FindNextFile
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(finder.GetFileName(), _T("only.tmp"));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(finder.GetFileName(), _T("only.tmp"));
    finder.Close();
    EXPECT_TRUE(finder.GetFileName().IsEmpty());
}

// The way a snapshot folder is emptied: delete every entry found while walking.
TEST(FileFind, EntriesCanBeDeletedWhileWalking)
{
    ScratchFolder scratch;
    for (int i = 0; i < 31; ++i)
        Touch(scratch / (std::to_string(100 + i) + ".tmp"));
    CFileFind finder;
    BOOL bWorking = finder.FindFile(CString::FromUtf8(scratch / "*.*"));
    int nDeleted = 0;
    while (bWorking) {
        bWorking = finder.FindNextFile();
        nDeleted += DeleteFile(finder.GetFilePath());
    }
    EXPECT_EQ(nDeleted, 31);
    EXPECT_TRUE(fs::is_empty(scratch.Path()));
}
