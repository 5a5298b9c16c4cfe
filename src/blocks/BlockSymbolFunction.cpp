// The symbols of the word, bit, special, math and data-log blocks. Only the newer controller
// generation offers these blocks, so a document for an older controller shows their bodies
// empty. Their texts are placed for the default block width, whatever the body's width.
#include "blocks/BlockSymbol.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"

using namespace symbol;

namespace {

constexpr int kDefaultWidth = 25;

// How a row's text is placed: left edge x + (centre width - cx) / 2 + nShiftX, top y + nTop.
enum class Mark { None, Bool, Mask };

struct FunctionRow {
    int nType;
    LPCTSTR pszText;
    FontSpec font;
    int nCentreWidth;
    int nShiftX;
    int nTop;
    Mark mark;
};

constexpr FontSpec kMeasureFont = Fixed(12, 8);

constexpr FunctionRow kFunctionRows[] = {
    {BT_BOOLEAN, _T("BOOL"), Swiss(9, 3), kDefaultWidth, 0, 24, Mark::Bool},
    {BT_TDT, _T("TDT"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_BCD, _T("BCD"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_BIN, _T("BIN"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_ROL, _T("ROL"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_ROR, _T("ROR"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_SHL, _T("SHL"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_SHR, _T("SHR"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_ANDM, _T("&"), kMeasureFont, kDefaultWidth, 1, 9, Mark::Mask},
    {BT_ORM, _T(">1"), kMeasureFont, kDefaultWidth, 1, 9, Mark::Mask},
    {BT_NOTM, _T("1"), kMeasureFont, kDefaultWidth, 1, 9, Mark::Mask},
    {BT_NANDM, _T("&"), kMeasureFont, kDefaultWidth, 1, 9, Mark::Mask},
    {BT_NORM, _T(">1"), kMeasureFont, kDefaultWidth, 1, 9, Mark::Mask},
    {BT_XORM, _T("=1"), kMeasureFont, kDefaultWidth, 1, 9, Mark::Mask},
    {BT_ARRMXIV, _T("AXIV"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_ACMXIV, _T("DXIV"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_RAND, _T("Rand"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None},
    {BT_MEM, _T("MEM"), Swiss(10, 5), 26, 0, 12, Mark::None},
    {BT_ENCODER, _T("ENC"), Swiss(12, 5), 26, 0, 12, Mark::None},
    {BT_SMC, _T("SMC"), Swiss(12, 5), 26, 0, 12, Mark::None},
    {BT_SMCE, _T("SMCE"), Swiss(11, 4), 26, 0, 12, Mark::None},
    {BT_PTO, _T("PTO"), Swiss(12, 5), 26, 0, 12, Mark::None},
    {BT_PTOE, _T("PTOE"), Swiss(11, 4), 26, 0, 12, Mark::None},
    {BT_SEG, _T("SEG"), Swiss(12, 5), 26, 0, 12, Mark::None},
    {BT_WORD2BIT, _T("WTB"), Swiss(12, 5), 26, 0, 12, Mark::None},
    {BT_UDC, _T("UDC"), Swiss(12, 5), 26, 0, 12, Mark::None},
    {BT_CRC16, _T("CRC"), Swiss(12, 5), 26, 0, 12, Mark::None},
};

struct MathRow {
    int nType;
    LPCTSTR pszText;
};

constexpr MathRow kMathRows[] = {
    {BT_ODD, _T("ODD")},   {BT_EVEN, _T("EVEN")}, {BT_MOD, _T("MOD")},   {BT_REM, _T("REM")},
    {BT_LOG, _T("LOG")},   {BT_SQRT, _T("SQRT")}, {BT_ABS, _T("ABS")},   {BT_GCD, _T("GCD")},
    {BT_LCM, _T("LCM")},   {BT_POW2, _T("POW2")}, {BT_EXP, _T("EXP")},   {BT_FIX, _T("FIX")},
    {BT_ROUND, _T("round")}, {BT_SIN, _T("SIN")}, {BT_COS, _T("COS")},   {BT_TAN, _T("TAN")},
    {BT_COT, _T("COT")},   {BT_SEC, _T("SEC")},   {BT_CSC, _T("CSC")},   {BT_QUAD, _T("QUAD")},
    {BT_DATALOG, _T("L")},
};

template <class Row, std::size_t N>
const Row* FindRow(const Row (&rows)[N], int nType)
{
    for (const Row& row : rows) {
        if (row.nType == nType)
            return &row;
    }
    return nullptr;
}

// The Boolean block's pictogram: four inputs into a gate with one output.
void BooleanGate(CDC* pDC, int x0, int y)
{
    for (int n = 7; n <= 16; n += 3)
        Stroke(pDC, {{x0, y + n}, {x0 + 5, y + n}});
    Stroke(pDC, {{x0 + 5, y + 5}, {x0 + 5, y + 19}, {x0 + 15, y + 13}, {x0 + 5, y + 5}});
    Stroke(pDC, {{x0 + 15, y + 13}, {x0 + 20, y + 13}});
}

// The mask blocks: the gate's sign over "MASK", with the lines of OR and the negations.
void MaskMarks(CDC* pDC, int nType, int x, int y, CSize size)
{
    const int tx = x + (kDefaultWidth - size.cx) / 2;
    if (nType == BT_ORM || nType == BT_NORM)
        Stroke(pDC, {{tx, y + 7 + size.cy}, {tx + size.cx / 2, y + 7 + size.cy}});
    if (nType == BT_NOTM || nType == BT_NANDM)
        Stroke(pDC, {{tx, y + 8}, {tx + size.cx + 1, y + 8}});
    if (nType == BT_NORM)
        Stroke(pDC, {{tx, y + 8}, {tx + size.cx, y + 8}});
    SelectedFont mask(pDC, Swiss(10, 4, FW_HEAVY));
    const CSize maskSize = Extent(pDC, _T("MASK"));
    Text(pDC, x + (kDefaultWidth - maskSize.cx) / 2 + 1, y + 24, _T("MASK"));
}

// The math and data-log names: 12 x 5 fixed, centred on the default width.
void DrawMathName(const CBlockObj& block, CDC* pDC)
{
    if (!block.IsNewGeneration())
        return;
    const MathRow* pRow = FindRow(kMathRows, block.m_nType);
    if (!pRow)
        return;
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    SelectedFont font(pDC, Fixed(12, 5));
    const CSize size = Extent(pDC, pRow->pszText);
    Text(pDC, block.m_ptPos.x + (kDefaultWidth - size.cx) / 2 + 1, block.m_ptPos.y + 12,
         pRow->pszText);
}

}  // namespace

void CBlockObj::DrawFunctionSymbol(CDC* pDC) const
{
    if (!IsNewGeneration())
        return;
    const FunctionRow* pRow = FindRow(kFunctionRows, m_nType);
    if (!pRow)
        return;
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    SelectedFont font(pDC, pRow->font);
    const int x = m_ptPos.x;
    const int y = m_ptPos.y;
    const CSize size = Extent(pDC, pRow->pszText);
    const int tx = x + (pRow->nCentreWidth - size.cx) / 2 + pRow->nShiftX;
    if (pRow->mark == Mark::Bool)
        BooleanGate(pDC, tx, y);
    Text(pDC, tx, y + pRow->nTop, pRow->pszText);
    if (pRow->mark == Mark::Mask)
        MaskMarks(pDC, m_nType, x, y, size);
}

void CBlockObj::DrawMathSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC);
}

void CBlockObj::DrawDataLogSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC);
}
