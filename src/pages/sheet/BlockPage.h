// CBlockPage: the base of the main pages of the block property sheet. It holds what the sheet's
// copy steps and Apply find on every main page: the block's type code and name, the name
// edit's rules, and the "Current Parameter Value" box of pages that show a live value. A page
// never holds its block: the sheet copies the values in and out of its public members.
#pragma once

#include "pages/sheet/ValueBox.h"
#include "platform/ui/PropertyPage.h"

#include <functional>

class CBlockObj;
class CVetlaDoc;
struct SheetApplyRecord;

// Writes what a page holds beyond its bound words into a block; empty for pages without such.
using BlockWrite = std::function<void(CBlockObj&)>;

class CBlockPage : public CPropertyPage {
    DECLARE_DYNAMIC(CBlockPage)

public:
    CBlockPage(UINT nIDTemplate, int nType);

    int m_nType;
    CString m_strName;
    // The edited block's number (set by the sheet's copy-in).
    int m_nBlockNumber = -1;
    // The document whose named blocks the name edit counts (set by the sheet).
    const CVetlaDoc* m_pDocument = nullptr;
    // Simulating: pages with a live value make its box (set by the sheet).
    BOOL m_bSimulating = FALSE;
    // The sheet's main page: the sheet grows by the extra room its value box asks for.
    BOOL m_bMainPage = FALSE;

    // The live value's text; the box repaints when it changed.
    void DrawCurrentValue(const CString& strText);
    const CString& GetCurrentValueText() const { return m_valueBox.GetText(); }
    BOOL HasCurrentValueBox() const { return m_valueBox.Exists(); }
    // The room the value box needs below the sheet's strip for it.
    int ValueBoxExtraRoom() const { return m_valueBox.ExtraRoom(); }

    // What the row's int bindings cannot carry (fields of the block's own class, texts,
    // fractions, reference blocks, item lists): the page copies it from the block as the sheet
    // opens, into the block after a modal OK, and into the apply record as writers that hold
    // copies of the values, never the page. By default both writes use MakeBlockWrite.
    virtual void CopyFromBlock(const CBlockObj&) {}
    virtual void CopyToBlock(CBlockObj& block) const;
    virtual void AddToApplyRecord(SheetApplyRecord& record);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Once the page has set itself up or answered a control, the lists it shows take the room
    // their lines need (a reference's list of blocks).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    // Pages with a live value make the box in the strip the sheet added.
    virtual BOOL ShowsCurrentValue() const { return FALSE; }
    virtual ValueBoxFamily GetValueBoxFamily() const { return ValueBoxFamily::B; }
    // The one writer of what the bindings cannot carry, made of copies of the page's values;
    // bApply says which confirmation asks (some pages normalise differently for Apply).
    virtual BlockWrite MakeBlockWrite(BOOL /*bApply*/) const { return {}; }

private:
    CValueBox m_valueBox;
    CString m_strShownName;  // what the name edit held after the last change it kept
};
