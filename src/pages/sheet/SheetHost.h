// What a block property sheet needs of the diagram view that opened it: its document, whether
// it simulates, the write of an apply record into the running block, and the end of a modeless
// sheet. The view implements it; pages and sheets never see the view's class.
#pragma once

#include "platform/core/Types.h"

class CAllPropertySheet;
class CVetlaDoc;
class CWnd;
struct SheetApplyRecord;

class ISheetHost {
public:
    virtual CVetlaDoc* GetSheetDocument() const = 0;
    virtual BOOL IsSheetSimulating() const = 0;
    // The parent window of a modeless sheet (null: the main window).
    virtual CWnd* GetSheetParent() = 0;
    // Writes the record into the block that carries its number and repaints; FALSE when no
    // block of that number and type exists (the record is dropped).
    virtual BOOL ApplySheetValues(const SheetApplyRecord& record) = 0;
    // A modeless sheet's window is gone; the sheet deletes itself right after.
    virtual void OnSheetDestroyed(CAllPropertySheet* pSheet) = 0;

protected:
    ~ISheetHost() = default;
};
