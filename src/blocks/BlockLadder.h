// The ladder (LAD) elements: make and break contacts, the analog contact, relay coil and
// inverted output, and the LAD analog output. What each reads or writes is its operand (the
// block number of an input, output, flag or other element). An element that goes keeps the
// document's operand comment map free of comments no element uses any more.
#pragma once

#include "blocks/BlockObj.h"

#include <span>
#include <vector>

class CObList;

struct OperandRange {
    int nFirst;
    int nLast;
};

// Which operands an element class keeps a comment alive for, and which elements of the
// document still count as users of the same operand (null: every element).
struct OperandCommentRule {
    std::span<const OperandRange> ranges;
    const CRuntimeClass* pUserClass;
};

// The shared part of the ladder elements. It is no class of its own to the run-time class
// records: each element's base there is CBlockObj, as the stored files and the kind tests
// expect.
class CLadderElement : public CBlockObj {
public:
    // Emptying a document's block list deletes its blocks head first, and each element of the
    // document asked, as it went, whether a block after it still used its operand: a walk of
    // the rest of the list per element made emptying a large ladder diagram quadratic. This
    // answers them in one walk from the tail and returns the operands whose comments their
    // destructors would have removed; those elements (pDoc's, of the element classes
    // themselves) are detached from it, so that the caller, which deletes every block next,
    // removes the comments itself. The others keep their own check.
    static std::vector<int> DetachForDeletingAll(CObList& blocks, const IBlockDocument* pDoc);

protected:
    explicit CLadderElement(const OperandCommentRule& rule);
    CLadderElement(int nType, const OperandCommentRule& rule);
    // Removes the comment of the operand when it lies in the rule's ranges and no element of
    // the block's document uses the operand any more. The element has left the list by then.
    ~CLadderElement() override;

private:
    const OperandCommentRule& m_rule;
};

class CBlockMake : public CLadderElement {
    DECLARE_SERIAL(CBlockMake)

public:
    CBlockMake();
    explicit CBlockMake(int nType);

    void DrawSymbol(CDC* pDC) const override;

    // On a change of its input the contact passes it on while it is closed
    // (m_nContactState); the operand closes and opens it through UpdateLadderContacts.
    BOOL Simulate(const CSimContext* pSim) override;
    // Closed where its operand is on: a make contact on "High", a break contact on
    // anything else. An operand whose simulated input is a frequency starts at its minimum.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // The frame of a contact: stubs, the body in the colour of the contact's own state during
    // a simulation, the symbol, the operand label just above the body, the comment.
    void Draw(const CSimContext* pSim, CDC* pDC, BOOL bFlag, COLORREF crColor) override;
    // The bit its operand names when that lies among the shift register bits.
    int ShiftBitRead() const override;
};

class CBlockBreak : public CBlockMake {
    DECLARE_SERIAL(CBlockBreak)

public:
    CBlockBreak();
    explicit CBlockBreak(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockAContact : public CLadderElement {
    DECLARE_SERIAL(CBlockAContact)

public:
    CBlockAContact();
    explicit CBlockAContact(int nType);

    void DrawSymbol(CDC* pDC) const override;

    // Reads its input when it has one; its value is its operand's (CBlockObj::GetInputValue).
    BOOL Simulate(const CSimContext* pSim) override;
    // An open input reads as 1; the operand's simulated input starts at its minimum; value 0.
    void ResetForRun(const SYSTEMTIME& stNow) override;
};

class CBlockRelayCoil : public CLadderElement {
    DECLARE_SERIAL(CBlockRelayCoil)

public:
    CBlockRelayCoil();
    explicit CBlockRelayCoil(int nType);

    void DrawSymbol(CDC* pDC) const override;

    // Takes its input on a change (the inverted output its inverse) and sets the contacts
    // that name the coil; a coil on an open connector X does nothing.
    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockInvOut : public CBlockRelayCoil {
    DECLARE_SERIAL(CBlockInvOut)

public:
    CBlockInvOut();
    explicit CBlockInvOut(int nType);

    void DrawSymbol(CDC* pDC) const override;

    // Starts on, unless it drives an open connector.
    void ResetForRun(const SYSTEMTIME& stNow) override;
};

class CBlockAOutLAD : public CLadderElement {
    DECLARE_SERIAL(CBlockAOutLAD)

public:
    CBlockAOutLAD();
    explicit CBlockAOutLAD(int nType);

    void DrawSymbol(CDC* pDC) const override;

    // Keeps its input's value in m_nHeldValue as a signed word and marks pin 0 changed when it
    // differs from the last.
    BOOL Simulate(const CSimContext* pSim) override;
    // Starts at value 0.
    void ResetForRun(const SYSTEMTIME& stNow) override;
};
