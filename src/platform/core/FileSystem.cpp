#include "platform/core/FileSystem.h"

#include "platform/core/SafeFileWrite.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Utf8(LPCTSTR lpszPath)
{
    return CString(lpszPath).ToUtf8();
}

// The folder "qarvo-<uid>" in base, made ours alone: created 0700, or when it exists already a
// real folder (not a link to one) that we own, tightened to 0700. Empty when base cannot hold
// such a folder.
std::string PrivateFolderIn(std::string base)
{
    if (base.empty() || base.front() != '/')
        return {};
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    const std::string folder =
        (base == "/" ? std::string() : base) + "/qarvo-" + std::to_string(geteuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    // O_NOFOLLOW refuses a symbolic link planted in a shared folder; the checks then run on
    // the folder actually opened, so it cannot be swapped between check and use.
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid();
    if (ok && (st.st_mode & 07777) != 0700)
        ok = fchmod(fd, 0700) == 0;
    close(fd);
    return ok ? folder : std::string();
}

// The last resort: a folder of our own with a random name in /tmp, made once per process.
const std::string& RandomPrivateFolder()
{
    static const std::string folder = [] {
        std::string pattern = "/tmp/qarvo-" + std::to_string(geteuid()) + "-XXXXXX";
        return mkdtemp(pattern.data()) ? pattern : std::string();
    }();
    return folder;
}

// The folder of a path, made with every missing folder above it. FALSE, with errno, on failure.
BOOL MakeFolderOf(const CString& strPath)
{
    const int nSlash = strPath.ReverseFind(PATH_SEPARATOR);
    if (nSlash <= 0)
        return TRUE;
    const CString strFolder = strPath.Left(nSlash);
    if (PathFileExists(strFolder))
        return TRUE;
    return MakeFolderOf(strFolder) && CreateDirectory(strFolder);
}

// The current folder as the user's shell names it: $PWD when it is the current folder (a folder
// reached through a link keeps the link's name), else the system's own name of it.
std::string CurrentFolder()
{
    const char* pszPwd = std::getenv("PWD");
    struct stat pwd {}, current {};
    if (pszPwd && *pszPwd == '/' && stat(pszPwd, &pwd) == 0 && stat(".", &current) == 0 &&
        pwd.st_dev == current.st_dev && pwd.st_ino == current.st_ino)
        return pszPwd;
    std::string folder(PATH_MAX, '\0');
    if (getcwd(folder.data(), folder.size()) == nullptr)
        return {};
    folder.resize(folder.find('\0'));
    return folder;
}

// Whether a ".." step after the path leads to the path's parent folder: not after a link,
// where it leads to the parent of the link's target, nor after a ".." kept for that reason.
bool StepUpLeadsToParent(const std::string& path)
{
    if (path.empty())
        return true;
    struct stat st {};
    return path.compare(path.rfind('/') + 1, std::string::npos, "..") != 0 &&
           !(lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
}

} // namespace

CString AbsolutePath(const CString& strPath)
{
    if (strPath.IsEmpty())
        return strPath;
    std::string path = strPath.ToUtf8();
    if (path.front() != '/') {
        const std::string folder = CurrentFolder();
        if (folder.empty())
            return strPath;
        path = folder + '/' + path;
    }
    // Built step by step, without the root's separator, so that each folder can be looked at.
    std::string result;
    for (std::size_t nStart = 0; nStart < path.size();) {
        const std::size_t nEnd = std::min(path.find('/', nStart), path.size());
        const std::string_view step(path.data() + nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (step.empty() || step == ".")
            continue;
        if (step == ".." && StepUpLeadsToParent(result))
            result.erase(result.empty() ? 0 : result.rfind('/'));
        else
            result.append("/").append(step);
    }
    return CString::FromUtf8(result.empty() ? "/" : result);
}

CString NativePath(LPCTSTR lpszPath)
{
    CString path(lpszPath);
    path.Replace(u'\\', PATH_SEPARATOR);
    return path;
}

CString GetTempPath()
{
    std::vector<std::string> candidates;
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        if (const char* value = std::getenv(name))
            candidates.emplace_back(value);
    }
    candidates.emplace_back("/tmp");
    std::string folder;
    for (const std::string& base : candidates) {
        folder = PrivateFolderIn(base);
        if (!folder.empty())
            break;
    }
    if (folder.empty())
        folder = RandomPrivateFolder();
    return folder.empty() ? CString() : CString::FromUtf8(folder + '/');
}

CString GetModuleFileName()
{
    std::string path(256, '\0');
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
        if (n < 0)
            return CString();
        if (std::size_t(n) < path.size()) {
            path.resize(std::size_t(n));
            return CString::FromUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

DWORD GetFileAttributes(LPCTSTR lpszPath)
{
    struct stat st {};
    if (stat(Utf8(lpszPath).c_str(), &st) != 0)
        return INVALID_FILE_ATTRIBUTES;
    if (S_ISDIR(st.st_mode))
        return FILE_ATTRIBUTE_DIRECTORY;
    return (st.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

BOOL SetFileAttributes(LPCTSTR lpszPath, DWORD dwFileAttributes)
{
    const std::string path = Utf8(lpszPath);
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return FALSE;
    if (S_ISDIR(st.st_mode))
        return TRUE;
    const mode_t mode = (dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                            ? st.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)
                            : st.st_mode | S_IWUSR;
    return chmod(path.c_str(), mode & 07777) == 0;
}

BOOL PathFileExists(LPCTSTR lpszPath)
{
    return GetFileAttributes(lpszPath) != INVALID_FILE_ATTRIBUTES;
}

BOOL CreateDirectory(LPCTSTR lpszPath)
{
    return mkdir(Utf8(lpszPath).c_str(), 0777) == 0;
}

BOOL RemoveDirectory(LPCTSTR lpszPath)
{
    return rmdir(Utf8(lpszPath).c_str()) == 0;
}

BOOL DeleteFile(LPCTSTR lpszPath)
{
    return unlink(Utf8(lpszPath).c_str()) == 0;
}

BOOL MoveFile(LPCTSTR lpszExistingPath, LPCTSTR lpszNewPath)
{
    return rename(Utf8(lpszExistingPath).c_str(), Utf8(lpszNewPath).c_str()) == 0;
}

int WriteWholeFile(const CString& strPath, std::string_view bytes)
{
    if (!MakeFolderOf(strPath))
        return errno;
    return WriteFileSafely(strPath, bytes);
}
