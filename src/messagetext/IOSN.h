// CIOSN ("I/O status name"): the I/O point or function-block output an I/O status name element
// watches, and the two names of up to 8 characters the LCD shows for its FALSE and TRUE state,
// typed into a 2 x 8 grid. The entries name points by number; choosing one selects by number,
// so that no entry hides another.
#pragma once

#include "blocks/Widget.h"
#include "messagetext/LcdCanvas.h"
#include "platform/ui/Dialog.h"

class CVetlaDoc;

// The number an entry of the I/O list names (I101 -> 133, Q012 -> 612, M005 -> 1321, F2 ->
// 1302, S1.2 -> 1018, B0003... -> 9003); -1 for a text that names none.
int IoNumberOfEntry(const CString& strEntry);
// The entry of a point of an I/O type (index of the type list) and number.
CString IoEntry(int nTypeIndex, int nNumber, const CBlockObj* pBlock);

class CIOSN : public CDialog, public ILcdGridHost {
    DECLARE_DYNAMIC(CIOSN)

public:
    explicit CIOSN(CVetlaDoc* pDoc, CWnd* pParent = nullptr);

    int m_nCharSet = -1;
    int m_nNumber = -1;
    CWidget* m_pWidget = nullptr;
    int m_nIOType = 0;
    int m_nIOItem = -1;
    CString m_strNames[WIDGET_NAME_ROWS][WIDGET_NAME_COLUMNS];
    CLcdCanvas m_grid;

    LcdGridHostKind GetGridHostKind() const override { return LcdGridHostKind::IoStatusName; }
    CVetlaDoc* GetGridDocument() const override { return m_pDoc; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void OnSelchangeIOType();
    int TypeIndexOfWidget() const;

    CVetlaDoc* m_pDoc;
};
