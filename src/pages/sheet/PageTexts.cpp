#include "pages/sheet/PageTexts.h"

#include "document/ModelSettings.h"

namespace {

PageTextLookup& TextLookup()
{
    static PageTextLookup lookup;
    return lookup;
}

PageHelpHandler& HelpHandler()
{
    static PageHelpHandler handler;
    return handler;
}

ProgramPropertiesOpener& PropertiesOpener()
{
    static ProgramPropertiesOpener opener;
    return opener;
}

}  // namespace

void SetPageTextLookup(PageTextLookup lookup) { TextLookup() = std::move(lookup); }

BOOL LookupPageText(WORD nKey, CString& strText)
{
    return TextLookup() ? TextLookup()(nKey, strText) : FALSE;
}

BOOL IsChinesePageUI() { return g_bChineseUI == 1; }

void SetPageHelpHandler(PageHelpHandler handler) { HelpHandler() = std::move(handler); }

BOOL HasPageHelp() { return HelpHandler() != nullptr; }

void OpenPageHelp(UINT nTopic)
{
    if (HelpHandler())
        HelpHandler()(nTopic);
}

void SetProgramPropertiesOpener(ProgramPropertiesOpener opener) { PropertiesOpener() = std::move(opener); }

void OpenProgramProperties(int nStartPage)
{
    if (PropertiesOpener())
        PropertiesOpener()(nStartPage);
}
