#include "platform/ui/HelpBrowser.h"

#include <utility>

namespace {

HelpPageOpener& Opener()
{
    static HelpPageOpener s_opener;
    return s_opener;
}

} // namespace

HelpPageOpener SetHelpPageOpener(HelpPageOpener opener) { return std::exchange(Opener(), std::move(opener)); }

BOOL OpenHelpPage(const CString& strPagePath) { return Opener() ? Opener()(strPagePath) : FALSE; }
