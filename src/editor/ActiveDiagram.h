// The diagram the user works in: the view of the main window's active child frame. The main
// window answers through IDiagramFrame (the shell installs its frame), so that the editor's
// commands and the palette need not know the shell's frame class; without a main window there
// is no active diagram.
#pragma once

class CVetlaDoc;
class CVetlaView;

class IDiagramFrame {
public:
    // The active child frame's diagram view; null when there is none.
    virtual CVetlaView* GetActiveDiagramView() const = 0;

protected:
    ~IDiagramFrame() = default;
};

void SetDiagramFrame(const IDiagramFrame* pFrame);

CVetlaView* GetActiveVetlaView();
// The active view's document; null without an active view.
CVetlaDoc* GetActiveVetlaDoc();
