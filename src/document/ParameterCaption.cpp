#include "document/ParameterCaption.h"

#include "document/BlockNames.h"

namespace {

struct ShortCaption {
    int nParamId;
    LPCTSTR lpszCaption;
};
constexpr ShortCaption kShortCaptions[] = {
    {19, _T("Maintenance...")}, {33, _T("...")}, {37, _T("On...")}, {38, _T("Off...")},
    {30, _T("Ax(Amplified) - Ay...")}, {12, _T("Pre-warning time")}, {13, _T("Pre-warning period")}, {77, _T("Time Z")},
};

}  // namespace

CString ParameterName(int nParamId)
{
    return nParamId >= 0 && nParamId < g_arrParameterNames.GetSize() ? g_arrParameterNames[nParamId] : CString();
}

CString ParameterCaption(int nParamId)
{
    for (const ShortCaption& caption : kShortCaptions) {
        if (caption.nParamId == nParamId)
            return caption.lpszCaption;
    }
    return ParameterName(nParamId);
}
