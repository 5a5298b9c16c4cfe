// What the LCD canvas asks of the window that owns it. The canvas behaves differently in its
// hosts (which characters it takes, in which style it draws elements), so each host window
// implements this interface; a canvas whose owner does not is a plain table.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;
class CVetlaDoc;
struct CSimContext;

enum class LcdGridHostKind {
    Other,
    MessageTexts,      // the older message-text page: 12 x 4 cells
    MessageTextsNew,   // the newer message-text page: 24 x 4 cells, two character sets
    MsgTxtDisplay,     // the message texts during simulation
    IoStatusName,      // the I/O status name dialog
};

class ILcdGridHost {
public:
    virtual ~ILcdGridHost() = default;
    virtual LcdGridHostKind GetGridHostKind() const = 0;
    // The document of the diagram the host edits or shows; null when it has none.
    virtual CVetlaDoc* GetGridDocument() const = 0;
    // The simulation that the elements read their values under; null outside one.
    virtual const CSimContext* GetGridSimContext() const { return nullptr; }
    // The character set the newer page shows: 0 set 1, 1 set 2.
    virtual int GetShownCharSet() const { return 0; }
    // The number of the message-text block being edited, which refusals name; -1 for none.
    virtual int GetEditedBlockNumber() const { return -1; }
    // The in-place popup wrote a value that an open property sheet of the block should show.
    virtual void OnParamWritten(CBlockObj& /*block*/) {}
    // A box of the canvas runs its message loop (bRunning), or has ended. The code under the
    // loop still uses the canvas and its host: a host that may be closed meanwhile (the
    // simulation display, by the scans that go on) puts that off until the loop has ended.
    virtual void OnCanvasModalLoop(BOOL /*bRunning*/) {}
};

// The simulation display's "Details" switch: elements in the detailed style rather than as
// the LCD shows them. Not stored; on at start.
extern BOOL g_bShowMsgTextDetails;
