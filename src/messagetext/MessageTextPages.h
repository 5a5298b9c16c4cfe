// Installs the message-text pages into the block property sheet (the older controllers' page
// below model byte 81, the newer one from there on) and the simulation's "Message texts"
// display into the diagram view.
#pragma once

class CBlockPage;
class CVetlaDoc;

void InstallMessageTextPages();
CBlockPage* MakeMessageTextPage(int nType, const CVetlaDoc* pDoc);
