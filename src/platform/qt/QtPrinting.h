// Printing on Qt: the window layer's printing backend over QPrinterInfo (is a printer
// installed, the default printer), QPrintDialog (the print dialog, its page range and copies)
// and QPrinter, whose pages a QPainterSurface draws. The printer makes the copies itself.
#pragma once

#include "platform/core/String.h"
#include "platform/gdi/DC.h"

#include <memory>

// Installs the backend (AfxSetPrintBackend). Needs the application object of InitQtBackend.
void InitQtPrinting();
// Removes it again: no printer is installed.
void ShutdownQtPrinting();
// A printer that writes its pages to a PDF file: printing to a file.
std::unique_ptr<PrinterDevice> MakeQtPdfPrinter(const CString& strPath);
