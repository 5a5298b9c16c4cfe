#include "blocks/BlockLadder.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockTypes.h"
#include "platform/core/Archive.h"
#include "platform/core/ObList.h"

#include <algorithm>
#include <unordered_set>

IMPLEMENT_SERIAL(CBlockMake, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockBreak, CBlockMake, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockAContact, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockRelayCoil, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockInvOut, CBlockRelayCoil, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockAOutLAD, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

// Every ladder element has one input pin.
constexpr int kLadderInputs = 1;
// The analog elements announce an actual value to the message texts.
constexpr BYTE kAnalogCapFlags = 0x2F;

// Inputs, shift bits and the two status ranges.
constexpr OperandRange kContactOperands[] = {{100, 355}, {1000, 1063}, {1870, 2869}, {2900, 3899}};
// Analog inputs.
constexpr OperandRange kAContactOperands[] = {{4000, 4127}};
// Outputs, flags and open connectors.
constexpr OperandRange kCoilOperands[] = {{600, 727}, {1316, 1827}, {4800, 4927}};
// Analog outputs and analog flags.
constexpr OperandRange kAOutOperands[] = {{4230, 4261}, {4288, 4799}};

const OperandCommentRule kContactRule{kContactOperands, nullptr};
const OperandCommentRule kAContactRule{kAContactOperands, nullptr};
const OperandCommentRule kCoilRule{kCoilOperands, nullptr};
// Only another LAD analog output keeps an analog output's comment.
const OperandCommentRule kAOutRule{kAOutOperands, RUNTIME_CLASS(CBlockAOutLAD)};

bool InRanges(std::span<const OperandRange> ranges, int nOperand)
{
    for (const OperandRange& range : ranges) {
        if (nOperand >= range.nFirst && nOperand <= range.nLast)
            return true;
    }
    return false;
}

bool IsOperandUsed(const IBlockDocument& doc, int nOperand, const CRuntimeClass* pUserClass)
{
    for (POSITION pos = doc.Blocks().GetHeadPosition(); pos;) {
        const CObject* pObject = doc.Blocks().GetNext(pos);
        if (!pObject || !pObject->IsKindOf(RUNTIME_CLASS(CBlockObj)))
            continue;
        if (pUserClass && !pObject->IsKindOf(pUserClass))
            continue;
        if (static_cast<const CBlockObj*>(pObject)->m_nOperand == nOperand)
            return true;
    }
    return false;
}

// The element classes whose comment check DetachForDeletingAll takes over, by their own
// records, so that the walk costs the blocks of a diagram without elements a compare or two.
// An object of a class derived from one of them keeps its own check, which gives the same.
bool IsKnownElementClass(const CRuntimeClass* pClass)
{
    static const CRuntimeClass* const kClasses[] = {RUNTIME_CLASS(CBlockMake),      RUNTIME_CLASS(CBlockBreak),
                                                    RUNTIME_CLASS(CBlockAContact),  RUNTIME_CLASS(CBlockRelayCoil),
                                                    RUNTIME_CLASS(CBlockInvOut),    RUNTIME_CLASS(CBlockAOutLAD)};
    return std::ranges::find(kClasses, pClass) != std::end(kClasses);
}

}  // namespace

std::vector<int> CLadderElement::DetachForDeletingAll(CObList& blocks, const IBlockDocument* pDoc)
{
    const auto elementOf = [pDoc](CObject* pObject) -> CLadderElement* {
        if (pDoc == nullptr || pObject == nullptr || !IsKnownElementClass(pObject->GetRuntimeClass()))
            return nullptr;
        auto* pElement = static_cast<CLadderElement*>(static_cast<CBlockObj*>(pObject));
        return pElement->GetDocument() == pDoc ? pElement : nullptr;
    };
    // Most diagrams hold no element: they pay one class walk per block and nothing more.
    std::vector<const CRuntimeClass*> userClasses;
    bool bAnyElement = false;
    for (POSITION pos = blocks.GetHeadPosition(); pos;) {
        if (const CLadderElement* pElement = elementOf(blocks.GetNext(pos))) {
            bAnyElement = true;
            const CRuntimeClass* pUserClass = pElement->m_rule.pUserClass;
            if (pUserClass && std::ranges::find(userClasses, pUserClass) == userClasses.end())
                userClasses.push_back(pUserClass);
        }
    }
    std::vector<int> freed;
    if (!bAnyElement)
        return freed;

    // The operands of the blocks after the one at hand: of every block, and of each user class.
    std::unordered_set<int> usedAfter;
    std::vector<std::unordered_set<int>> usedAfterByClass(userClasses.size());
    for (POSITION pos = blocks.GetTailPosition(); pos;) {
        CObject* pObject = blocks.GetPrev(pos);
        if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CBlockObj)))
            continue;
        const int nOperand = static_cast<CBlockObj*>(pObject)->m_nOperand;
        if (CLadderElement* pElement = elementOf(pObject)) {
            pElement->SetDocument(nullptr);
            const OperandCommentRule& rule = pElement->m_rule;
            const auto nClass = std::ranges::find(userClasses, rule.pUserClass) - userClasses.begin();
            const std::unordered_set<int>& used = rule.pUserClass ? usedAfterByClass[std::size_t(nClass)] : usedAfter;
            if (InRanges(rule.ranges, nOperand) && !used.contains(nOperand))
                freed.push_back(nOperand);
        }
        usedAfter.insert(nOperand);
        for (std::size_t i = 0; i < userClasses.size(); ++i) {
            if (pObject->IsKindOf(userClasses[i]))
                usedAfterByClass[i].insert(nOperand);
        }
    }
    return freed;
}

CLadderElement::CLadderElement(const OperandCommentRule& rule) : m_rule(rule) {}

CLadderElement::CLadderElement(int nType, const OperandCommentRule& rule)
    : CBlockObj(nType, kLadderInputs), m_rule(rule)
{
}

CLadderElement::~CLadderElement()
{
    IBlockDocument* pDoc = GetDocument();
    if (!pDoc || !InRanges(m_rule.ranges, m_nOperand))
        return;
    if (!IsOperandUsed(*pDoc, m_nOperand, m_rule.pUserClass))
        pDoc->RemoveOperandComment(m_nOperand);
}

CBlockMake::CBlockMake() : CLadderElement(kContactRule) {}
CBlockMake::CBlockMake(int nType) : CLadderElement(nType, kContactRule) {}

CBlockBreak::CBlockBreak() = default;
CBlockBreak::CBlockBreak(int nType) : CBlockMake(nType) {}

CBlockAContact::CBlockAContact() : CLadderElement(kAContactRule)
{
    m_nCapFlags = kAnalogCapFlags;
}
CBlockAContact::CBlockAContact(int nType) : CLadderElement(nType, kAContactRule)
{
    m_nCapFlags = kAnalogCapFlags;
}

// A coil ends its rung: it has no output pin.
CBlockRelayCoil::CBlockRelayCoil() : CLadderElement(kCoilRule)
{
    m_nOutputs = 0;
}
CBlockRelayCoil::CBlockRelayCoil(int nType) : CLadderElement(nType, kCoilRule)
{
    m_nOutputs = 0;
}

CBlockInvOut::CBlockInvOut() = default;
CBlockInvOut::CBlockInvOut(int nType) : CBlockRelayCoil(nType) {}

CBlockAOutLAD::CBlockAOutLAD() : CLadderElement(kAOutRule)
{
    m_nCapFlags = kAnalogCapFlags;
}
CBlockAOutLAD::CBlockAOutLAD(int nType) : CLadderElement(nType, kAOutRule)
{
    m_nCapFlags = kAnalogCapFlags;
}
