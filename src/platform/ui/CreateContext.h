// CCreateContext: what a frame needs to make the view of a document when it is created: the
// view's class, the document it shows, and the template and frame involved.
#pragma once

struct CRuntimeClass;
class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
