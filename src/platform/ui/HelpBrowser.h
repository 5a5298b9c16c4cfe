// Help pages open in the user's browser. The Qt layer installs the opener that hands a page to
// the desktop; tests install a recorder. Without an opener (headless) no page opens.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <functional>

// Opens the local file strPagePath; FALSE when nothing could show it.
using HelpPageOpener = std::function<BOOL(const CString& strPagePath)>;
// Installs an opener (an empty one restores the headless behaviour); returns the previous one.
HelpPageOpener SetHelpPageOpener(HelpPageOpener opener);
BOOL OpenHelpPage(const CString& strPagePath);
