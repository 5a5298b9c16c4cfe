// CView: a window that shows a document. It draws through OnDraw on a context that OnPrepareDC
// has set up, hears of document changes through OnUpdate, and is first in the command routing:
// its own handlers, then its document's. A view is made by its frame from the creation
// context's class and deletes itself when its window is destroyed.
#pragma once

#include "platform/ui/Wnd.h"

class CDocument;
class CFrameWnd;
class PixelBuffer;
struct CPrintInfo;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)

public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // The frame holding the view (the child frame in an MDI application); null when none.
    CFrameWnd* GetParentFrame() const;

    // Draws the document; pDC is prepared by OnPrepareDC.
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // After the frame is made and before it shows: by default OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    // The document changed (UpdateAllViews); by default the whole view is repainted.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // The view became (bActivate) or stopped being the frame's active view.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    // The view's own map, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CDocument* m_pDocument = nullptr;

    // The print loop (ViewPrint.cpp), for ID_FILE_PRINT and ID_FILE_PRINT_DIRECT (no dialog) in
    // a view's map: prepare, begin, then for each page OnPrepareDC and OnPrint, then end.
    void OnFilePrint() { DoFilePrint(); }
    // TRUE when the job was printed; FALSE when cancelled or when the printer failed (the user
    // has been told).
    BOOL DoFilePrint();
    // The print preview (ID_FILE_PRINT_PREVIEW): the same job shown in a window of its own, each
    // page drawn into a picture of the size it shows in as it is shown (the page count must be
    // known once OnBeginPrinting has run); its "Print..." sends ID_FILE_PRINT to the view.
    void OnFilePrintPreview() { DoFilePrintPreview(); }
    // TRUE when the preview was shown.
    BOOL DoFilePrintPreview();

protected:
    // By default DoPreparePrinting: a view sets the page range first.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // Asks for the printer (the dialog, or the default printer when printing direct); FALSE
    // when cancelled or when there is no printer.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // By default OnDraw.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // One job on a prepared printer context: begin, the pages of the range, end.
    enum class PrintJobResult { Printed, NotStarted, Failed };
    PrintJobResult RunPrintJob(CDC& dcPrint, CPrintInfo& printInfo);

private:
    // The current page of the job: OnPrepareDC, then OnPrint between StartPage and EndPage.
    enum class PageResult { Printed, Stopped, Failed };
    PageResult PrintOnePage(CDC& dcPrint, CPrintInfo& printInfo);
    // The current page of a preview into a picture of the whole sheet at that size, drawn at that
    // resolution in the sheet's printable part.
    BOOL DrawPreviewPage(CPrintInfo& printInfo, CSize sizePicture, const CRect& rcPrintable, int nDpi,
                         PixelBuffer& picture);

protected:

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    void PostNcDestroy() override;
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};

// Connects documents to the window layer (views, frames, templates, the recent-file list);
// the layer's classes call it when they are made, so it runs before any document needs it.
void AfxInstallDocumentWindowOps();
