// Every row of the block-type table against the tables that serve a type outside the model: a
// type that a function diagram's palette places opens a sheet with a help topic, a type whose
// values a message text shows has the label of its element's type box, and a function block
// has the record family of the program image. A new type that lacks one of them fails here.
#include "blocks/BlockTypeTable.h"
#include "messagetext/WidgetTypeLabel.h"
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
        if (row.nFlags & BTF_MESSAGE_TEXT_VALUE) {
            EXPECT_NE(FindTypeLabelRow(row.nType), nullptr) << "a message-text type without its label";
        }
        if (IsFunctionBlockType(row.nType)) {
            EXPECT_NE(row.image.family, ImageFamily::None) << "a function block without its image record";
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
