// The apply record: what a modeless sheet's Apply (and OK) hands to the view to write into the
// running block. It names its block by number, so that the view writes into that block and no
// other, whatever is current in the diagram.
#pragma once

#include "pages/sheet/BlockPage.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/SimInputValues.h"

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
    // The main page's values that are no bound words (CBlockPage::MakeBlockWrite).
    BlockWrite writeBlock;
    // The operand pages' choice: the number text, the unit text of an I/O kind, and the
    // input's high-speed attribute.
    CString strNumber;
    CString strUnit;
    int bHighSpeed = 0;
    // An input's simulation page.
    BOOL bHasSim = FALSE;
    SimInputValues sim;
    // A ladder element's operand.
    int nOperand = 0;
};

class ISheetHost;

// Writes the record into the block; FALSE (nothing written) when the block is not of the
// record's type, as after the number went to another block. The host carries out what the
// write entails beyond the block (renumbered wires, the simulation's bars).
BOOL WriteApplyRecord(const SheetApplyRecord& record, CBlockObj& block, ISheetHost* pHost = nullptr);
