// The I/O status monitor's table: the layout of each view (sizes and labels) and where a
// cycle's values land, as a user reads them off the grid.
#include "controller/IOStatusGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

std::string Text(const CGridCtrl& grid, int r, int c) { return grid.GetItemText(r, c).ToUtf8(); }
COLORREF Fore(const CGridCtrl& grid, int r, int c) { return grid.GetCell(r, c)->GetTextClr(); }
// The texts of the cells, each given as its row, column and text.
void ExpectTexts(const CGridCtrl& grid, const std::vector<std::tuple<int, int, std::string>>& cells)
{
    for (const auto& [r, c, strText] : cells)
        EXPECT_EQ(Text(grid, r, c), strText) << "cell " << r << "," << c;
}

TEST(IOStatusGridTest, EachViewHasItsShapeAndLabels)
{
    const struct {
        IOStatusView view;
        int nRows, nCols;
        std::vector<std::tuple<int, int, std::string>> labels;
    } cases[] = {
        {IOStatusView::IoPoints, 9, 61,
         {{0, 0, "Index"}, {0, 1, "I0"}, {0, 32, "I31"}, {0, 33, "Q0"}, {0, 48, "Q15"}, {0, 49, " AI0  "},
          {0, 56, " AI7  "}, {0, 57, " AQ0  "}, {0, 60, " AQ3  "}, {1, 0, "Main"}, {2, 0, "Ext 1"}, {8, 0, "Ext 7"}}},
        {IOStatusView::Flags, 7, 101,
         {{0, 0, "Index"}, {0, 1, "M0"}, {0, 100, "M99"}, {1, 0, "0-99"}, {5, 0, "400-499"}, {6, 0, "500-511"}}},
        {IOStatusView::AnalogFlags, 7, 101, {{0, 1, "AM0  "}, {0, 100, "AM99 "}, {3, 0, "200-299"}}},
    };
    for (const auto& c : cases) {
        CIOStatusGrid grid;
        grid.LayOut(c.view);
        EXPECT_EQ(grid.GetRowCount(), c.nRows);
        EXPECT_EQ(grid.GetColumnCount(), c.nCols);
        EXPECT_EQ(grid.GetFixedRowCount(), 1);
        EXPECT_EQ(grid.GetFixedColumnCount(), 1);
        EXPECT_FALSE(grid.IsEditable());
        SCOPED_TRACE(int(c.view));
        ExpectTexts(grid, c.labels);
        EXPECT_EQ(Text(grid, 1, 1), "");
        EXPECT_EQ(Fore(grid, 1, 1), CIOStatusGrid::kValueText);
    }
    // Only a dialog's first layout names the modules without a blank.
    CIOStatusGrid grid;
    grid.LayOut(IOStatusView::IoPoints, TRUE);
    EXPECT_EQ(Text(grid, 2, 0), "Ext1");
}

TEST(IOStatusGridTest, PointValuesLandInTheirModuleRow)
{
    CIOStatusGrid grid;
    grid.LayOut(IOStatusView::IoPoints);
    CIOStatusCycle::Result result;
    result.areas[IOAREA_INPUTS].assign(32, 0);
    result.areas[IOAREA_INPUTS][0] = 0x01;    // Main I0
    result.areas[IOAREA_INPUTS][5] = 0x80;    // Ext 1, second byte, bit 7: I15
    result.areas[IOAREA_OUTPUTS].assign(16, 0);
    result.areas[IOAREA_OUTPUTS][15] = 0x04;  // Ext 7, second byte, bit 2: Q10
    result.areas[IOAREA_ANALOG_INPUTS].assign(128, 0);
    result.areas[IOAREA_ANALOG_INPUTS][18] = 0x12;  // Ext 1 AI1 (register 9)
    result.areas[IOAREA_ANALOG_INPUTS][19] = 0x34;
    result.areas[IOAREA_ANALOG_OUTPUTS].assign(64, 0);
    result.areas[IOAREA_ANALOG_OUTPUTS][62] = 0xFF;  // Ext 7 AQ3 (register 31)
    result.areas[IOAREA_ANALOG_OUTPUTS][63] = 0xFF;
    grid.Fill(IOStatusView::IoPoints, result);
    ExpectTexts(grid, {{1, 1, "1"}, {1, 2, "0"}, {2, 16, "1"}, {8, 33 + 10, "1"}, {2, 50, "4660"},
                       {8, 60, "65535"}, {8, 59, "0"}});
    EXPECT_EQ(Fore(grid, 1, 1), CIOStatusGrid::kValueText);
    EXPECT_EQ(Fore(grid, 1, 2), RGB(0, 0, 0));
}

TEST(IOStatusGridTest, FlagsAndAnalogFlagsGoAHundredARow)
{
    CIOStatusGrid grid;
    grid.LayOut(IOStatusView::Flags);
    CIOStatusCycle::Result result;
    result.areas[IOAREA_FLAGS].assign(64, 0);
    result.areas[IOAREA_FLAGS][250 / 8] = BYTE(1 << (250 % 8));
    result.areas[IOAREA_FLAGS][63] = 0x80;  // flag 511
    grid.Fill(IOStatusView::Flags, result);
    ExpectTexts(grid, {{3, 51, "1"}, {3, 50, "0"}, {6, 12, "1"}, {6, 13, ""}});

    grid.LayOut(IOStatusView::AnalogFlags);
    result.areas[IOAREA_ANALOG_FLAGS].assign(1024, 0);
    result.areas[IOAREA_ANALOG_FLAGS][2 * 250 + 1] = 9;
    grid.Fill(IOStatusView::AnalogFlags, result);
    ExpectTexts(grid, {{3, 51, "9"}, {6, 12, "0"}});
}

TEST(IOStatusGridTest, ShortAreasFillOnlyWhatCame)
{
    CIOStatusGrid grid;
    grid.LayOut(IOStatusView::IoPoints);
    CIOStatusCycle::Result result;
    result.areas[IOAREA_ANALOG_INPUTS] = {0x00, 0x05, 0x01};
    grid.Fill(IOStatusView::IoPoints, result);
    ExpectTexts(grid, {{1, 49, "5"}, {1, 50, ""}, {1, 1, ""}});
}

}  // namespace
