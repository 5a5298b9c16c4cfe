#include "shell/ChineseTables.h"

#include "shell/VetlaApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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

// Every text of the table is there to be shown: none is empty or longer than the interface
// takes.
TEST_F(ChineseTables, EveryIdTextFitsTheInterface)
{
    EXPECT_EQ(g_mapIdText.GetCount(), ID_TEXT_COUNT);
    POSITION pos = g_mapIdText.GetStartPosition();
    while (pos) {
        WORD nKey = 0;
        CString strText;
        g_mapIdText.GetNextAssoc(pos, nKey, strText);
        EXPECT_FALSE(strText.IsEmpty()) << nKey;
        EXPECT_LE(strText.GetLength(), CHINESE_TEXT_MAX_LENGTH) << nKey;
    }
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
