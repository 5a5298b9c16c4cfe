// The simulation's "Message texts" display as the diagram view knows it. The display (a sheet of
// LCD pages) lives in the message-text library, which the editor does not link: the view reaches
// it through ISimMessageDisplay, made by the factory that the program installs at start, and
// the display reaches the view through ISimMessageDisplayHost.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;
class CVetlaDoc;
class CWnd;
struct CSimContext;

class ISimMessageDisplayHost {
public:
    virtual CVetlaDoc* GetDisplayDocument() const = 0;
    // The simulation that the elements show their values under, as of the last scan.
    virtual const CSimContext* GetDisplaySimContext() const = 0;
    // The display's parent window; null for none (the main window).
    virtual CWnd* GetDisplayParent() = 0;
    // An open property sheet of the block shows its new value.
    virtual void RefreshBlockValues(CBlockObj& block) = 0;
    // The analog value popup of the diagram closes.
    virtual void CloseValuePopup() = 0;
    // The window is the diagram's analog value popup.
    virtual BOOL IsValuePopup(const CWnd* pWnd) const = 0;
    // The display is gone for the host: its window destroyed (the display deletes itself right
    // after), or hidden until a box of its pages has closed, when it never calls the host again.
    virtual void OnDisplayDestroyed() = 0;

protected:
    ~ISimMessageDisplayHost() = default;
};

class ISimMessageDisplay {
public:
    // A message came on (MSGTEXT_EVENT_ON) or went off (MSGTEXT_EVENT_OFF): the page to show is
    // chosen again.
    virtual void SelectShownMessagePage(int nBlockNumber, int nEvent) = 0;
    // Destroys the window; the display tells its host and deletes itself. While a box of one of
    // its pages is up it hides and tells its host at once, and goes once the box has.
    virtual void DestroyDisplay() = 0;

protected:
    ~ISimMessageDisplay() = default;
};

// Makes and shows the display for the host's document; null when its window could not be made.
using SimMessageDisplayFactory = ISimMessageDisplay* (*)(ISimMessageDisplayHost& host);
void InstallSimMessageDisplay(SimMessageDisplayFactory factory);
// Null when no factory is installed or the display could not be made.
ISimMessageDisplay* CreateSimMessageDisplay(ISimMessageDisplayHost& host);
