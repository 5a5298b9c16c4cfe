#include "document/DataLogTexts.h"

#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/LoggableParams.h"

#include <iterator>

namespace {

enum class Shape {
    Point,      // "AQ103[caption]": unit and two-digit point, then the type's caption
    Numbered,   // "AM7[caption]": the index, then the type's caption
    UnitRange,  // "I100-I107": unit and two-digit first point, eight points
    Range,      // "M8-M15": the first and last index, eight points
};

struct OperandKind {
    LPCTSTR pszPrefix;
    int nBase;
    int nPoints;    // how many operands the page offers
    int nPerUnit;   // operands of one unit; 0 for kinds without units
    Shape shape;
    int nCaptionType;
};

// In the page's order.
constexpr OperandKind kKinds[] = {
    {_T("AI"), NUM_ANALOG_IN, 64, 8, Shape::Point, BT_ANALOG_IN},
    {_T("AM"), NUM_ANALOG_FLAG, 512, 0, Shape::Numbered, BT_ANALOG_FLAG},
    {_T("AQ"), NUM_ANALOG_OUT, 32, 4, Shape::Point, BT_ANALOG_OUT},
    {_T("I"), NUM_INPUT, 256, 32, Shape::UnitRange, 0},
    {_T("M"), NUM_FLAG, 512, 0, Shape::Range, 0},
    {_T("Q"), NUM_OUTPUT, 128, 16, Shape::UnitRange, 0},
};

constexpr int kRangePoints = 8;

int Step(const OperandKind& kind)
{
    return kind.shape == Shape::UnitRange || kind.shape == Shape::Range ? kRangePoints : 1;
}

CString Caption(int nType)
{
    CString strCaption;
    g_mapBlockCaption.Lookup(nType, strCaption);
    return strCaption;
}

CString KindText(const OperandKind& kind, int nIndex)
{
    const int nUnit = kind.nPerUnit ? nIndex / kind.nPerUnit : 0;
    const int nPoint = kind.nPerUnit ? nIndex % kind.nPerUnit : nIndex;
    CString str;
    switch (kind.shape) {
    case Shape::Point:
        str.Format(_T("%s%d%02d%s"), kind.pszPrefix, nUnit, nPoint, LPCTSTR(Caption(kind.nCaptionType)));
        break;
    case Shape::Numbered:
        str.Format(_T("%s%d%s"), kind.pszPrefix, nIndex, LPCTSTR(Caption(kind.nCaptionType)));
        break;
    case Shape::UnitRange:
        str.Format(_T("%s%d%02d-%s%d%02d"), kind.pszPrefix, nUnit, nPoint, kind.pszPrefix, nUnit,
                   nPoint + kRangePoints - 1);
        break;
    case Shape::Range:
        str.Format(_T("%s%d-%s%d"), kind.pszPrefix, nIndex, kind.pszPrefix, nIndex + kRangePoints - 1);
        break;
    }
    return str;
}

}  // namespace

std::vector<CString> DataLogOperandSources()
{
    std::vector<CString> texts;
    for (const OperandKind& kind : kKinds) {
        for (int nIndex = 0; nIndex < kind.nPoints; nIndex += Step(kind))
            texts.push_back(KindText(kind, nIndex));
    }
    return texts;
}

CString DataLogOperandText(int nNumber)
{
    for (const OperandKind& kind : kKinds) {
        const int nIndex = nNumber - kind.nBase;
        if (nIndex >= 0 && nIndex < kind.nPoints)
            return KindText(kind, nIndex);
    }
    return CString();
}

std::vector<CString> LoggableParamNames(int nType)
{
    const auto names = ParameterNameTable();
    std::vector<CString> result;
    for (int nId : LoggableParamIds(nType)) {
        if (nId >= 0 && nId < int(names.size()))
            result.emplace_back(names[std::size_t(nId)]);
    }
    return result;
}
