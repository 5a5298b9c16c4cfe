// The lists the message-text page and its dialogs offer: the blocks with an actual value, the
// actual values and parameters of a block, and the numbers their "B%d..." entries stand for.
#pragma once

#include "document/ParameterCaption.h"
#include "platform/core/String.h"

class CBlockObj;
class CComboBox;
class CVetlaDoc;
class CWidget;

// The block number an entry "B<n>..." or "B<nnnn>..." names (n + 9000); -1 for another text.
int BlockNumberOfEntry(const CString& strEntry);
// Whether the document holds a block that has an actual value to show.
bool HasActualValueBlock(const CVetlaDoc* pDoc);
// Fills the combo with the document's blocks that have an actual value ("B%d[name]") and
// selects the one of nSelectNumber.
void FillActualValueBlocks(CComboBox& combo, const CVetlaDoc* pDoc, int nSelectNumber);
// Fills the combo with the names of the actual values of the type.
void FillActualValues(CComboBox& combo, int nType);
// The block number of the combo's selected entry; -1 without a selection.
int SelectedBlockNumber(const CComboBox& combo);
// After another block was chosen in blocks: actual lists that block's actual values, the
// first one selected.
void RefillActualValues(const CComboBox& blocks, CComboBox& actual, const CVetlaDoc* pDoc);
// The parameter id of the nActual-th actual value of block nNumber, and the block; -1 (and
// null) when the block or the value is not there.
int ChosenActualValueId(const CVetlaDoc* pDoc, int nNumber, int nActual, CBlockObj** ppBlock);
// The element shows the value nParamId of the block from now on (a null element: nothing).
void BindWidgetToValue(CWidget* pWidget, int nNumber, CBlockObj* pBlock, int nParamId);
