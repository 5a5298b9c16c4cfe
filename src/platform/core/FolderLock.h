// CFolderLock: marks a folder as in use by this process, from Acquire until the object goes.
// The mark is the system's lock on the folder, which goes with the process however it ends (a
// signal, a crash), so that a folder nobody holds belongs to a run that has ended. Two objects
// exclude each other even within one process.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CFolderLock {
public:
    CFolderLock() = default;
    ~CFolderLock();
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;

    // Takes the folder, waiting while another holder has it. FALSE with errno when the folder
    // cannot be opened or locked, ENOENT when it was removed meanwhile (by a holder that found
    // it abandoned).
    BOOL Acquire(LPCTSTR lpszFolder);
    // Takes the folder when nobody holds it; FALSE at once otherwise.
    BOOL TryAcquire(LPCTSTR lpszFolder);

private:
    BOOL Take(LPCTSTR lpszFolder, bool bWait);
    void Release();

    int m_fd = -1;
};
