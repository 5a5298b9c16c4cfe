// The halves of a connector pair find each other by number, made as connectors by a cut or as
// the block factory makes them, plain blocks of the connector types.
#include "RuleDiagram.h"

#include "document/ConnectorPairs.h"

namespace {

class ConnectorPairs : public RuleDiagram {};

TEST_F(ConnectorPairs, EachHalfFindsTheOtherWhateverClassItWasMadeAs)
{
    const auto [pMale, pFemale] = ConnectorPair();
    auto [pPlainMale, pPlainFemale] = Blocks(BT_MALE, BT_FEMALE);
    ASSERT_EQ(pPlainFemale->m_nNumber, pPlainMale->m_nNumber + NUM_FEMALE_OFFSET);
    for (const auto& [pOne, pOther] : {std::pair(pPlainMale, pPlainFemale), std::pair(pMale, pFemale)}) {
        EXPECT_EQ(FindPartner(Doc(), pOne), pOther);
        EXPECT_EQ(FindPartner(Doc(), pOther), pOne);
    }
}

} // namespace
