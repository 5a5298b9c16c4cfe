#include "document/DocumentObserver.h"

namespace {

IDocumentObserver* g_pDocumentObserver = nullptr;

} // namespace

void SetDocumentObserver(IDocumentObserver* pObserver) { g_pDocumentObserver = pObserver; }

IDocumentObserver* GetDocumentObserver() { return g_pDocumentObserver; }
