// CScaleTimeDlg ("Scale time setting"): the block, actual value and time base of a scale-time
// element. An element being changed is written only once the choice is complete.
#pragma once

#include "platform/ui/Dialog.h"

class CVetlaDoc;
class CWidget;

// Time bases, the element's m_nOption.
constexpr int SCALE_TIME_BASE_COUNT = 4;
constexpr int SCALE_TIME_10MS = 3;

class CScaleTimeDlg : public CDialog {
    DECLARE_DYNAMIC(CScaleTimeDlg)

public:
    explicit CScaleTimeDlg(CVetlaDoc* pDoc, CWnd* pParent = nullptr);

    int m_nBlockNumber = -1;
    CWidget* m_pWidget = nullptr;
    int m_nActualValue = -1;
    int m_nTimeBase = SCALE_TIME_10MS;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CVetlaDoc* m_pDoc;
};
