// What a block property sheet needs of the diagram view that opened it: its document, whether
// it simulates, the write of an apply record into the running block, and the end of a modeless
// sheet. The view implements it; pages and sheets never see the view's class.
#pragma once

#include "platform/core/Types.h"

class CAllPropertySheet;
class CBlockObj;
class CPropShLadIO;
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
    // A ladder element's modeless sheet's window is gone; the sheet deletes itself right after.
    virtual void OnLadderSheetDestroyed(CPropShLadIO* pSheet) = 0;
    // The block's number followed its new operand: the wires, the message texts and the open
    // sheet follow it too, and a simulation's Inputs and Outputs bars show it.
    virtual void OnBlockRenumbered(CBlockObj& block, int nOldNumber) = 0;
    // During a simulation an input's operand or way of operation changed: the Inputs bar
    // shows it.
    virtual void OnSimInputChanged(CBlockObj& block) = 0;
    // The message texts show nothing more of the number (no element uses it any more).
    virtual void DropMsgTextRefs(int nNumber) = 0;
    // The simulation's value popup: whether the window is it, and closing it.
    virtual BOOL IsValuePopup(const CWnd* pWnd) const = 0;
    virtual void CloseValuePopup() = 0;

protected:
    ~ISheetHost() = default;
};
