// CWaitCursor: the hourglass for as long as the object lives. Nested waits keep it until the
// outermost ends; then the cursor shown before the first comes back.
#pragma once

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the hourglass again (after a message box or a dialog changed the cursor).
    void Restore();
    // How many waits are running.
    static int GetWaitCount();
};
