// Writing a user's file whole, safely: the bytes go to a temporary file beside it, which takes
// the old file's place only once it is complete and on the disk, so that a failed write leaves
// the old file as it was. The file stays what it was for its user:
// - a file its user may not write (no write permission for its owner, the read-only mark of
//   chmod, which holds for the superuser too) is not replaced: EACCES;
// - the new file gets the old one's permissions, and its owner and group as far as the user
//   may set them; a new file gets the permissions a new file gets (0666 less the umask);
// - a path that is a symbolic link writes the file the link names, which keeps the link;
// - the temporary name is short, so that a name up to the file system's longest works.
#pragma once

#include "platform/core/String.h"

#include <string_view>

// Writes the bytes as the whole file at the path, whose folder must exist. 0, or the errno
// value of the failure.
int WriteFileSafely(const CString& strPath, std::string_view bytes);
