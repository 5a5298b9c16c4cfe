// IBlockDocument: what a block, a wire or a message-text element sees of the document that
// holds it. The document (CVetlaDoc) implements it; the elements hold it rather than the whole
// document, so that they reach no more of it than this.
#pragma once

#include "platform/core/Document.h"
#include "platform/core/ObList.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <vector>

class CArchive;
class CBlockObj;
class CConnectLineObj;
class IBlockNumberIndex;

class IBlockDocument {
public:
    virtual BOOL IsLadder() const = 0;
    virtual WORD GetHardwareCode() const = 0;
    // The character set a new message text starts with.
    virtual int GetDefaultCharSet() const = 0;

    // The element lists, in their stored order.
    virtual const CObList& Blocks() const = 0;
    virtual const CObList& Lines() const = 0;
    // The ladder power rail: empty in a function block diagram.
    virtual const CObList& PowerRails() const = 0;

    virtual CBlockObj* FindBlockByNumber(int nNumber) const = 0;
    // The blocks numbered nFirst to nLast in list order.
    virtual std::vector<CBlockObj*> FindBlocksInNumberRange(int nFirst, int nLast) const = 0;
    // The index of a scan or a load while one lives, else null.
    virtual const IBlockNumberIndex* GetNumberIndex() const = 0;
    virtual CConnectLineObj* FindLineToConnector(CBlockObj* pConnector) const = 0;
    virtual CString GetBlockLabel(CBlockObj* pBlock) const = 0;
    // The comment of a ladder operand; FALSE for none.
    virtual BOOL LookupOperandComment(int nOperand, CString& strComment) const = 0;

    // The changes an element makes: a ladder element that goes takes its operand's comment
    // with it when no other element uses the operand.
    virtual void RemoveOperandComment(int nOperand) = 0;
    // At the start of a simulation run, a ladder contact's simulated input starts at its
    // minimum again: always, or (bFrequencyOnly) when it is a frequency input.
    virtual void RestartOperandInput(int nOperand, bool bFrequencyOnly) = 0;
    // At the start of a run, an analog input takes the simulated range that the blocks it
    // feeds give it (the document's walk downstream), its value held to that range, and the
    // raw level of that value as what it passes on.
    virtual void RefreshSimInputSettings(CBlockObj& input) = 0;

protected:
    ~IBlockDocument() = default;
};

// The kind of document that holds elements, so that an element being loaded can tell whether
// the archive reads into one.
class CBlockDocument : public CDocument, public IBlockDocument {
    DECLARE_DYNAMIC(CBlockDocument)
};

// The document a loaded block, wire or message-text element belongs to, as the elements see it;
// null when the archive's document is none or holds no elements.
IBlockDocument* ArchiveBlockDocument(CArchive& ar);
