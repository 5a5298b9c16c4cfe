// qarvo-editor: starts the Qt backend of the window layer (the toolkit's application object,
// windows, menus, message boxes, dialogs, printers and tool tips), then the application object, whose
// InitInstance builds the main window and whose Run is the message loop.
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtPrinting.h"
#include "platform/qt/QtTipWindows.h"
#include "shell/VetlaApp.h"

int main(int argc, char* argv[])
{
    InitQtBackend(argc, argv);
    InitQtMenus();
    InitQtDialogServices();
    InitQtPrinting();
    InitQtTipWindows();
    int nExitCode = 1;
    {
        CVetlaApp theApp;
        theApp.SetCommandLineArgs(argc, argv);
        if (theApp.InitInstance())
            nExitCode = theApp.Run();
        else
            theApp.ExitInstance();
    }
    ShutdownQtTipWindows();
    ShutdownQtPrinting();
    ShutdownQtDialogServices();
    ShutdownQtMenus();
    ShutdownQtBackend();
    return nExitCode;
}
