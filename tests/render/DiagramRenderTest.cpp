// A sample diagram with one block of every type code, drawn through the painter surface into
// images that stay in the test's working directory (diagram-edit.png, diagram-simulation.png)
// for a person to look at. They are not compared pixel by pixel: the checks here are that the
// drawing runs and the image is written, and that bodies and state colours reach the pixels.
#include "support/ActiveDocument.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "editor/VetlaView.h"
#include "platform/qt/OffscreenImage.h"
#include "support/QtTestApp.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

constexpr int kColumns = 8;
constexpr int kCellWidth = 200;
constexpr int kCellHeight = 170;
constexpr COLORREF kBodyFill = RGB(255, 222, 140);

class DiagramRender : public ::testing::Test {
protected:
    DiagramRender()
    {
        QtTestApp();
        m_active.Doc().m_wHardwareCode = 0x5188;
        int nIndex = 0;
        for (const BlockTypeRow& entry : FactoryTypeRows()) {
            CBlockObj* pBlock = m_active.Add(CreateBlockForType(entry.nType, nullptr, nullptr));
            pBlock->m_ptPos = CPoint(130 + (nIndex % kColumns) * kCellWidth,
                                     40 + (nIndex / kColumns) * kCellHeight);
            pBlock->m_nNumber = SampleNumber(entry.nType, nIndex);
            pBlock->m_nOperand = SampleOperand(entry.nType);
            m_blocks.push_back(pBlock);
            ++nIndex;
        }
    }

    // A number in the block's own number space, so that every label reads as in a real diagram.
    static int SampleNumber(int nType, int nIndex)
    {
        switch (nType) {
        case BT_IN: return NUM_INPUT + 33;
        case BT_CURSOR_KEY: return NUM_CURSOR_KEY + 1;
        case BT_SHIFT: return NUM_SHIFT + 17;
        case BT_LOW: return NUM_LOW;
        case BT_HIGH: return NUM_HIGH;
        case BT_OUT: return NUM_OUTPUT + 17;
        case BT_OPENX: return NUM_OPENX + 2;
        case BT_FLAG: return NUM_FLAG + 4;
        case BT_ANALOG_IN: return NUM_ANALOG_IN + 9;
        case BT_ANALOG_OUT: return NUM_ANALOG_OUT + 1;
        case BT_ANALOG_FLAG: return NUM_ANALOG_FLAG + 3;
        case BT_FKEY: return NUM_FKEY + 1;
        case BT_MALE: return NUM_MALE;
        case BT_FEMALE: return NUM_FEMALE;
        case BT_DATALOG: return NUM_DATALOG + 1;
        default: return NUM_FUNCTION_BLOCK + nIndex;
        }
    }

    // What a ladder element reads or writes: I101, I0, AI101, Q101, M4, AQ001.
    static int SampleOperand(int nType)
    {
        switch (nType) {
        case BT_MAKE: return NUM_INPUT + 33;
        case BT_BREAK: return NUM_INPUT;
        case BT_ACONTACT: return NUM_ANALOG_IN + 9;
        case BT_RELAY_COIL: return NUM_OUTPUT + 17;
        case BT_INV_OUT: return NUM_FLAG + 4;
        case BT_AOUT_LAD: return NUM_ANALOG_OUT + 1;
        default: return 0;
        }
    }

    COffscreenImage MakeImage() const
    {
        const int nRows = (int(m_blocks.size()) + kColumns - 1) / kColumns;
        return COffscreenImage(kColumns * kCellWidth + 60, nRows * kCellHeight + 40);
    }

    static bool BodyShowsFill(const COffscreenImage& image, const CBlockObj& block)
    {
        for (int y = block.m_ptPos.y + 1; y < block.m_ptPos.y + block.m_nHeight; ++y) {
            for (int x = block.m_ptPos.x + 1; x < block.m_ptPos.x + block.m_nWidth; ++x) {
                if (image.GetPixel(x, y) == kBodyFill)
                    return true;
            }
        }
        return false;
    }

    static void Save(const COffscreenImage& image, const char16_t* pszName)
    {
        ASSERT_TRUE(image.SavePng(pszName));
        EXPECT_GT(std::filesystem::file_size(std::filesystem::path(pszName)), 1000u);
    }

    ActiveDocument m_active;
    std::vector<CBlockObj*> m_blocks;
};

TEST_F(DiagramRender, EveryTypeCodeInEditColours)
{
    COffscreenImage image = MakeImage();
    const CSimContext sim = m_active.View().MakeSimContext();
    for (CBlockObj* pBlock : m_blocks)
        pBlock->Draw(&sim, &image.GetDC(), TRUE, RGB(0, 0, 0));
    for (const CBlockObj* pBlock : m_blocks)
        EXPECT_TRUE(BodyShowsFill(image, *pBlock)) << pBlock->m_nType;
    Save(image, u"diagram-edit.png");
}

// Blocks alternate between state 1 and 0; the left edge of each body shows the state colour
// (except the X, AI, AQ and AM blocks, which stay black) and the value boxes are drawn below.
TEST_F(DiagramRender, EveryTypeCodeInSimulationColours)
{
    COffscreenImage image = MakeImage();
    CVetlaView& view = m_active.View();
    view.OnSimulation();
    const CSimContext sim = view.MakeSimContext();
    int nState = 0;
    for (CBlockObj* pBlock : m_blocks) {
        nState = 1 - nState;
        for (int& nValue : pBlock->m_nPinValue)
            nValue = nState;
        pBlock->m_nContactState = nState;  // what a contact shows its state by
        pBlock->m_dRunTime = 1234;
        pBlock->Draw(&sim, &image.GetDC(), TRUE, nState ? RGB(255, 0, 0) : RGB(0, 0, 255));
        pBlock->DrawValue(&sim, &image.GetDC());
    }
    for (const CBlockObj* pBlock : m_blocks) {
        const int nType = pBlock->m_nType;
        if (nType == BT_MALE || nType == BT_FEMALE)
            continue;
        const bool bBlack = nType == BT_OPENX || (nType >= BT_ANALOG_IN && nType <= BT_ANALOG_FLAG);
        const COLORREF crState = pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] ? RGB(255, 0, 0)
                                                                          : RGB(0, 0, 255);
        const int y = pBlock->m_ptPos.y + 3;
        EXPECT_EQ(image.GetPixel(pBlock->m_ptPos.x, y), bBlack ? RGB(0, 0, 0) : crState)
            << nType;
    }
    Save(image, u"diagram-simulation.png");
}

}  // namespace
