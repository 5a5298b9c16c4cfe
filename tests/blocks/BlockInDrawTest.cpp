// What the input blocks draw of their state: the labels with the voltage of the controller's own
// inputs, the blocks without a label, and the analog input's value box in a simulation.
#include "BlockDrawTestSupport.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"

namespace {

class InputDraw : public BlockDrawTest {
protected:
    std::vector<std::u16string> Texts() const
    {
        std::vector<std::u16string> texts;
        for (const DrawRecord* pRecord : OfKind(DrawKind::Text))
            texts.push_back(pRecord->text);
        return texts;
    }
    const DrawRecord* LastText() const
    {
        const auto texts = OfKind(DrawKind::Text);
        return texts.empty() ? nullptr : texts.back();
    }
    CSimContext m_sim;
};

TEST_F(InputDraw, OwnInputsShowTheirVoltageOthersOnlyTheirState)
{
    const struct {
        int nType;
        int nNumber;
        int nState;
        const char16_t* pszLabel;
    } cases[] = {
        {BT_IN, NUM_INPUT, 1, u"ON---2.5 v"},       {BT_IN, 355, 0, u"OFF---2.5 v"},
        {BT_IN, 356, 1, u"ON"},                     {BT_ANALOG_IN, NUM_ANALOG_IN, 0, u"OFF---2.5 v"},
        {BT_ANALOG_IN, 4127, 1, u"ON---2.5 v"},     {BT_ANALOG_IN, 4128, 0, u"OFF"},
    };
    for (const auto& c : cases) {
        m_surface.Clear();
        CBlockObj* pBlock = Place(c.nType, c.nNumber);
        if (auto* pIn = dynamic_cast<CBlockIn*>(pBlock))
            pIn->m_fVoltage = 2.5f;
        if (auto* pAnalog = dynamic_cast<CBlockAnalogIn*>(pBlock))
            pAnalog->m_fVoltage = 2.5f;
        pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] = c.nState;
        pBlock->DrawStateLabel(nullptr, &m_dc);
        const DrawRecord* pLabel = LastText();
        ASSERT_NE(pLabel, nullptr) << c.nNumber;
        EXPECT_EQ(pLabel->text, c.pszLabel) << c.nNumber;
        EXPECT_EQ(pLabel->state.crText, c.nState ? kTestRed : kTestBlack) << c.nNumber;
        CRect pin;
        pBlock->GetPinRect(&pin, BLOCK_FIRST_OUTPUT, 5);
        EXPECT_EQ(At(pLabel->points[0]), At({pin.left + 3, pin.top + 3})) << "below the pin's top-left corner";
    }
}

TEST_F(InputDraw, ShiftBitsLowAndHighDrawNoLabel)
{
    for (int nType : {BT_SHIFT, BT_LOW, BT_HIGH}) {
        m_surface.Clear();
        CBlockObj* pBlock = Place(nType, 9000);
        pBlock->DrawStateLabel(nullptr, &m_dc);
        EXPECT_FALSE(Records().empty()) << "the block itself is drawn";
        for (const std::u16string& text : Texts()) {
            EXPECT_NE(text, u"ON") << nType;
            EXPECT_NE(text, u"OFF") << nType;
        }
    }
}

// The box holds the simulated value, and under it the value passed on while it is not negative.
TEST_F(InputDraw, AnalogInputShowsItsValueBoxInASimulation)
{
    m_sim.bSimulating = TRUE;
    CBlockObj* pBlock = Place(BT_ANALOG_IN, NUM_ANALOG_IN);
    pBlock->m_nAux[INPUT_SIM_VALUE_AUX] = 420;
    pBlock->m_nHeldValue = 17;
    pBlock->DrawSim(&m_sim, &m_dc);
    const auto fills = OfKind(DrawKind::FillRect);
    ASSERT_FALSE(fills.empty()) << Dump();
    const DrawRecord* pBox = fills.back();
    EXPECT_EQ(pBox->colour, RGB(255, 255, 204));
    const int yTop = pBlock->m_ptPos.y + pBlock->m_nHeight + 2;
    EXPECT_EQ(pBox->rect.top, yTop);
    EXPECT_EQ(pBox->rect.bottom, yTop + 24);
    EXPECT_EQ(pBox->rect.right - pBox->rect.left, 3 * pBlock->m_nWidth / 2);
    const auto texts = Texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2], u"420   ");
    EXPECT_EQ(texts.back(), u"17    ");

    m_surface.Clear();
    pBlock->m_nHeldValue = -1;
    pBlock->DrawSim(&m_sim, &m_dc);
    EXPECT_EQ(OfKind(DrawKind::FillRect).back()->rect.bottom, yTop + 12) << "one line for a negative value";
    EXPECT_EQ(Texts().back(), u"420   ");
}

} // namespace
