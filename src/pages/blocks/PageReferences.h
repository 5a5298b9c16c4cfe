// A block's parameter references as the pages see them: reference k is in use exactly while
// the block names a block in m_pRefBlock[k], so that a flag never stands without its block and
// a chosen block is never dropped for a flag left from the opening.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;
class CDialog;
class CReferenceRow;
class CVetlaDoc;

// Reference k of the block into the row (m_bUse, m_nBlockNumber).
void ReadReference(const CBlockObj& block, int k, CReferenceRow& row);
// The choice into reference k: the flag m_nParam[BLOCK_REF_USED_PARAM + k] is set only when
// bUse holds and the block's document has a block numbered nNumber.
void WriteReference(CBlockObj& block, int k, BOOL bUse, int nNumber);
// The row's "Reference" check box is enabled while the document offers a block to refer to.
void EnableReferenceCheck(CDialog& page, int nCheckID, const CVetlaDoc* pDoc, int nOwnNumber);
