// COutputsBarDlg: the Outputs bar of a running simulation (template 4570): a lamp per digital
// output Q1..Q8 and a read-only value per analog output AQ1..AQ4, made at run time from the
// left, following the output blocks' states as their Simulate reports them.
#pragma once

#include "editor/SimIoBarDlg.h"

#include <vector>

class CBlockObj;
class CChildFrame;
class CVetlaDoc;

class COutputsBarDlg : public CSimIoBarDlg {
    DECLARE_DYNAMIC(COutputsBarDlg)

public:
    explicit COutputsBarDlg(CChildFrame* pFrame);
    ~COutputsBarDlg() override;

    // Digital outputs 600..607, then analog outputs 4230..4233, each by number.
    static std::vector<int> CollectOutputs(const CVetlaDoc& doc);
    void RefreshOutputs(CBlockObj* pBlock);
    // Clears, collects and makes the controls again (an output was renumbered).
    void RebuildControls();

protected:
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    void AddOutputControl(int nNumber);

    CChildFrame* m_pFrame;
};

class COutputsBar : public cdxCDynamicBar {
    DECLARE_DYNAMIC(COutputsBar)

public:
    explicit COutputsBar(CChildFrame* pFrame) : cdxCDynamicBar(new COutputsBarDlg(pFrame)) {}
    COutputsBarDlg* GetDlg() const { return static_cast<COutputsBarDlg*>(GetBarDlg()); }
};
