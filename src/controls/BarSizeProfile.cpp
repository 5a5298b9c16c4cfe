#include "controls/BarSizeProfile.h"

#include "platform/ui/WinApp.h"
#include "platform/ui/WindowPlacement.h"

#include <algorithm>

namespace {

struct SizeEntry {
    LPCTSTR lpszCX;
    LPCTSTR lpszCY;
    CSize* BarSizes::*pSize;
    CSize BarSizes::*pMin;
};

const SizeEntry kSizeEntries[] = {
    {_T("sizeHorzCX"), _T("sizeHorzCY"), &BarSizes::pHorz, &BarSizes::szMinHorz},
    {_T("sizeVertCX"), _T("sizeVertCY"), &BarSizes::pVert, &BarSizes::szMinVert},
    {_T("sizeFloatCX"), _T("sizeFloatCY"), &BarSizes::pFloat, &BarSizes::szMinFloat},
};

}  // namespace

CString BarProfileSection(LPCTSTR lpszProfileName, int nID)
{
    CString strSection;
    strSection.Format(_T("%s-SCBar-%d"), lpszProfileName, nID);
    return strSection;
}

CSize ClampBarSize(CSize size, CSize sizeMin)
{
    const CRect rcScreen = AfxGetScreenArea();
    const int cxMax = std::max(rcScreen.Width(), sizeMin.cx);
    const int cyMax = std::max(rcScreen.Height(), sizeMin.cy);
    return CSize(std::clamp(size.cx, sizeMin.cx, cxMax), std::clamp(size.cy, sizeMin.cy, cyMax));
}

BOOL LoadBarSizes(LPCTSTR lpszProfileName, int nID, const BarSizes& sizes)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    const CString strSection = BarProfileSection(lpszProfileName, nID);
    for (const SizeEntry& entry : kSizeEntries) {
        CSize& size = *(sizes.*entry.pSize);
        // The profile hands back what it holds as unsigned; a damaged value may be any int.
        const CSize stored(int(pApp->GetProfileInt(strSection, entry.lpszCX, size.cx)),
                           int(pApp->GetProfileInt(strSection, entry.lpszCY, size.cy)));
        size = ClampBarSize(stored, sizes.*entry.pMin);
    }
    return TRUE;
}

BOOL SaveBarSizes(LPCTSTR lpszProfileName, int nID, const BarSizes& sizes)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    const CString strSection = BarProfileSection(lpszProfileName, nID);
    BOOL bWritten = TRUE;
    for (const SizeEntry& entry : kSizeEntries) {
        const CSize& size = *(sizes.*entry.pSize);
        bWritten &= pApp->WriteProfileInt(strSection, entry.lpszCX, size.cx);
        bWritten &= pApp->WriteProfileInt(strSection, entry.lpszCY, size.cy);
    }
    return bWritten;
}
