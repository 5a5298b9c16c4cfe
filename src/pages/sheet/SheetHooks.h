// What a type's sheet does beyond copying its bound words: the operand pages turn list texts
// into an operand and a block number, the simulation page normalises its values and drives
// the running input, a delay clears the constant time behind its reference once a simulation's
// sheet of it closes. Each hook may be null.
#pragma once

class CAllPropertySheet;
class CBlockObj;
class ISheetHost;
struct SheetApplyRecord;

struct SheetHooks {
    // Opening: the block into the pages, after the bound words.
    void (*pfnCopyIn)(const CBlockObj& block, CAllPropertySheet& sheet) = nullptr;
    // Modal OK: the pages into the block, after the bound words.
    void (*pfnCopyBack)(const CAllPropertySheet& sheet, CBlockObj& block, ISheetHost& host) = nullptr;
    // Apply: the pages' values normalised into the record (and the sheet's title) before it goes.
    void (*pfnBuildRecord)(CAllPropertySheet& sheet, SheetApplyRecord& record) = nullptr;
    // Apply, the view's half: the record into the running block, after the bound words.
    void (*pfnWriteRecord)(const SheetApplyRecord& record, CBlockObj& block, ISheetHost& host) = nullptr;
    // A simulation's sheet closed: the block as the run goes on without it.
    void (*pfnClosedModeless)(CBlockObj& block) = nullptr;
};
