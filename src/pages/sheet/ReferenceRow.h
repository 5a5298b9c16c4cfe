// CReferenceRow: a parameter that may come from another block. Its "Reference" check box swaps
// the parameter's value control for a drop-down list, made when the page opens, of the blocks
// that may serve ("B%d" and the type's name, numbered from the first function block); the row
// keeps whether the reference is used and which block it names.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CComboBox;
class CDialog;
class CVetlaDoc;

class CReferenceRow {
public:
    CReferenceRow(int nCheckID, int nValueID, UINT nComboID) : m_nCheckID(nCheckID), m_nValueID(nValueID), m_nComboID(nComboID)
    {
    }

    // The list over the value control, after it in the tab order, with the blocks the document
    // offers for the block numbered nOwnNumber; then the check box, the list and the value
    // control as m_bUse and m_nBlockNumber say. FALSE when the page lacks the controls.
    BOOL Create(CDialog& page, const CVetlaDoc* pDoc, int nOwnNumber);
    // The check box was clicked: the list or the value control shows.
    void OnCheckClicked(CDialog& page);
    // The list's choice into m_nBlockNumber: -1 without the box; the block it named when the
    // list has no choice (a referenced block the list does not offer stays referenced).
    void ReadChoice();
    // Whether the box is ticked and names a block of pDoc other than nOwnNumber: the reference
    // OK stores. A ticked box with no block found stores none.
    BOOL RefersToBlock(const CVetlaDoc* pDoc, int nOwnNumber) const;
    // The block number of a list line "B<n>...", -1 when it is none.
    static int NumberOfLine(const CString& strLine);

    BOOL m_bUse = FALSE;
    int m_nBlockNumber = -1;

private:
    void Show(CDialog& page);
    void SelectBlock();

    int m_nCheckID;
    int m_nValueID;
    UINT m_nComboID;
    CComboBox* m_pCombo = nullptr;
};
