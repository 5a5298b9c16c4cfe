// The simulated-input settings a file keeps, held while a run moves them. A run starts its
// inputs from its own values and moves them (the Inputs bar, the value popup, the start of the
// run, the fitting of a range to the blocks fed), all in the blocks' own words and the ladder
// operands' records; what a save or an undo snapshot writes during the run, and what the end of
// the run leaves, are the held settings, which only an edit made in the run changes.
#pragma once

#include "platform/core/Types.h"

#include <map>

class CBlockObj;
class CVetlaDoc;

// One simulated-input setting of a ladder operand: stored as its 20 raw bytes.
struct OperandSimRecord {
    int nKind = 0;
    int nValue = 0;
    int nMin = 0;
    int nMax = 0;
    int nMode = 0;
};
static_assert(sizeof(OperandSimRecord) == 20);

class SimInputStore {
public:
    // The start of a run: the document's settings as they are become the held ones.
    void Hold(const CVetlaDoc& doc);
    // The end of a run: the held settings go back into the document; the records only the run
    // made go.
    void Release(CVetlaDoc& doc);
    // An edit in the run wrote the input's settings (and its operand's record): those are held.
    void KeepEdit(const CVetlaDoc& doc, const CBlockObj& input);
    BOOL IsHeld() const { return m_bHeld; }

    // The held settings in the document for as long as it lives, and the run's back after it:
    // what a save or a snapshot during a run writes.
    class Exchanged {
    public:
        explicit Exchanged(CVetlaDoc& doc);
        ~Exchanged();
        Exchanged(const Exchanged&) = delete;
        Exchanged& operator=(const Exchanged&) = delete;

    private:
        CVetlaDoc& m_doc;
    };

private:
    struct InputWords {
        int nAuto;
        int nValue;
        int nMin;
        int nMax;
    };
    void Exchange(CVetlaDoc& doc);

    // Keyed by the block, looked up only for the blocks the document lists.
    std::map<const CBlockObj*, InputWords> m_inputs;
    std::map<int, OperandSimRecord> m_operands;
    // While exchanged: the records the run made, out of the document's map.
    std::map<int, OperandSimRecord> m_runOnly;
    BOOL m_bHeld = FALSE;
    BOOL m_bExchanged = FALSE;
};
