// What other blocks keep of a block that goes: the parameter references of the function blocks
// (a cleared reference puts the words it fed back to their defaults) and the data log's items.
#pragma once

class CBlockObj;
class CVetlaDoc;

// Clears every reference to pDeleted in the document's blocks: a reference that the block's
// family keeps for the document's generation goes with its use flag and resets the words it
// fed; any other reference only forgets the address. The newer generation's data logs drop
// the block's items, the older's keep them without the address.
void ClearReferencesTo(CVetlaDoc& doc, const CBlockObj* pDeleted);
