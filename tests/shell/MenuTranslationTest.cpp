#include "shell/MenuTranslation.h"

#include "platform/ui/Menu.h"
#include "shell/ChineseTables.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct MenuItemSpec {
    MenuItemSpec(UINT nId, LPCTSTR pszCaption, std::vector<MenuItemSpec> subItems = {})
        : nID(nId), pszText(pszCaption), items(std::move(subItems))
    {
    }
    UINT nID;  // 0 with items: a popup
    LPCTSTR pszText;
    std::vector<MenuItemSpec> items;
};

std::unique_ptr<CMenu> BuildMenu(const std::vector<MenuItemSpec>& items, bool bBar)
{
    auto pMenu = std::make_unique<CMenu>();
    bBar ? pMenu->CreateMenu() : pMenu->CreatePopupMenu();
    for (const MenuItemSpec& item : items) {
        if (item.items.empty())
            pMenu->AppendMenu(MF_STRING, item.nID, item.pszText);
        else
            pMenu->AppendMenu(MF_POPUP, UINT_PTR(BuildMenu(item.items, false).release()),
                              item.pszText);
    }
    return pMenu;
}

// Small copies of the two menus: some listed commands of each menu and the items that stay
// English (Convert to FBD, a recent file, the Align popup, the Inputs bar, the WiFi set-ups).
const std::vector<MenuItemSpec> kNoDocMenu = {
    {0, u"&File", {{0, u"New", {{57600, u"Function block diagram(FBD)"}}}, {57665, u"E&xit"}}},
    {0, u"&View", {{59392, u"&Toolbar"}}},
    {0, u"&Tools", {{0, u"Transfer", {{32806, u"Device->PC   Ctrl+U"},
                                      {32853, u"WiFi Setup(77XX only)"}}},
                    {32830, u"I/O Status..."}}},
    {0, u"&Options", {{32852, u"Language"}}},
    {0, u"&Help", {{57664, u"&About..."}}},
};

const std::vector<MenuItemSpec> kDocMenu = {
    {0, u"&File", {{0, u"New", {{57600, u"Function block diagram(FBD)"},
                                {32824, u"Ladder diagram(LAD)"}}},
                   {3015, u"Convert to FBD"}, {57616, u"1 plant.dfb"}, {32779, u"Properties"}}},
    {0, u"&Edit", {{57643, u"&Undo\tCtrl+Z"},
                   {0, u"Align", {{32854, u"Align Vertically"}}},
                   {32709, u"&Go To Block...\tCtrl+G"}}},
    {0, u"&View", {{32813, u"Inputs Bar"}, {32817, u"Infomation Window"}}},
    {0, u"&Tools", {{0, u"Transfer", {{32807, u"PC->Device   Ctrl+D"},
                                      {32856, u"Remote Control WiFi Setup(7450 only)"}}},
                    {32802, u"&Simulation\tF3"}}},
    {0, u"&Options", {{32819, u"Select hardware"}}},
    {0, u"&Window", {{57650, u"&Cascade"}}},
    {0, u"&Help", {{57667, u"&Contents"}}},
};

std::string Caption(const CMenu& menu, UINT nItem, UINT nBy)
{
    CString strText;
    menu.GetMenuString(nItem, strText, nBy);
    return strText.ToUtf8();
}

std::string IdText(UINT nID)
{
    CString strText;
    return g_mapIdText.Lookup(WORD(nID), strText) ? strText.ToUtf8() : "<none>";
}

std::string MenuText(LPCTSTR pszEnglish)
{
    CString strText;
    return g_mapMenuText.Lookup(pszEnglish, strText) ? strText.ToUtf8() : "<none>";
}

// Every caption, command and popup of a menu, depth first.
void Dump(const CMenu& menu, std::vector<std::string>& out)
{
    for (const CMenu::Item& item : menu.Items()) {
        out.push_back(std::to_string(item.nID) + " " + std::to_string(item.nFlags) + " " +
                      item.strText.ToUtf8() + (item.pPopup ? " {" : ""));
        if (item.pPopup) {
            Dump(*item.pPopup, out);
            out.push_back("}");
        }
    }
}

std::vector<std::string> Dump(const CMenu& menu)
{
    std::vector<std::string> out;
    Dump(menu, out);
    return out;
}

class MenuTranslation : public testing::Test {
protected:
    void SetUp() override { InitChineseTexts(); }
    void TearDown() override
    {
        g_mapIdText.RemoveAll();
        g_mapMenuText.RemoveAll();
    }

    // The listed commands carry their Chinese texts; the others keep their English ones.
    static void ExpectCommands(const CMenu& bar, std::initializer_list<UINT> chinese,
                               std::initializer_list<UINT> english,
                               const std::vector<std::string>& englishBefore)
    {
        for (UINT nID : chinese)
            EXPECT_EQ(Caption(bar, nID, MF_BYCOMMAND), IdText(nID)) << nID;
        std::size_t i = 0;
        for (UINT nID : english)
            EXPECT_EQ(Caption(bar, nID, MF_BYCOMMAND), englishBefore[i++]) << nID;
    }
};

TEST_F(MenuTranslation, NoDocumentMenuGetsItsListedCaptions)
{
    auto pBar = BuildMenu(kNoDocMenu, true);
    const std::string strWifi = Caption(*pBar, 32853, MF_BYCOMMAND);
    TranslateMenuBar(pBar.get(), FALSE, 7);  // the start plays no part here

    const LPCTSTR tops[] = {u"&File", u"&View", u"&Tools", u"&Options", u"&Help"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Caption(*pBar, UINT(i), MF_BYPOSITION), MenuText(tops[i])) << i;
        ASSERT_NE(pBar->GetSubMenu(i), nullptr) << i;
    }
    EXPECT_EQ(Caption(*pBar->GetSubMenu(0), 0, MF_BYPOSITION), MenuText(u"New"));
    EXPECT_EQ(Caption(*pBar->GetSubMenu(2), 0, MF_BYPOSITION), MenuText(u"Transfer"));
    EXPECT_EQ(pBar->GetSubMenu(2)->GetSubMenu(0)->GetMenuItemCount(), 2u);
    ExpectCommands(*pBar, {57600, 57665, 59392, 32806, 32830, 32852, 57664}, {32853}, {strWifi});
}

TEST_F(MenuTranslation, DocumentMenuBehindAMaximisedWindowsMenu)
{
    auto pBar = BuildMenu(kDocMenu, true);
    // A maximised document window puts its own menu at position 0.
    auto pWindowMenu = std::make_unique<CMenu>();
    pWindowMenu->CreatePopupMenu();
    pWindowMenu->AppendMenu(MF_STRING, 61536, u"&Close");
    pBar->InsertMenu(0, MF_BYPOSITION | MF_POPUP, UINT_PTR(pWindowMenu.release()), u"");
    std::vector<std::string> english;
    for (UINT nID : {3015u, 57616u, 32854u, 32813u, 32856u, 61536u})
        english.push_back(Caption(*pBar, nID, MF_BYCOMMAND));

    TranslateMenuBar(pBar.get(), TRUE, 1);

    EXPECT_EQ(Caption(*pBar, 0, MF_BYPOSITION), "");
    const LPCTSTR tops[] = {u"&File", u"&Edit",   u"&View", u"&Tools",
                            u"&Options", u"&Window", u"&Help"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Caption(*pBar, UINT(i + 1), MF_BYPOSITION), MenuText(tops[i])) << i;
    EXPECT_EQ(Caption(*pBar->GetSubMenu(1), 0, MF_BYPOSITION), MenuText(u"New"));
    EXPECT_EQ(Caption(*pBar->GetSubMenu(4), 0, MF_BYPOSITION), MenuText(u"Transfer"));
    EXPECT_EQ(Caption(*pBar->GetSubMenu(2), 1, MF_BYPOSITION), "Align");
    ExpectCommands(*pBar, {57600, 32824, 32779, 57643, 32709, 32817, 32807, 32819, 57650, 57667},
                   {3015, 57616, 32854, 32813, 32856, 61536}, english);
    EXPECT_EQ(Caption(*pBar, 32802, MF_BYCOMMAND), "仿真(&S)") << "the English caption's access letter stays";
}

// A second rewrite changes nothing, and empty tables leave the English menu.
TEST_F(MenuTranslation, RewritesWithNothingToTranslateChangeNothing)
{
    auto pBar = BuildMenu(kDocMenu, true);
    TranslateMenuBar(pBar.get(), TRUE, 0);
    const auto once = Dump(*pBar);
    TranslateMenuBar(pBar.get(), TRUE, 0);
    EXPECT_EQ(Dump(*pBar), once);

    g_mapIdText.RemoveAll();
    g_mapMenuText.RemoveAll();
    pBar = BuildMenu(kDocMenu, true);
    const auto english = Dump(*pBar);
    TranslateMenuBar(pBar.get(), TRUE, 0);
    EXPECT_EQ(Dump(*pBar), english);
}

TEST_F(MenuTranslation, ItemsKeepTheirCommandsGreyStateAndCheckMarks)
{
    auto pBar = BuildMenu(kDocMenu, true);
    pBar->EnableMenuItem(32819, MF_BYCOMMAND | MF_GRAYED);
    pBar->CheckMenuItem(32817, MF_BYCOMMAND | MF_CHECKED);
    TranslateMenuBar(pBar.get(), TRUE, 0);
    EXPECT_TRUE(pBar->GetMenuState(32819, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(pBar->GetMenuState(32817, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(pBar->GetSubMenu(2)->GetMenuItemID(1), 32817u);
    EXPECT_EQ(pBar->GetSubMenu(0)->GetMenuItemID(0), UINT(-1));
}

// A start one past the first menu reaches captions that are no English key; they stay, so no
// menu takes another's caption, and the commands are still found wherever they are.
TEST_F(MenuTranslation, CaptionsThatAreNoKeyStayAsTheyAre)
{
    auto pBar = BuildMenu(kDocMenu, true);
    TranslateMenuBar(pBar.get(), TRUE, 1);
    EXPECT_EQ(Caption(*pBar, 0, MF_BYPOSITION), "&File");
    EXPECT_EQ(Caption(*pBar, 1, MF_BYPOSITION), MenuText(u"&Edit"));
    EXPECT_EQ(Caption(*pBar, 6, MF_BYPOSITION), MenuText(u"&Help"));
    EXPECT_EQ(Caption(*pBar->GetSubMenu(0), 0, MF_BYPOSITION), "New");
    EXPECT_EQ(Caption(*pBar, 57643, MF_BYCOMMAND), IdText(57643));
    EXPECT_EQ(Caption(*pBar, 32819, MF_BYCOMMAND), IdText(32819));
    EXPECT_EQ(Caption(*pBar, 57600, MF_BYCOMMAND), IdText(57600));
}

} // namespace
