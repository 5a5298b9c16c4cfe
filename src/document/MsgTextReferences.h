// The elements of the message texts that show another block, kept in step with the diagram:
// they go with the block they show and follow its number when the function blocks are numbered
// again.
#pragma once

class CBlockObj;
class CVetlaDoc;

// Deletes the elements that show block nNumber by number alone (they hold no block).
void RemoveMsgTextRefsByNumber(CVetlaDoc& doc, int nNumber);
// Deletes the elements that show pBlock, except those of pBlock itself.
void RemoveMsgTextRefsByBlock(CVetlaDoc& doc, const CBlockObj* pBlock);
// The elements that show a block still in the document take its current number.
void RefreshMsgTextRefNumbers(CVetlaDoc& doc);
// The elements that show pBlock keep its number but forget its address (the older
// controllers' texts keep such elements).
void ForgetMsgTextBlock(const CVetlaDoc& doc, const CBlockObj* pBlock);
