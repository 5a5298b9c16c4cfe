// CMask: the main page of the six 16-bit mask blocks (AND, OR, NOT, NAND, NOR and XOR MASK).
// The mask is typed as four hexadecimal digits, set bit by bit in the bit-mask dialog, or taken
// at run time from a reference block; NOT MASK has no mask and shows only its name and the
// protection flag.
#pragma once

#include "pages/blocks/PageTips.h"
#include "pages/controls/HexTextEdit.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/ReferenceRow.h"

// The word Apply clears: the mask blocks' apply record is the one of the max/min blocks, whose
// reset flag that word holds; the mask blocks use it for nothing.
constexpr int MASK_SPARE_PARAMEX = 4;

class CMask : public CBlockPage {
    DECLARE_DYNAMIC(CMask)

public:
    explicit CMask(int nType);

    CString m_strMask = _T("0000");
    int m_nMask = 0;
    int m_bProtect = 0;
    // The block's own number, left out of the reference list.
    int m_nNumber = -1;
    CReferenceRow m_reference;
    CPageTips m_tooltip;

    void CopyFromBlock(const CBlockObj& block) override;
    BlockWrite MakeBlockWrite(BOOL bApply) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    BOOL HasMask() const;
    // The mask edit, its "(Hex)" and "Setting" show while no reference is used.
    void ShowMaskControls();
    void OnSetting();

    CHexTextEdit m_editMask;
};
