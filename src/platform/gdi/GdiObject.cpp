#include "platform/gdi/GdiObject.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

#include <array>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {

constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

std::unique_ptr<CGdiObject> NewObjectOfKind(std::size_t nKind)
{
    switch (nKind) {
    case 0:
        return std::make_unique<CPen>();
    case 1:
        return std::make_unique<CBrush>();
    case 2:
        return std::make_unique<CFont>();
    default:
        return std::make_unique<CBitmap>();
    }
}

const CRuntimeClass* ClassOfKind(std::size_t nKind)
{
    static const CRuntimeClass* const classes[] = {RUNTIME_CLASS(CPen), RUNTIME_CLASS(CBrush),
                                                   RUNTIME_CLASS(CFont), RUNTIME_CLASS(CBitmap)};
    return classes[nKind];
}

CGdiObject* StockBrush(COLORREF colour)
{
    return new CBrush(colour);
}

CGdiObject* StockPen(int nStyle, COLORREF colour)
{
    return new CPen(nStyle, 0, colour);
}

CGdiObject* StockFont(int nHeight, int nWidth, int nWeight, BYTE nPitchAndFamily)
{
    auto* pFont = new CFont;
    pFont->CreateFont(nHeight, nWidth, 0, 0, nWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, nPitchAndFamily,
                      nullptr);
    return pFont;
}

// The stock objects live as long as the program: contexts hand them back from SelectObject at
// any time, so the table is never destroyed.
const std::array<CGdiObject*, kStockCount>& StockTable()
{
    static const auto* pTable = [] {
        auto* pNew = new std::array<CGdiObject*, kStockCount>{};
        auto& table = *pNew;
        table[WHITE_BRUSH] = StockBrush(RGB(255, 255, 255));
        table[LTGRAY_BRUSH] = StockBrush(RGB(192, 192, 192));
        table[GRAY_BRUSH] = StockBrush(RGB(128, 128, 128));
        table[DKGRAY_BRUSH] = StockBrush(RGB(64, 64, 64));
        table[BLACK_BRUSH] = StockBrush(RGB(0, 0, 0));
        auto* pHollow = new CBrush;
        const LOGBRUSH hollow{BS_NULL, 0, 0};
        pHollow->CreateBrushIndirect(&hollow);
        table[NULL_BRUSH] = pHollow;
        table[WHITE_PEN] = StockPen(PS_SOLID, RGB(255, 255, 255));
        table[BLACK_PEN] = StockPen(PS_SOLID, RGB(0, 0, 0));
        table[NULL_PEN] = StockPen(PS_NULL, RGB(0, 0, 0));
        table[OEM_FIXED_FONT] = StockFont(12, 8, FW_NORMAL, FIXED_PITCH | FF_MODERN);
        table[ANSI_FIXED_FONT] = StockFont(12, 9, FW_NORMAL, FIXED_PITCH | FF_MODERN);
        table[ANSI_VAR_FONT] = StockFont(12, 0, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
        table[SYSTEM_FONT] = StockFont(16, 0, FW_BOLD, VARIABLE_PITCH | FF_SWISS);
        table[DEVICE_DEFAULT_FONT] = StockFont(16, 0, FW_BOLD, VARIABLE_PITCH | FF_SWISS);
        table[SYSTEM_FIXED_FONT] = StockFont(16, 8, FW_NORMAL, FIXED_PITCH | FF_MODERN);
        table[DEFAULT_GUI_FONT] = StockFont(-11, 0, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
        return pNew;
    }();
    return *pTable;
}

}  // namespace

CGdiObject::~CGdiObject() { Release(); }

void CGdiObject::Release()
{
    if (m_pData && m_pData->pOwner == this)
        m_pData->pOwner = nullptr;
    m_pData.reset();
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_pData)
        return FALSE;
    Release();
    return TRUE;
}

void CGdiObject::Create(decltype(GdiObjectData::value) value)
{
    Release();
    m_pData = std::make_shared<GdiObjectData>(GdiObjectData{std::move(value), this});
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    const CGdiObject* pStock = FromStockObject(nIndex);
    if (!pStock)
        return FALSE;
    const CRuntimeClass* pKind = ClassOfKind(pStock->m_pData->value.index());
    if (GetRuntimeClass() != RUNTIME_CLASS(CGdiObject) && !IsKindOf(pKind))
        return FALSE;
    Release();
    m_pData = pStock->m_pData;
    return TRUE;
}

CGdiObject* CGdiObject::FromStockObject(int nIndex)
{
    if (nIndex < 0 || nIndex >= kStockCount)
        return nullptr;
    return StockTable()[nIndex];
}

std::unique_ptr<CGdiObject> CGdiObject::MakeOwnerFor(const std::shared_ptr<GdiObjectData>& pData)
{
    std::unique_ptr<CGdiObject> pObject = NewObjectOfKind(pData->value.index());
    pObject->m_pData = pData;
    pData->pOwner = pObject.get();
    return pObject;
}
