// The common services of the window layer shown with Qt: message boxes (QMessageBox), the modal
// loop of dialogs (Qt's event loop turning until the dialog ends) and the clipboard (mirrored to
// QClipboard: the text as text, every other format under a MIME type of its own,
// "application/x-qarvo-<format name>") and the help pages (handed to the desktop's browser by
// QDesktopServices). The file dialogs are QtMenus' (InitQtMenus).
#pragma once

// Installs the four and the controls' views (InitQtControls). Call after InitQtBackend.
void InitQtDialogServices();
// Removes them again (tests restore the headless behaviour).
void ShutdownQtDialogServices();
