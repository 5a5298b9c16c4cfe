// The apply record: what a modeless sheet's Apply (and OK) hands to the view to write into the
// running block. It names its block by number, so that the view writes into that block and no
// other, whatever is current in the diagram.
#pragma once

#include "pages/sheet/BlockPageRegistry.h"

#include <functional>
#include <utility>
#include <vector>

struct SheetApplyRecord {
    int nType = 0;
    int nBlockNumber = -1;
    // Sheets without a main page carry no name.
    BOOL bHasName = FALSE;
    CString strName;
    CString strComment;
    // The main page's bound members that Apply writes, with their block words.
    std::vector<std::pair<BlockWord, int>> words;
    // The main page's other values, each written by the page's own writer; they hold copies of
    // the values, never the page.
    std::vector<std::function<void(CBlockObj&)>> writers;
};

// Writes the record into the block; FALSE (nothing written) when the block is not of the
// record's type, as after the number went to another block.
BOOL WriteApplyRecord(const SheetApplyRecord& record, CBlockObj& block);
