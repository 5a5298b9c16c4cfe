#include "pages/blocks/MemSourceValues.h"

#include "document/BlockNames.h"

#include <initializer_list>

namespace {

struct SourceRow {
    std::initializer_list<int> types;
    std::initializer_list<int> ids;
};

const SourceRow kRows[] = {
    {{400, 401, 402, 403, 404, 405, 406, 408, 409}, {0}},
    {{412}, {78, 79}},
    {{413}, {81, 82, 83}},
    {{800}, {16}},
    {{801}, {20, 21, 66, 67}},
    {{802}, {22}},
    {{803}, {28, 29, 30}},
    {{804, 805}, {28}},
    {{806}, {32, 28}},
    {{807}, {28, 25}},
    {{815, 816}, {70}},
    {{817}, {102}},
    {{818}, {114, 115}},
    {{819}, {117}},
    {{820}, {89, 98}},
    {{821}, {89, 96, 97, 98}},
    {{822}, {93, 94}},
    {{823}, {100, 101}},
    {{832, 833, 840, 853, 866, 867, 868}, {114}},
    {{834, 835}, {118, 114}},
    {{836, 837}, {119, 114}},
    {{838, 839, 841, 842, 843}, {120, 114}},
    {{844}, {95, 121, 114}},
    {{845}, {95, 114}},
    {{846, 862, 863, 871, 872}, {122, 114}},
    {{848}, {144, 140, 141, 142, 125}},
    {{849}, {126}},
    {{850}, {126, 127}},
    {{851}, {138}},
    {{852}, {138, 143}},
    {{854}, {124}},
    {{855}, {128}},
    {{856}, {129}},
    {{864}, {122, 123, 114}},
    {{865, 869, 870, 873, 874, 875, 876, 877, 878, 879}, {123, 114}},
};

}  // namespace

std::vector<int> MemSourceValueIds(int nType)
{
    for (const SourceRow& row : kRows) {
        for (int n : row.types) {
            if (n == nType)
                return std::vector<int>(row.ids);
        }
    }
    return {};
}

std::vector<CString> MemSourceValueNames(int nType)
{
    const auto table = ParameterNameTable();
    std::vector<CString> names;
    for (int nId : MemSourceValueIds(nType)) {
        // The names of the interface's language once the document filled them, else English.
        if (nId < g_arrParameterNames.GetSize())
            names.push_back(g_arrParameterNames[nId]);
        else
            names.emplace_back(size_t(nId) < table.size() ? table[size_t(nId)] : _T(""));
    }
    return names;
}
