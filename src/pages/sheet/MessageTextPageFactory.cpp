#include "pages/sheet/MessageTextPageFactory.h"

namespace {

MessageTextPageFactory g_pfnFactory = nullptr;

}  // namespace

void SetMessageTextPageFactory(MessageTextPageFactory pfnFactory) { g_pfnFactory = pfnFactory; }

CBlockPage* CreateMessageTextPage(int nType, const CVetlaDoc* pDoc) { return g_pfnFactory ? g_pfnFactory(nType, pDoc) : nullptr; }
