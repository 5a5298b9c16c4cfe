// COutputsBarDlg: the Outputs bar of a running simulation (template 4570): a lamp per digital
// output Q1..Q8 and a read-only value per analog output AQ1..AQ4, made at run time from the
// left, following the output blocks' states as their Simulate reports them.
#pragma once

#include "editor/InputsBarDlg.h"

class COutputsBarDlg : public cdxCDynamicBarDlg {
    DECLARE_DYNAMIC(COutputsBarDlg)

public:
    explicit COutputsBarDlg(CChildFrame* pFrame);
    ~COutputsBarDlg() override;

    // Digital outputs 600..607, then analog outputs 4230..4233, each by number.
    static std::vector<int> CollectOutputs(const CVetlaDoc& doc);
    void RefreshOutputs(CBlockObj* pBlock);
    const std::vector<SimBarControl>& GetControls() const { return m_controls; }
    const SimBarControl* FindControl(int nNumber) const;

protected:
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    void AddOutputControl(int nNumber);

    CChildFrame* m_pFrame;
    std::vector<SimBarControl> m_controls;
    std::vector<std::unique_ptr<CWnd>> m_windows;
    int m_nValueControls = 0;
    int m_nButtonControls = 0;
};

class COutputsBar : public cdxCDynamicBar {
    DECLARE_DYNAMIC(COutputsBar)

public:
    explicit COutputsBar(CChildFrame* pFrame) : cdxCDynamicBar(new COutputsBarDlg(pFrame)) {}
    COutputsBarDlg* GetDlg() const { return static_cast<COutputsBarDlg*>(GetBarDlg()); }
};
