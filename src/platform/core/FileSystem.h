// The file-system services the program uses, over POSIX. Paths are CStrings in the platform's
// own form ('/' separators) and reach the system as UTF-8. Code that builds paths the way the
// program always has, with backslashes ("%s\\NorviTemp%s\\%03d.tmp"), passes the result through
// NativePath first. Functions report failure as FALSE and leave errno set.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <string_view>

constexpr TCHAR PATH_SEPARATOR = u'/';

// The path with every backslash turned into the platform separator.
CString NativePath(LPCTSTR lpszPath);

// The path made absolute, as a document keeps it: a relative one is taken in the current folder
// under the name the user's shell gives it ($PWD, while that is the current folder); "." steps
// and doubled separators go, and so does "folder/.." where the folder is no symbolic link. No
// link is resolved, so the path names the file the user named wherever the program runs later.
// An empty path stays empty, and a relative one too when the current folder is unknown.
CString AbsolutePath(const CString& strPath);

// The user's private folder for temporary files, ending in a separator: a folder "qarvo-<uid>"
// in $XDG_RUNTIME_DIR, else in $TMPDIR, else in /tmp, created with mode 0700. A candidate that
// exists as a symbolic link, as something other than a folder, or owned by another user is
// refused, and the next one is tried; when none can be used a new folder with a random name
// is made in /tmp (once per process). Never the shared /tmp itself. Empty only when not even
// that folder can be made.
CString GetTempPath();

// The absolute path of the running executable.
CString GetModuleFileName();

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x00000001;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

// FILE_ATTRIBUTE_DIRECTORY for a folder; for a file FILE_ATTRIBUTE_READONLY when its owner may
// not write it, else FILE_ATTRIBUTE_NORMAL; INVALID_FILE_ATTRIBUTES when there is nothing there.
DWORD GetFileAttributes(LPCTSTR lpszPath);
// Only the read-only attribute has a meaning here: with it the file loses its write
// permissions, without it (FILE_ATTRIBUTE_NORMAL) its owner may write it again. Folders are
// left as they are. FALSE when there is nothing at the path.
BOOL SetFileAttributes(LPCTSTR lpszPath, DWORD dwFileAttributes);
BOOL PathFileExists(LPCTSTR lpszPath);

// A new folder (permissions 0777 less the process umask); FALSE when the path exists already.
BOOL CreateDirectory(LPCTSTR lpszPath);
// Removes an empty folder.
BOOL RemoveDirectory(LPCTSTR lpszPath);
// Removes a file (never a folder).
BOOL DeleteFile(LPCTSTR lpszPath);
// Renames within one file system, replacing a file that has the new name.
BOOL MoveFile(LPCTSTR lpszExistingPath, LPCTSTR lpszNewPath);
// Writes the bytes as the whole file at the path, making its folder (and the folders above it)
// when missing, and the file as WriteFileSafely does: a failed write leaves the old file as it
// was, and the file keeps its permissions. 0, or the errno value of the failure.
int WriteWholeFile(const CString& strPath, std::string_view bytes);
