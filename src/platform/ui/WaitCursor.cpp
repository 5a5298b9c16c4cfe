#include "platform/ui/WaitCursor.h"

#include "platform/ui/Cursor.h"

namespace {

struct WaitState {
    int nCount = 0;
    HCURSOR hBefore = nullptr;
};

WaitState& State()
{
    static WaitState s_state;
    return s_state;
}

}  // namespace

CWaitCursor::CWaitCursor()
{
    if (State().nCount++ == 0)
        State().hBefore = SetCursor(AfxLoadStandardCursor(IDC_WAIT));
}

CWaitCursor::~CWaitCursor()
{
    if (--State().nCount == 0)
        SetCursor(State().hBefore);
}

void CWaitCursor::Restore() { SetCursor(AfxLoadStandardCursor(IDC_WAIT)); }

int CWaitCursor::GetWaitCount() { return State().nCount; }
