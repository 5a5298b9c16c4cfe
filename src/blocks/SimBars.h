// The Inputs and Outputs bars of a running simulation belong to the view's child frame, which
// lives in the window layer. Input and output blocks tell them about a changed state through
// these two hooks, so that the blocks build and run without any window: the frame that creates
// the bars installs the hooks and removes them with the bars; with no hook installed there is
// no bar to refresh and the call does nothing. Tests install recorders.
#pragma once

#include <functional>

class CBlockObj;
class CVetlaView;

using SimBarRefreshFn = std::function<void(CVetlaView* pView, CBlockObj* pBlock)>;

// Installs (or, with an empty function, removes) the Inputs bar's RefreshInputs.
void SetInputsBarRefresh(SimBarRefreshFn fn);
// Installs (or removes) the Outputs bar's RefreshOutputs.
void SetOutputsBarRefresh(SimBarRefreshFn fn);

// CInputsBarDlg::RefreshInputs and COutputsBarDlg::RefreshOutputs of pView's frame.
void RefreshInputsBar(CVetlaView* pView, CBlockObj* pBlock);
void RefreshOutputsBar(CVetlaView* pView, CBlockObj* pBlock);
