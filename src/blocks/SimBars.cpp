#include "blocks/SimBars.h"

#include <utility>

namespace {

SimBarRefreshFn& InputsHook()
{
    static SimBarRefreshFn hook;
    return hook;
}

SimBarRefreshFn& OutputsHook()
{
    static SimBarRefreshFn hook;
    return hook;
}

} // namespace

void SetInputsBarRefresh(SimBarRefreshFn fn)
{
    InputsHook() = std::move(fn);
}

void SetOutputsBarRefresh(SimBarRefreshFn fn)
{
    OutputsHook() = std::move(fn);
}

void RefreshInputsBar(CVetlaView* pView, CBlockObj* pBlock)
{
    if (InputsHook())
        InputsHook()(pView, pBlock);
}

void RefreshOutputsBar(CVetlaView* pView, CBlockObj* pBlock)
{
    if (OutputsHook())
        OutputsHook()(pView, pBlock);
}
