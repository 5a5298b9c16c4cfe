#include "messagetext/MessageTextPages.h"

#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "messagetext/AllDisplayMsgTxts.h"
#include "messagetext/MessageTextsNew.h"
#include "pages/sheet/MessageTextPageFactory.h"

CBlockPage* MakeMessageTextPage(int nType, const CVetlaDoc* pDoc)
{
    const WORD wHardware = pDoc ? pDoc->m_wHardwareCode : g_wHardwareCode;
    if (IsNewGeneration(wHardware))
        return new CMessageTexts_New(nType);
    return new CMessageTexts(nType);
}

// The pages and their dialogs name parameters by the document's table.
void InstallMessageTextPages()
{
    CVetlaDoc::InitParameterNames();
    SetMessageTextPageFactory(MakeMessageTextPage);
    InstallMsgTextDisplay();
}
