// IDocumentObserver: what the shell shows of the documents, told by the documents themselves:
// how many are open (the information window and the status bar's controls follow the first and
// the last), the settings a new document takes from the shell (the kind of the next new
// document, "Show at new file"), the hardware series of an opened document, and a reload of a
// document's contents by Undo or Redo (its view's extent and message-text slots). The main frame
// is the observer while it is the application's main frame; without one (tests, tools)
// documents stand alone.
#pragma once

class CVetlaDoc;

class IDocumentObserver {
public:
    // A new document (not one made only to try a load on) was made.
    virtual void OnDocumentCreated(CVetlaDoc& doc) = 0;
    // A document that OnDocumentCreated saw is going away.
    virtual void OnDocumentDestroyed(CVetlaDoc& doc) = 0;
    // An opened document's hardware series is the one to show.
    virtual void OnHardwareSeriesChanged(CVetlaDoc& doc) = 0;
    // Undo or Redo replaced the document's contents.
    virtual void OnContentsReloaded(CVetlaDoc& doc) = 0;

protected:
    ~IDocumentObserver() = default;
};

// The observer new documents report to; null for none.
void SetDocumentObserver(IDocumentObserver* pObserver);
IDocumentObserver* GetDocumentObserver();
