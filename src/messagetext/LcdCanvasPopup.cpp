// The in-place parameter popup of the simulation display, as the canvas opens and closes it.
#include "messagetext/LcdCanvas.h"

#include "messagetext/InPlaceParamDlg.h"

BOOL CLcdCanvas::ShowObjectPopup()
{
    if (m_pParamPopup)
        return TRUE;
    auto* pPopup = new CInPlaceParamDlg(this);
    m_pParamPopup = pPopup;
    if (!pPopup->Open()) {
        m_pParamPopup = nullptr;
        delete pPopup;
        return FALSE;
    }
    return TRUE;
}

void CLcdCanvas::CloseObjectPopup(BOOL bApply)
{
    CInPlaceParamDlg* pPopup = m_pParamPopup;
    if (!pPopup)
        return;
    // Cleared first: a refusal's message box or the window's end must not reach it again.
    m_pParamPopup = nullptr;
    pPopup->ApplyValue(bApply);
    pPopup->DestroyWindow();
}
