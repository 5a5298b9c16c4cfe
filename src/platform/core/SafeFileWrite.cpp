#include "platform/core/SafeFileWrite.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How many symbolic links one path may lead through, as many as the system follows.
constexpr int MAX_LINK_HOPS = 40;

// The folder part of a path with its separator; empty for a bare name.
std::string FolderOf(const std::string& path)
{
    const std::size_t nSlash = path.rfind('/');
    return nSlash == std::string::npos ? std::string() : path.substr(0, nSlash + 1);
}

// The path a symbolic link holds; 0, or the errno value.
int ReadLink(const std::string& path, std::string& target)
{
    target.assign(PATH_MAX, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0)
        return errno;
    if (n == 0 || std::size_t(n) >= target.size())
        return ENAMETOOLONG;
    target.resize(std::size_t(n));
    return 0;
}

// Replaces the path by the file it names: the end of the chain of symbolic links it starts,
// which need not exist yet. 0, or the errno value.
int FollowLinks(std::string& path)
{
    for (int nHop = 0; nHop <= MAX_LINK_HOPS; ++nHop) {
        struct stat st {};
        // A missing folder on the way is told by the write itself.
        if (lstat(path.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode))
            return 0;
        std::string target;
        if (const int nError = ReadLink(path, target))
            return nError;
        path = target.front() == '/' ? target : FolderOf(path) + target;
    }
    return ELOOP;
}

// Whether the user may write the file: the system's answer, and the owner's write permission,
// the read-only mark, which the system does not ask of the superuser.
bool MayWrite(const std::string& path, const struct stat& st)
{
    return (st.st_mode & S_IWUSR) && faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// A file of a new, short name in the folder, made by this call and open for writing: the name
// of the file written may already be as long as a name can be. -1 with errno on failure.
int CreateTemporaryIn(const std::string& folder, mode_t mode, std::string& name)
{
    static std::atomic<unsigned> s_nCounter{0};
    for (;;) {
        name = folder + ".qarvo-" + std::to_string(getpid()) + "-" + std::to_string(++s_nCounter) + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return 0;
}

// Gives the new file the old one's owner and group, as far as the user may set them (a user
// may give a file only a group of their own, and no other owner), then its permissions: a
// change of owner clears the set-id bits. 0, or the errno value.
int TakeOver(int fd, const struct stat& old)
{
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int nGroupOnly = fchown(fd, uid_t(-1), old.st_gid);
    }
    return fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

} // namespace

int WriteFileSafely(const CString& strPath, std::string_view bytes)
{
    std::string path = strPath.ToUtf8();
    if (const int nError = FollowLinks(path))
        return nError;
    struct stat old {};
    const bool bExists = stat(path.c_str(), &old) == 0;
    if (!bExists && errno != ENOENT)
        return errno;
    if (bExists) {
        // Only a plain file is replaced: never a folder, a device or a pipe.
        if (!S_ISREG(old.st_mode))
            return S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
        if (!MayWrite(path, old))
            return EACCES;
    }
    // The bytes of a file that exists are for the eyes it allows alone, from the first one on.
    std::string temp;
    const int fd = CreateTemporaryIn(FolderOf(path), bExists ? 0600 : 0666, temp);
    if (fd < 0)
        return errno;
    int nError = WriteAll(fd, bytes);
    if (nError == 0 && bExists)
        nError = TakeOver(fd, old);
    if (nError == 0 && fsync(fd) != 0)
        nError = errno;
    if (close(fd) != 0 && nError == 0 && errno != EINTR)
        nError = errno;
    if (nError == 0 && rename(temp.c_str(), path.c_str()) != 0)
        nError = errno;
    if (nError != 0)
        unlink(temp.c_str());
    return nError;
}
