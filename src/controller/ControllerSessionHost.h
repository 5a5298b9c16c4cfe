// IControllerSessionHost: what the controller session needs of the window that runs it: the
// information window, the progress window, the password dialog, the choice of a port, the
// document in front and the opening of an uploaded program. The main frame implements it; tests
// drive a session with a host of their own.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CVetlaCoreRule;
class CVetlaDoc;

class IControllerSessionHost {
public:
    virtual ~IControllerSessionHost() = default;

    // Complete lines (each ending in "\n") for the information window.
    virtual void LogText(const CString& strText) = 0;
    // Kind 2: the progress window (made when needed) at nPercent, gone from 100 on; -1 ends it.
    virtual void SetProgress(int nKind, int nPercent) = 0;
    // The password dialog: IDOK with the characters' low bytes in pBuffer, or IDCANCEL.
    virtual int AskPassword(BYTE* pBuffer) = 0;
    // Lets the user choose the port (an operation asks when none is configured).
    virtual void ConfigurePort() = 0;
    // The document of the active diagram; null when there is none.
    virtual CVetlaDoc* ActiveDocument() const = 0;
    // An upload read the whole program: its image is decoded into a new document.
    virtual void OpenUploadedProgram(CVetlaCoreRule& codec) = 0;
};
