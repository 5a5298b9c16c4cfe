// The symbols of the word, bit, special, math and data-log blocks. Only the newer controller
// generation offers these blocks, so a document for an older controller shows their bodies
// empty. Their texts are placed for the default block width, whatever the body's width.
#include "blocks/BlockSymbol.h"

#include "blocks/BlockBCD.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockWord.h"

using namespace symbol;

namespace {

constexpr int kDefaultWidth = 25;

// What a function block's name carries besides its text.
enum class Mark {
    None,
    Bool,     // the Boolean block's gate
    Mask,     // "MASK" under the sign
    MaskOr,   // and the half line of OR under the sign
    MaskNot,  // and the negation over the sign
    MaskNor,  // and both
};

// A function block's name: its text in its font, the left edge at
// x + (centre width - cx) / 2 + nShiftX and the top at y + nTop.
struct FunctionName {
    LPCTSTR pszText;
    FontSpec font;
    int nCentreWidth;
    int nShiftX;
    int nTop;
    Mark mark;
};

constexpr FontSpec kMeasureFont = Fixed(12, 8);

// The Boolean block's pictogram: four inputs into a gate with one output.
void BooleanGate(CDC* pDC, int x0, int y)
{
    for (int n = 7; n <= 16; n += 3)
        Stroke(pDC, {{x0, y + n}, {x0 + 5, y + n}});
    Stroke(pDC, {{x0 + 5, y + 5}, {x0 + 5, y + 19}, {x0 + 15, y + 13}, {x0 + 5, y + 5}});
    Stroke(pDC, {{x0 + 15, y + 13}, {x0 + 20, y + 13}});
}

// The mask blocks: the gate's sign over "MASK", with the lines of OR and the negations.
void MaskMarks(CDC* pDC, Mark mark, int x, int y, CSize size)
{
    const int tx = x + (kDefaultWidth - size.cx) / 2;
    if (mark == Mark::MaskOr || mark == Mark::MaskNor)
        Stroke(pDC, {{tx, y + 7 + size.cy}, {tx + size.cx / 2, y + 7 + size.cy}});
    if (mark == Mark::MaskNot)
        Stroke(pDC, {{tx, y + 8}, {tx + size.cx + 1, y + 8}});
    if (mark == Mark::MaskNor)
        Stroke(pDC, {{tx, y + 8}, {tx + size.cx, y + 8}});
    SelectedFont mask(pDC, Swiss(10, 4, FW_HEAVY));
    const CSize maskSize = Extent(pDC, _T("MASK"));
    Text(pDC, x + (kDefaultWidth - maskSize.cx) / 2 + 1, y + 24, _T("MASK"));
}

void DrawFunctionName(const CBlockObj& block, CDC* pDC, const FunctionName& name)
{
    if (!block.IsNewGeneration())
        return;
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    SelectedFont font(pDC, name.font);
    const int x = block.m_ptPos.x;
    const int y = block.m_ptPos.y;
    const CSize size = Extent(pDC, name.pszText);
    const int tx = x + (name.nCentreWidth - size.cx) / 2 + name.nShiftX;
    if (name.mark == Mark::Bool)
        BooleanGate(pDC, tx, y);
    Text(pDC, tx, y + name.nTop, name.pszText);
    if (name.mark != Mark::None && name.mark != Mark::Bool)
        MaskMarks(pDC, name.mark, x, y, size);
}

// The math and data-log names: 12 x 5 fixed, centred on the default width.
void DrawMathName(const CBlockObj& block, CDC* pDC, LPCTSTR pszText)
{
    if (!block.IsNewGeneration())
        return;
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    SelectedFont font(pDC, Fixed(12, 5));
    const CSize size = Extent(pDC, pszText);
    Text(pDC, block.m_ptPos.x + (kDefaultWidth - size.cx) / 2 + 1, block.m_ptPos.y + 12, pszText);
}

}  // namespace

void CBlockBoolean::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("BOOL"), Swiss(9, 3), kDefaultWidth, 0, 24, Mark::Bool});
}

void CBlockTDT::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("TDT"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockBCD::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("BCD"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockBIN::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("BIN"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockROL::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("ROL"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockROR::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("ROR"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockSHL::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("SHL"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockSHR::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("SHR"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockANDM::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("&"), kMeasureFont, kDefaultWidth, 1, 9, Mark::Mask});
}

void CBlockORM::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T(">1"), kMeasureFont, kDefaultWidth, 1, 9, Mark::MaskOr});
}

void CBlockNOTM::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("1"), kMeasureFont, kDefaultWidth, 1, 9, Mark::MaskNot});
}

void CBlockNANDM::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("&"), kMeasureFont, kDefaultWidth, 1, 9, Mark::MaskNot});
}

void CBlockNORM::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T(">1"), kMeasureFont, kDefaultWidth, 1, 9, Mark::MaskNor});
}

void CBlockXORM::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("=1"), kMeasureFont, kDefaultWidth, 1, 9, Mark::Mask});
}

void CBlockARRMXIV::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("AXIV"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockACMXIV::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("DXIV"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockRAND::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("Rand"), Swiss(12, 5), kDefaultWidth, 1, 12, Mark::None});
}

void CBlockMEM::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("MEM"), Swiss(10, 5), 26, 0, 12, Mark::None});
}

void CBlockENCODER::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("ENC"), Swiss(12, 5), 26, 0, 12, Mark::None});
}

void CBlockSMC::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("SMC"), Swiss(12, 5), 26, 0, 12, Mark::None});
}

void CBlockSMCE::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("SMCE"), Swiss(11, 4), 26, 0, 12, Mark::None});
}

void CBlockPTO::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("PTO"), Swiss(12, 5), 26, 0, 12, Mark::None});
}

void CBlockPTOE::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("PTOE"), Swiss(11, 4), 26, 0, 12, Mark::None});
}

void CBlockSEG::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("SEG"), Swiss(12, 5), 26, 0, 12, Mark::None});
}

void CBlockWORD2BIT::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("WTB"), Swiss(12, 5), 26, 0, 12, Mark::None});
}

void CBlockUDC::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("UDC"), Swiss(12, 5), 26, 0, 12, Mark::None});
}

void CBlockCRC16::DrawSymbol(CDC* pDC) const
{
    DrawFunctionName(*this, pDC, {_T("CRC"), Swiss(12, 5), 26, 0, 12, Mark::None});
}

void CBlockODD::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("ODD"));
}

void CBlockEVEN::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("EVEN"));
}

void CBlockMOD::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("MOD"));
}

void CBlockREM::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("REM"));
}

void CBlockLOG::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("LOG"));
}

void CBlockSQRT::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("SQRT"));
}

void CBlockABS::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("ABS"));
}

void CBlockGCD::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("GCD"));
}

void CBlockLCM::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("LCM"));
}

void CBlockPOW2::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("POW2"));
}

void CBlockEXP::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("EXP"));
}

void CBlockFIX::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("FIX"));
}

void CBlockROUND::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("round"));
}

void CBlockSIN::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("SIN"));
}

void CBlockCOS::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("COS"));
}

void CBlockTAN::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("TAN"));
}

void CBlockCOT::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("COT"));
}

void CBlockSEC::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("SEC"));
}

void CBlockCSC::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("CSC"));
}

void CBlockQUAD::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("QUAD"));
}

void CBlockDataLog::DrawSymbol(CDC* pDC) const
{
    DrawMathName(*this, pDC, _T("L"));
}
