#include "shell/ChineseTables.h"

#include "shell/VetlaApp.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Every number that has a Chinese text, as ranges.
constexpr const char* kKeyList =
    "1, 2, 9, 132-146, 148-183, 1014, 1021, 1022, 1024-1026, 1068, 1080, 1083-1088, 1091, "
    "1104-1111, 1113, 1115, 1116, 1118, 1119, 1121, 1128, 1137, 1139-1142, 1176, 1177, 1180, "
    "1181, 1183, 1189-1192, 1194, 1195, 1200-1208, 1212, 1213, 1215, 1217, 1224, 1225, 1238, "
    "1239, 1245, 1295, 1322, 1326, 1327, 1330, 1342-1375, 1401, 1423, 1546, 1547, 1553, 1554, "
    "12321, 32709, 32773, 32779, 32795, 32798, 32802, 32806, 32807, 32815, 32817-32820, 32824, "
    "32829, 32830, 32834, 32835, 32852, 57600-57607, 57609, 57632, 57634, 57635, 57637, "
    "57642-57644, 57650, 57651, 57664, 57665, 57667, 59392, 59393, 59580";

std::set<WORD> ExpectedKeys()
{
    std::set<WORD> keys;
    std::istringstream in(kKeyList);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto dash = item.find('-');
        const int nFirst = std::stoi(item.substr(0, dash));
        const int nLast = dash == std::string::npos ? nFirst : std::stoi(item.substr(dash + 1));
        for (int n = nFirst; n <= nLast; ++n)
            keys.insert(WORD(n));
    }
    return keys;
}

std::string Text(WORD nKey)
{
    CString strText;
    return g_mapIdText.Lookup(nKey, strText) ? strText.ToUtf8() : std::string("<none>");
}

class ChineseTables : public testing::Test {
protected:
    void SetUp() override { InitChineseTexts(); }
    void TearDown() override
    {
        g_bChineseUI = m_nSavedLanguage;
        g_mapIdText.RemoveAll();
        g_mapMenuText.RemoveAll();
    }

    int m_nSavedLanguage = g_bChineseUI;
};

TEST_F(ChineseTables, IdTextsHaveExactlyTheListedKeys)
{
    const std::set<WORD> expected = ExpectedKeys();
    ASSERT_EQ(expected.size(), std::size_t(ID_TEXT_COUNT));
    EXPECT_EQ(g_mapIdText.GetCount(), ID_TEXT_COUNT);
    EXPECT_EQ(g_mapIdText.GetHashTableSize(), ID_TEXT_HASH_SIZE);
    std::set<WORD> actual;
    POSITION pos = g_mapIdText.GetStartPosition();
    while (pos) {
        WORD nKey = 0;
        CString strText;
        g_mapIdText.GetNextAssoc(pos, nKey, strText);
        actual.insert(nKey);
        EXPECT_FALSE(strText.IsEmpty()) << nKey;
        EXPECT_LE(strText.GetLength(), CHINESE_TEXT_MAX_LENGTH) << nKey;
    }
    EXPECT_EQ(actual, expected);
}

// Numbers that stand for one text at several places.
TEST_F(ChineseTables, SharedNumbersShareTheirText)
{
    const std::vector<std::vector<WORD>> groups = {
        {1546, 1547, 1553, 1554, 1080, 1014}, {1245, 1348}, {1342, 1108}, {1343, 1109},
        {1139, 1104}, {1140, 1105}, {1212, 1215}, {32819, 1372},
    };
    for (const auto& group : groups) {
        for (WORD nKey : group)
            EXPECT_EQ(Text(nKey), Text(group.front())) << nKey;
    }
}

TEST_F(ChineseTables, MenuCaptionsOfTheTopLevelAndTheTwoPopups)
{
    EXPECT_EQ(g_mapMenuText.GetCount(), 9);
    EXPECT_EQ(g_mapMenuText.GetHashTableSize(), MENU_TEXT_HASH_SIZE);
    for (LPCTSTR pszKey : {u"&File", u"&Edit", u"&View", u"&Tools", u"&Options", u"&Window",
                           u"&Help", u"New", u"Transfer"}) {
        CString strText;
        EXPECT_TRUE(g_mapMenuText.Lookup(pszKey, strText)) << CString(pszKey).ToUtf8();
    }
    CString strFile;
    g_mapMenuText.Lookup(u"&File", strFile);
    EXPECT_EQ(strFile.ToUtf8(), "文件(&F)");
}

TEST_F(ChineseTables, LookupGivesTheTextOnlyInTheChineseInterface)
{
    g_bChineseUI = 1;
    CString strText(_T("OK"));
    EXPECT_TRUE(LookupChineseText(1, strText));
    EXPECT_EQ(strText.ToUtf8(), "确定");
    EXPECT_TRUE(LookupChineseText(57600, strText));
    EXPECT_EQ(strText.ToUtf8(), "功能块图(FBD)");

    // 147 lies between two listed ranges; 1 + 0x10000 would alias key 1 as a WORD.
    for (UINT nKey : {147u, 1000u, 65535u, 0x10001u}) {
        strText = _T("English");
        EXPECT_FALSE(LookupChineseText(nKey, strText)) << nKey;
        EXPECT_EQ(strText.ToUtf8(), "English");
    }

    g_bChineseUI = 0;
    strText = _T("Cancel");
    EXPECT_FALSE(LookupChineseText(2, strText));
    EXPECT_EQ(strText.ToUtf8(), "Cancel");
}

TEST_F(ChineseTables, ABuildStartsFromNothing)
{
    g_mapIdText.SetAt(147, _T("stray"));
    g_mapIdText.SetAt(1, _T("changed"));
    g_mapMenuText.SetAt(_T("&Stray"), _T("x"));
    InitChineseTexts();
    EXPECT_EQ(g_mapIdText.GetCount(), ID_TEXT_COUNT);
    EXPECT_EQ(Text(147), "<none>");
    EXPECT_EQ(Text(1), "确定");
    EXPECT_EQ(g_mapMenuText.GetCount(), 9);
}

} // namespace
