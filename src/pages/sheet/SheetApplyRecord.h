// The apply record: what a modeless sheet's Apply (and OK) hands to the view to write into the
// running block. It names its block by number, so that the view writes into that block and no
// other, whatever is current in the diagram.
#pragma once

#include "pages/sheet/BlockPageRegistry.h"

#include <memory>
#include <utility>
#include <vector>

// The part of a record that its page writes itself: the fields beyond the bound words.
class CApplyRecordForm {
public:
    virtual ~CApplyRecordForm() = default;
    virtual void WriteInto(CBlockObj& block) const = 0;
};

struct SheetApplyRecord {
    int nType = 0;
    int nBlockNumber = -1;
    // Sheets without a main page carry no name.
    BOOL bHasName = FALSE;
    CString strName;
    CString strComment;
    // The main page's bound members that Apply writes, with their block words.
    std::vector<std::pair<BlockWord, int>> words;
    // Written after the words; null for pages whose fields are all words.
    std::shared_ptr<const CApplyRecordForm> pForm;
};

// Writes the record into the block; FALSE (nothing written) when the block is not of the
// record's type, as after the number went to another block.
BOOL WriteApplyRecord(const SheetApplyRecord& record, CBlockObj& block);
