// The message-text block's pages belong to the LCD editor, a library built on the pages; the
// program installs their factory at start, and the block's registry row creates them through it.
#pragma once

class CBlockPage;
class CVetlaDoc;

using MessageTextPageFactory = CBlockPage* (*)(int nType, const CVetlaDoc* pDoc);

// Null removes it.
void SetMessageTextPageFactory(MessageTextPageFactory pfnFactory);
// The installed factory's page for the document; null when none is installed.
CBlockPage* CreateMessageTextPage(int nType, const CVetlaDoc* pDoc);
