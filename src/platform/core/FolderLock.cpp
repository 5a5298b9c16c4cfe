#include "platform/core/FolderLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

CFolderLock::~CFolderLock() { Release(); }

BOOL CFolderLock::Acquire(LPCTSTR lpszFolder) { return Take(lpszFolder, true); }

BOOL CFolderLock::TryAcquire(LPCTSTR lpszFolder) { return Take(lpszFolder, false); }

BOOL CFolderLock::Take(LPCTSTR lpszFolder, bool bWait)
{
    Release();
    const int fd = open(CString(lpszFolder).ToUtf8().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return FALSE;
    int nResult;
    do
        nResult = flock(fd, LOCK_EX | (bWait ? 0 : LOCK_NB));
    while (nResult != 0 && errno == EINTR);
    // A folder removed while this waited has no name left: holding it would keep nothing.
    struct stat st {};
    int nError = 0;
    if (nResult != 0 || fstat(fd, &st) != 0)
        nError = errno;
    else if (st.st_nlink == 0)
        nError = ENOENT;
    if (nError != 0) {
        close(fd);
        errno = nError;
        return FALSE;
    }
    m_fd = fd;
    return TRUE;
}

void CFolderLock::Release()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}
