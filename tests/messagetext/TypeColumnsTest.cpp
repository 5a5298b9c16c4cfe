// Every row of the block-type table against what the code takes for granted of a type: a type that
// a function diagram's palette places opens a sheet with a help topic; a palette entry has a name
// and a symbol, a placeable type a caption; a type whose values a message text shows has the label
// of its element's type box and its element texts, a second label text a first, a pictogram's
// shapes their points; what the in-place editor offers has rules and reference slots that exist; a
// function block has the record family of the program image; a dotted address, or one the older
// line has fewer points of, has points to divide by. A new type that lacks one of them fails here.
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "pages/sheet/BlockPageRegistry.h"

#include <gtest/gtest.h>

namespace {

bool IsPlacedInFunctionDiagrams(const BlockTypeRow& row)
{
    return row.palette.group != PaletteGroup::None && (row.byLanguages & LANG_FBD) && row.cls.pfnCreate;
}

TEST(TypeColumns, EveryRowHasTheColumnsItsKindNeeds)
{
    for (const BlockTypeRow& row : BlockTypeRows()) {
        SCOPED_TRACE(testing::Message() << "type " << row.nType);
        if (IsPlacedInFunctionDiagrams(row)) {
            const BlockPageRow* pPage = FindBlockPageRow(row.nType);
            ASSERT_NE(pPage, nullptr) << "a placeable type without its sheet's registry row";
            EXPECT_NE(pPage->nHelpTopic, 0u);
        }
        if (row.palette.group != PaletteGroup::None) {
            EXPECT_NE(row.texts.nNameId, 0u) << "a palette entry without a name";
            EXPECT_NE(row.palette.pszSymbol, nullptr) << "a palette entry without a symbol";
        }
        if (row.placement.bPlaceable) {
            EXPECT_NE(row.caption.pszEnglish, nullptr) << "a placeable type without a caption";
        }
        if (row.nFlags & BTF_MESSAGE_TEXT_VALUE) {
            EXPECT_FALSE(row.typeBox.IsEmpty()) << "a message-text type without its label";
            EXPECT_NE(row.widgetTexts, nullptr) << "a message-text type without its element texts";
        }
        EXPECT_TRUE(row.typeBox.pszText || !row.typeBox.pszSecond) << "a second label text without a first";
        for (const PictogramShape& shape : row.typeBox.pictogram)
            EXPECT_GE(shape.points.size(), PictogramShapePoints(shape.kind)) << "a pictogram shape without its points";
        EXPECT_EQ(row.inPlace.offers.empty(), row.inPlace.rules == InPlaceRules::None)
            << "in-place offers without rules, or rules without offers";
        for (const InPlaceOffer& offer : row.inPlace.offers) {
            EXPECT_TRUE(row.nFlags & BTF_MESSAGE_TEXT_VALUE) << "an in-place offer of a type no text shows";
            EXPECT_TRUE(offer.nSlot == IN_PLACE_ANY_SLOT || (offer.nSlot >= 0 && offer.nSlot < BLOCK_REF_COUNT))
                << "an in-place offer's reference slot " << offer.nSlot;
        }
        if (IsFunctionBlockType(row.nType)) {
            EXPECT_NE(row.image.family, ImageFamily::None) << "a function block without its image record";
        }
        if (row.address.bDotted || row.address.nOlderPoints > 0) {
            EXPECT_GT(row.address.nDivisor, row.address.nOlderPoints) << "an address without points to divide by";
        }
        if (row.nOlderRefusalId != 0) {
            EXPECT_FALSE(row.byGenerations & GEN_OLDER) << "a refusal of a type the older line has";
        }
    }
}

// The sheet registry serves types of the table alone.
TEST(TypeColumns, EverySheetRowNamesATypeOfTheTable)
{
    for (const BlockPageRow& page : GetBlockPageRows())
        EXPECT_NE(FindBlockType(page.nType), nullptr) << page.nType;
}

}  // namespace
