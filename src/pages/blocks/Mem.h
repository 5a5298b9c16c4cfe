// CMEM: the main page of the memory block, which reads one value of another function block:
// the source block (never the memory block itself), the index of the value within it, and
// "Retentivity". The block's reference flag follows the chosen source.
#pragma once

#include "pages/sheet/BlockPage.h"

class CComboBox;

class CMEM : public CBlockPage {
    DECLARE_DYNAMIC(CMEM)

public:
    explicit CMEM(int nType);

    int m_bRetentive = 0;
    int m_nBlockIndex = -1;
    int m_nValueIndex = -1;
    int m_nNumber = -1;
    // The source block's number, -1 for none.
    int m_nSource = -1;

    void ReadBlock(const CBlockObj& block) override;
    BlockWrite MakeBlockWrite(BOOL bApply) const override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void FillBlockList();
    // The index list: the source's value names, or the dash line without a source.
    void FillValueList(LPCTSTR lpszNone);
    void OnSelchangeBlock();
    CComboBox& List(int nID);
};
