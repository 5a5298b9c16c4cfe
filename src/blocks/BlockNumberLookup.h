// What a block asks of the index by number that a scan or a load keeps while it runs
// (CBlockNumberIndex of the document), and the lookups of a wire's source that use it when it
// lives and the document's list when it does not.
#pragma once

#include "platform/core/Types.h"

#include <vector>

class CBlockObj;
class IBlockDocument;

class IBlockNumberIndex {
public:
    virtual CBlockObj* Find(int nNumber) const = 0;
    // The output state that a wire from block nNumber carries (for a Female, that of the block
    // that feeds its pair); false when no block has the number.
    virtual bool FindOutput(int nNumber, int* pState) const = 0;
    // The analog value that a wire from block nNumber carries, across a pair likewise.
    virtual void FindValue(int nNumber, WORD* pValue) const = 0;
    // The make and break contacts (and kinds of them) that read nOperand, in list order.
    virtual const std::vector<CBlockObj*>& ContactsOn(int nOperand) const = 0;
    // In a ladder document, the blocks at the far end of every wire into input nPin of pBlock
    // when more than one wire ends there (parallel branches of a rung); NULL for a pin with
    // one wire or none, which reads its pin source alone.
    virtual const std::vector<CBlockObj*>* ParallelFeeds(const CBlockObj* pBlock, int nPin) const = 0;

protected:
    ~IBlockNumberIndex() = default;
};

// The output state that a wire from block nNumber carries in pDoc; false when pDoc is null or
// holds no block of that number.
bool FindOutputState(const IBlockDocument* pDoc, int nNumber, int* pState);
// The analog value that a wire from block nNumber carries in pDoc (see InputValue.h), likewise;
// *pValue stays as it was when there is no such block.
void FindInputValue(const IBlockDocument* pDoc, int nNumber, WORD* pValue);
