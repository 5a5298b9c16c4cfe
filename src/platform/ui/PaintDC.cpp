#include "platform/ui/PaintDC.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) { pWnd->BeginPaintOn(*this, m_ps); }

CPaintDC::~CPaintDC() { m_pWnd->EndPaintOn(*this); }
