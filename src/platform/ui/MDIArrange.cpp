#include "platform/ui/MDIArrange.h"

#include <algorithm>
#include <cmath>

std::vector<CRect> CascadeRects(int nCount, CSize area, int nStep)
{
    std::vector<CRect> rects;
    if (nCount <= 0 || nStep <= 0)
        return rects;
    // As many steps as leave a frame of at least half the area.
    const int nMaxSteps = std::max(0, std::min(area.cx / 2 / nStep, area.cy / 2 / nStep));
    const int nSteps = std::min(nCount - 1, nMaxSteps);
    const CSize size(area.cx - nSteps * nStep, area.cy - nSteps * nStep);
    for (int i = 0; i < nCount; ++i) {
        const int nAt = (i % (nSteps + 1)) * nStep;
        rects.emplace_back(nAt, nAt, nAt + size.cx, nAt + size.cy);
    }
    return rects;
}

std::vector<CRect> TileRects(int nCount, CSize area, bool bHorz)
{
    std::vector<CRect> rects;
    if (nCount <= 0)
        return rects;
    const int nLines = std::max(1, int(std::sqrt(double(nCount))));
    const int nBase = nCount / nLines;
    const int nExtra = nCount % nLines;
    // Along the lines (columns when bHorz) and across them, as if the area were upright.
    const int nAcross = bHorz ? area.cx : area.cy;
    const int nAlong = bHorz ? area.cy : area.cx;
    for (int nLine = 0; nLine < nLines; ++nLine) {
        const int nInLine = nBase + (nLine >= nLines - nExtra ? 1 : 0);
        const int a0 = nAcross * nLine / nLines;
        const int a1 = nAcross * (nLine + 1) / nLines;
        for (int k = 0; k < nInLine; ++k) {
            const int b0 = nAlong * k / nInLine;
            const int b1 = nAlong * (k + 1) / nInLine;
            rects.push_back(bHorz ? CRect(a0, b0, a1, b1) : CRect(b0, a0, b1, a1));
        }
    }
    return rects;
}
