// The checks a paste makes before it changes anything: whether the pasted wires may come along,
// whether the target's programming language and controller generation have the pasted blocks,
// and whether the program has room for them. Each answers with the text the user is shown.
#pragma once

#include "editor/DiagramClipboard.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <optional>
#include <span>

class CBlockObj;
class CVetlaDoc;

// FBD wires cannot be pasted into a ladder document; the user may paste the blocks alone.
constexpr LPCTSTR PASTE_ASK_WITHOUT_WIRES =
    _T("Cannot transfer connections from FBD to LAD.\nPaste the clipboard content without connections?");
constexpr LPCTSTR PASTE_POWER_BUS_LAD = _T("Only texts can be copied(Line connects with Power Bus cannot be copied!)");
constexpr LPCTSTR PASTE_POWER_BUS_FBD = _T("Only texts can be copied");
constexpr LPCTSTR PASTE_NOT_IN_LANGUAGE =
    _T("Insertion is not allowed.\nThe following Blocks are not available in the current programming language:\n");
constexpr LPCTSTR PASTE_NOT_IN_GENERATION = _T("Insufficient Resources to paste the blocks.\n");

enum class PasteWireVerdict {
    Keep,        // the wires come along
    AskWithout,  // ask (PASTE_ASK_WITHOUT_WIRES) whether to paste without them
    Refuse,      // refused with the text
};

struct PasteWireCheck {
    PasteWireVerdict verdict = PasteWireVerdict::Keep;
    CString strText;
};

// The wire rules between the source's and the target's document types.
PasteWireCheck CheckPasteWires(int nTargetType, const CopySource& source, BOOL bWiresPasted);

// One line "\n-<label><caption>" per pasted block the target's language lacks (FBD I/O and
// the plain logic blocks in a ladder document, ladder elements in an FBD document) and per
// ladder contact that reads a block neither pasted along nor in the target.
CString ListBlocksOutsideLanguage(const CVetlaDoc& target, std::span<CBlockObj* const> blocks);
// One line per pasted block that an older controller cannot hold, when the source is of a
// newer firmware than the older-generation target; empty otherwise.
CString ListBlocksBeyondGeneration(const CVetlaDoc& target, const CopySource& source,
                                   std::span<CBlockObj* const> blocks);
// The refusal text of the block checks (the language first); empty when the paste may go on.
CString CheckPasteBlocks(const CVetlaDoc& target, const CopySource& source, std::span<CBlockObj* const> blocks);

// The first capacity the pasted blocks would exceed: the program's (function blocks, named
// blocks, program memory), then each limited kind's; nullopt when there is room.
struct PasteCapacityRefusal {
    UINT nStringId = 0;
    CString strText;
};
std::optional<PasteCapacityRefusal> CheckPasteCapacity(const CVetlaDoc& target, std::span<CBlockObj* const> blocks);

// The program limits a paste checks.
constexpr int PROGRAM_MAX_FUNCTION_BLOCKS = 1024;
constexpr int PROGRAM_MAX_NAMED_BLOCKS = 256;
constexpr int PROGRAM_MAX_BYTES = 24576;
