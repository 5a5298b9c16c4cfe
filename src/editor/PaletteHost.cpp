#include "editor/PaletteHost.h"

#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

IPaletteHost* AfxGetPaletteHost()
{
    return dynamic_cast<IPaletteHost*>(AfxGetMainWnd());
}
