// CIOStatusGrid: the I/O status monitor's table. One header row and one header column name the
// points; the data cells show the values a polling cycle read, red when not zero. The table is
// for reading only.
//   I/Q/AI/AQ     9 x 61: a row per module (Main, Ext 1 .. Ext 7), 32 inputs, 16 outputs,
//                 8 analog inputs and 4 analog outputs
//   Flags         7 x 101: flags 0..511, a hundred a row
//   Analog flags  7 x 101: analog flags 0..511, a hundred a row
#pragma once

#include "controller/IOStatusCycle.h"
#include "controls/GridCtrl.h"

class CIOStatusGrid : public CGridCtrl {
public:
    static constexpr COLORREF kDefaultBack = RGB(255, 255, 224);
    static constexpr COLORREF kValueText = RGB(255, 0, 0);

    CIOStatusGrid();

    // The rows, columns, labels and colours of the view, every data cell empty. The module rows
    // of the first layout a dialog makes read "Ext1" where every later one reads "Ext 1".
    void LayOut(IOStatusView view, BOOL bFirstLayout = FALSE);
    // The values of a cycle in the cells of the view it read.
    void Fill(IOStatusView view, const CIOStatusCycle::Result& result);
    // Every column and row as wide and high as its longest label asks.
    void AutoSize();

private:
    void LabelHeaders(IOStatusView view, BOOL bFirstLayout);
    void ShowValue(int nRow, int nCol, int nValue);
    void FillBits(const std::vector<BYTE>& data, int nBytesPerRow, int nFirstCol);
    void FillRegisters(const std::vector<BYTE>& data, int nPerRow, int nFirstCol);
    void FillFlagBits(const std::vector<BYTE>& data);
};
