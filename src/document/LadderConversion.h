// Turning a ladder (LAD) diagram into the function-block (FBD) diagram the controller runs: the
// contacts become the inputs, flags, constants and blocks they name, series contacts AND gates,
// parallel branches OR gates, break contacts negated inputs and inverted outputs NOT gates; the
// coils become outputs and flags; the ladder's function blocks come along as they are. The
// result is laid out in columns and wired from its pin tables (LadderLayout.h).
//
// The conversion first builds the whole diagram apart from any document and checks it against
// the program's limits, so that a ladder that cannot be converted is refused before a new
// document exists, and a converted one goes into its document in one step.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <memory>
#include <unordered_map>
#include <vector>

class CBlockObj;
class CVetlaDoc;

// The limits of a converted program, the same as those of a program drawn by hand.
constexpr int CONVERTED_MAX_FUNCTION_BLOCKS = 1024;
constexpr int CONVERTED_MAX_PROGRAM_BYTES = 24576;

class CLadderConversion {
public:
    // Converts the ladder document (which is only read). A refusal names the limit exceeded.
    explicit CLadderConversion(const CVetlaDoc& ladder);
    ~CLadderConversion();

    CLadderConversion(const CLadderConversion&) = delete;
    CLadderConversion& operator=(const CLadderConversion&) = delete;

    BOOL IsRefused() const { return !m_strRefusal.IsEmpty(); }
    const CString& GetRefusal() const { return m_strRefusal; }

    // The converted blocks in the order the scan should step them, not yet in any document.
    const std::vector<std::unique_ptr<CBlockObj>>& Blocks() const { return m_blocks; }

    // Moves the converted diagram into an empty FBD document: the blocks, laid out in columns
    // and wired, the ladder's hardware and the message-text elements pointed at the new blocks.
    // FALSE, with the document untouched, when the conversion was refused or has been put
    // into a document already.
    BOOL PutInto(CVetlaDoc& fbd);

private:
    friend class LadderConverter;

    const CVetlaDoc& m_ladder;
    std::vector<std::unique_ptr<CBlockObj>> m_blocks;
    // The ladder elements' numbers and the numbers of the blocks that stand for them.
    std::unordered_map<int, int> m_renumbered;
    CString m_strRefusal;
    BOOL m_bPut = FALSE;
};
