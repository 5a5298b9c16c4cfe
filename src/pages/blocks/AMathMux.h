// CAMathMux: the main page of the analog math block and the analog multiplexer. Both have four
// values V1..V4, each a value or a referenced block; the math block adds three operators, their
// priorities (always a permutation of L, M, H) and its output while En is 0.
#pragma once

#include "pages/blocks/AnalogPage.h"

class CAMathMux : public CAnalogPage {
    DECLARE_DYNAMIC(CAMathMux)

public:
    explicit CAMathMux(int nType);

    int m_nV[AMATH_ROWS] = {};
    int m_nEnOffOutput = 1;
    int m_nOperator[3] = {};
    int m_nPriority[3] = {2, 1, 0};
    CReferenceRow m_refs[AMATH_ROWS] = {{IDC_AMATH_REF[0], IDC_AMATH_VALUE[0], IDC_AMATH_LIST[0]},
                                        {IDC_AMATH_REF[1], IDC_AMATH_VALUE[1], IDC_AMATH_LIST[1]},
                                        {IDC_AMATH_REF[2], IDC_AMATH_VALUE[2], IDC_AMATH_LIST[2]},
                                        {IDC_AMATH_REF[3], IDC_AMATH_VALUE[3], IDC_AMATH_LIST[3]}};

    // The caption of row nRow (0-3) for the type.
    static CString RowCaption(int nType, int nRow);
    // Priority nChanged takes nNew; the one that had nNew takes nChanged's old value, so that
    // the three stay a permutation.
    static void ChoosePriority(int (&priorities)[3], int nChanged, int nNew);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void ExchangeFields(CDataExchange* pDX) override;
    std::vector<IntegerBox> GetIntegerBoxes() const override;
    void ReadRecord(const AnalogRecord& record) override;
    void FillRecord(AnalogRecord& record) const override;
    void PrepareApply() override;

private:
    BOOL IsMath() const;
    void ShowRow(int nRow);
    void OnPriorityChanged(int nIndex);
};
