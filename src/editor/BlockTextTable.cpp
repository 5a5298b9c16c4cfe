#include "editor/BlockTextTable.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"

#include <vector>

namespace {

// The rows of the block-type table that have a tip, in code order: the table's rows.
const std::vector<const BlockTypeRow*>& TipRows()
{
    static const std::vector<const BlockTypeRow*> rows = [] {
        std::vector<const BlockTypeRow*> tipRows;
        for (const BlockTypeRow& row : BlockTypeRows()) {
            if (row.texts.nTipNameId != 0)
                tipRows.push_back(&row);
        }
        return tipRows;
    }();
    return rows;
}

}  // namespace

int BlockTextRow(int nType)
{
    const std::vector<const BlockTypeRow*>& rows = TipRows();
    for (std::size_t i = 0; i < rows.size() && int(i) < BLOCK_TEXT_ROWS; ++i) {
        if (rows[i]->nType == nType)
            return int(i);
    }
    return -1;
}

UINT BlockTextStringId(int nRow, int nColumn)
{
    const std::vector<const BlockTypeRow*>& rows = TipRows();
    if (nRow < 0 || nRow >= BLOCK_TEXT_ROWS || std::size_t(nRow) >= rows.size() || nColumn < 0 ||
        nColumn >= BLOCK_TEXT_COLUMNS)
        return 0;
    const BlockTexts& texts = rows[std::size_t(nRow)]->texts;
    if (nColumn == BLOCK_TEXT_NAME)
        return texts.nTipNameId;
    if (nColumn < int(texts.nInputLabels.size()))
        return texts.nInputLabels[std::size_t(nColumn)];
    return nColumn == BLOCK_FIRST_OUTPUT ? texts.nOutputLabel : 0;
}

void LoadBlockTextTable(BlockTextTable& table)
{
    for (int nRow = 0; nRow < BLOCK_TEXT_ROWS; ++nRow) {
        for (int nColumn = 0; nColumn < BLOCK_TEXT_COLUMNS; ++nColumn) {
            CString& cell = table[nRow][nColumn];
            cell.Empty();
            if (const UINT nId = BlockTextStringId(nRow, nColumn))
                cell.LoadString(nId);
        }
    }
}

const CString& BlockTextOf(const BlockTextTable& table, int nType, int nColumn)
{
    static const CString kEmpty;
    const int nRow = BlockTextRow(nType);
    if (nRow < 0 || nColumn < 0 || nColumn >= BLOCK_TEXT_COLUMNS)
        return kEmpty;
    return table[nRow][nColumn];
}
