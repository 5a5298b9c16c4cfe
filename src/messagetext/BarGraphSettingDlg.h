// CBarGraphSettingDlg ("Bar Graph Setting"): the block, actual value, scale and width of a bar
// graph, scope or pointer element. For a scope the width field shows the project's scope time
// and cannot be changed; a pointer has none. An element being changed is written only once
// every field is valid.
#pragma once

#include "blocks/Widget.h"
#include "pages/blocks/ValueHints.h"
#include "platform/ui/Dialog.h"

class CVetlaDoc;

class CBarGraphSettingDlg : public CDialog {
    DECLARE_DYNAMIC(CBarGraphSettingDlg)

public:
    explicit CBarGraphSettingDlg(CVetlaDoc* pDoc, CWnd* pParent = nullptr);

    int m_nBlockNumber = -1;
    int m_nKind = WIDGET_KIND_BARGRAPH;
    CWidget* m_pWidget = nullptr;
    int m_nMaxValue = 1000;
    int m_nMinValue = 0;
    int m_nWidth = 2;
    int m_nActualValue = -1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

private:
    void OnSelchangeBlock();
    void ClampScaleEdit(int nID);

    CVetlaDoc* m_pDoc;
    // "Number between %d and %d" on the scale and width edits.
    CValueHints m_hints;
};
