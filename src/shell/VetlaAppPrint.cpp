#include "shell/VetlaApp.h"

#include "document/VetlaDoc.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/PrintDialog.h"

namespace {

constexpr UINT IDS_NO_PRINTER = 950;

}  // namespace

void CVetlaApp::OnFilePageSetup()
{
    if (!AfxIsPrinterInstalled()) {
        AfxMessageBox(IDS_NO_PRINTER, MB_ICONINFORMATION);
        return;
    }
    if (!AfxDoPageSetup())
        return;
    const CRect rectMargins = AfxGetPrinterSettings().rectMargins;
    for (POSITION posTemplate = GetFirstDocTemplatePosition(); posTemplate;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(posTemplate);
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc;) {
            if (auto* pDoc = dynamic_cast<CVetlaDoc*>(pTemplate->GetNextDoc(posDoc))) {
                pDoc->m_rcPageMargin = rectMargins;
                pDoc->m_rcPrintMargin = rectMargins;
            }
        }
    }
}
