#include "editor/ActiveDiagram.h"

#include "editor/VetlaView.h"

namespace {

const IDiagramFrame* g_pDiagramFrame = nullptr;

} // namespace

void SetDiagramFrame(const IDiagramFrame* pFrame) { g_pDiagramFrame = pFrame; }

CVetlaView* GetActiveVetlaView() { return g_pDiagramFrame ? g_pDiagramFrame->GetActiveDiagramView() : nullptr; }

CVetlaDoc* GetActiveVetlaDoc()
{
    const CVetlaView* pView = GetActiveVetlaView();
    return pView ? pView->GetDocument() : nullptr;
}
