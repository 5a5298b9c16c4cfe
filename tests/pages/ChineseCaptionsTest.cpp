// The Chinese interface on every property page, every page of the program Properties sheet and
// the dialogs that have Chinese texts: each page is shown once in English and once in Chinese,
// and every caption is compared with the text table's pairs. A caption that changed must be the
// Chinese text paired with its English caption; a caption the table pairs with a Chinese text
// must change on every page that translates anything.
#include "SheetFixture.h"

#include "blocks/BlockTypeTable.h"
#include "messagetext/AIFilterDlg.h"
#include "messagetext/BarGraphSettingDlg.h"
#include "messagetext/GraphDlg.h"
#include "messagetext/IOSN.h"
#include "messagetext/MsgTextSettingDlg.h"
#include "messagetext/ScaleTimeDlg.h"
#include "pages/program/PropertiesPropSh.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "platform/core/StringTable.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Button.h"
#include "shell/ChineseTables.h"

#include <map>
#include <string_view>
#include <set>
#include <string>
#include <vector>

namespace {

// Page index and control id -> caption.
using Captions = std::map<std::pair<int, int>, CString>;

CString Normalised(CString str)
{
    str.Remove(_T('&'));
    str.Trim();
    str.TrimRight(_T(":"));
    str.Trim();
    str.MakeLower();
    return str;
}

// The Chinese texts the table pairs with an English caption; with nKey, only that key's.
std::set<CString> ChineseFor(const CString& strEnglish, int nKey = -1)
{
    std::set<CString> texts;
    const CString strWanted = Normalised(strEnglish);
    for (const ChineseTextPair& pair : ChineseTextPairs()) {
        // Menu captions carry their shortcuts: no control shows them.
        if ((nKey >= 0 && pair.nKey != nKey) || CString(pair.pszChinese).Find(_T('\t')) >= 0)
            continue;
        CString strRest = pair.pszEnglish;
        while (!strRest.IsEmpty()) {
            const int nBar = strRest.Find(_T('|'));
            if (Normalised(nBar < 0 ? strRest : strRest.Left(nBar)) == strWanted)
                texts.insert(pair.pszChinese);
            strRest = nBar < 0 ? CString() : strRest.Mid(nBar + 1);
        }
    }
    return texts;
}

// The timers' names in the string table, which two group captions show.
std::set<CString> StringResourceFor(const CString& strEnglish)
{
    std::set<CString> texts;
    for (const auto& [pszEnglish, nID] : {std::pair{u"On-Delay", 1579u}, std::pair{u"Off-Delay", 1580u}}) {
        if (strEnglish == CString(pszEnglish))
            texts.insert(CStringTable::Program().Lookup(nID, UiLanguage::SimplifiedChinese));
    }
    return texts;
}

// Room a check box or radio button needs for its box beside the text, a group box for the
// corner of its frame before the title.
constexpr int kBoxAllowance = 16;

// The caption is wider than its control shows.
bool IsCut(CWnd& control, const CString& strText)
{
    const DWORD dwType = control.GetStyle() & BS_TYPEMASK;
    const bool bButton = control.GetClassName() == CString(WC_BUTTON);
    if (bButton && (dwType == BS_PUSHBUTTON || dwType == BS_DEFPUSHBUTTON || dwType == BS_OWNERDRAW))
        return false;
    CDC dc;
    if (control.GetFont())
        dc.SelectObject(control.GetFont());
    else
        dc.SelectStockObject(DEFAULT_GUI_FONT);
    CRect rect;
    control.GetWindowRect(rect);
    return int(dc.GetTextExtent(strText).cx) + (bButton ? kBoxAllowance : 0) > rect.Width();
}

// Captions that do not fit, by page and control.
using CutCaptions = std::set<std::pair<int, int>>;
CutCaptions* g_pCut = nullptr;

void Collect(CWnd& page, int nPage, Captions& captions)
{
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
        const CString& strClass = pChild->GetClassName();
        // An edit's value must come through unchanged.
        if (strClass != CString(WC_STATIC) && strClass != CString(WC_BUTTON) && strClass != CString(WC_EDIT))
            continue;
        // What the user cannot see has no caption to read.
        if (!(pChild->GetStyle() & WS_VISIBLE))
            continue;
        CString strText;
        pChild->GetWindowText(strText);
        if (strText.IsEmpty() || pChild->GetDlgCtrlID() <= 0)
            continue;
        captions[{nPage, pChild->GetDlgCtrlID()}] = strText;
        if (g_pCut && g_bChineseUI && strClass != CString(WC_EDIT) && IsCut(*pChild, strText))
            g_pCut->insert({nPage, pChild->GetDlgCtrlID()});
    }
}

// The edit on the row of the label that shows strLabel, the nearest to its right.
CWnd* EditBeside(CWnd& page, const CString& strLabel)
{
    CRect rcLabel;
    bool bFound = false;
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild && !bFound; pChild = pChild->GetNextWindow()) {
        CString strText;
        pChild->GetWindowText(strText);
        if (pChild->GetClassName() == CString(WC_STATIC) && strText == strLabel) {
            pChild->GetWindowRect(rcLabel);
            bFound = true;
        }
    }
    CWnd* pBest = nullptr;
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild && bFound; pChild = pChild->GetNextWindow()) {
        CRect rect;
        pChild->GetWindowRect(rect);
        const int nMiddle = (rcLabel.top + rcLabel.bottom) / 2;
        if (pChild->GetClassName() != CString(WC_EDIT) || rect.left < rcLabel.left || rect.top > nMiddle ||
            rect.bottom < nMiddle)
            continue;
        CRect rcBest;
        if (pBest)
            pBest->GetWindowRect(rcBest);
        if (!pBest || rect.left < rcBest.left)
            pBest = pChild;
    }
    return pBest;
}

void TypeInto(CWnd& edit, std::u16string_view keys)
{
    edit.SetFocus();
    for (char16_t ch : keys)
        edit.SendMessage(WM_CHAR, WPARAM(ch), 1);
}

// What is wrong with the Chinese captions against the English ones. A caption that stays
// English is wrong on a page that translates other captions, and wherever the control's own
// id is the key of its English caption.
std::vector<std::string> Faults(const Captions& english, const Captions& chinese)
{
    std::set<int> translating;
    for (const auto& [key, strEnglish] : english) {
        const auto it = chinese.find(key);
        if (it != chinese.end() && it->second != strEnglish)
            translating.insert(key.first);
    }
    std::vector<std::string> faults;
    for (const auto& [key, strEnglish] : english) {
        const auto it = chinese.find(key);
        if (it == chinese.end())
            continue;
        std::set<CString> wanted = ChineseFor(strEnglish);
        wanted.merge(StringResourceFor(strEnglish));
        const std::string where = "page " + std::to_string(key.first) + " control " + std::to_string(key.second) +
                                  " \"" + strEnglish.ToUtf8() + "\"";
        if (it->second != strEnglish && !wanted.count(it->second))
            faults.push_back(where + " shows \"" + it->second.ToUtf8() + "\"");
        else if (it->second == strEnglish && !wanted.empty() &&
                 (translating.count(key.first) || !ChineseFor(strEnglish, key.second).empty()))
            faults.push_back(where + " stays English");
    }
    return faults;
}

class ChineseCaptions : public SheetFixture {
protected:
    void TearDown() override
    {
        g_mapIdText.RemoveAll();
        g_mapMenuText.RemoveAll();
        SheetFixture::TearDown();
    }
    // The captions that run collects, in English and then in Chinese; a Chinese caption that
    // its control cuts is a fault too.
    std::vector<std::string> CompareLanguages(const std::function<Captions()>& run)
    {
        CutCaptions cut;
        g_pCut = &cut;
        g_bChineseUI = 0;
        const Captions english = run();
        g_bChineseUI = 1;
        InitChineseTexts();
        const Captions chinese = run();
        g_bChineseUI = 0;
        g_pCut = nullptr;
        std::vector<std::string> faults = Faults(english, chinese);
        for (const auto& key : cut) {
            const auto it = chinese.find(key);
            const auto itEnglish = english.find(key);
            if (it == chinese.end() || (itEnglish != english.end() && itEnglish->second == it->second))
                continue;
            faults.push_back("page " + std::to_string(key.first) + " control " + std::to_string(key.second) + " \"" +
                             it->second.ToUtf8() + "\" is cut");
        }
        return faults;
    }
    // Every page of the next modal sheet, each shown once.
    void CollectSheet(Captions& captions)
    {
        OnModal(
            [&captions](CPropertySheet& sheet) {
                for (int i = 0; i < sheet.GetPageCount(); ++i) {
                    sheet.SetActivePage(i);
                    Collect(*sheet.GetPage(i), i, captions);
                }
            },
            IDCANCEL);
    }
};

TEST_F(ChineseCaptions, EveryBlockPageCaptionIsTheTranslationOfItsEnglishCaption)
{
    for (WORD wHardware : {WORD(0x5288), WORD(0x1188)}) {
        Doc().m_wHardwareCode = wHardware;
        g_wHardwareCode = wHardware;
        const BYTE byFlag = wHardware == 0x1188 ? GEN_OLDER : GEN_WIFI;
        for (const BlockTypeRow& type : BlockTypeRows()) {
            if (!(type.byGenerations & byFlag) || !(type.byLanguages & LANG_FBD) || !FindBlockPageRow(type.nType))
                continue;
            CBlockObj* pBlock = Block(type.nType);
            const auto faults = CompareLanguages([&] {
                Captions captions;
                CollectSheet(captions);
                Properties(pBlock);
                return captions;
            });
            EXPECT_TRUE(faults.empty()) << "type " << type.nType << " hardware " << std::hex << wHardware << ":\n"
                                        << testing::PrintToString(faults);
        }
    }
}

TEST_F(ChineseCaptions, EveryProgramPropertiesPageCaptionIsTheTranslationOfItsEnglishCaption)
{
    for (WORD wHardware : {WORD(0x5288), WORD(0x1188)}) {
        Doc().m_wHardwareCode = wHardware;
        const auto faults = CompareLanguages([&] {
            Captions captions;
            CollectSheet(captions);
            Command(ID_FILE_PROPERTIES);
            return captions;
        });
        EXPECT_TRUE(faults.empty()) << "hardware " << std::hex << wHardware << ":\n"
                                    << testing::PrintToString(faults);
    }
}

// The user finds the boxes by their labels, as a Chinese user reads them.
TEST_F(ChineseCaptions, APasswordTypedBesideItsChineseLabelsIsTheProgramsPassword)
{
    g_bChineseUI = 1;
    InitChineseTexts();
    CString strNew;
    CString strRepeat;
    ASSERT_TRUE(LookupChineseText(1021, strNew));
    ASSERT_TRUE(LookupChineseText(1022, strRepeat));
    EXPECT_EQ(strNew.ToUtf8(), "新密码");
    bool bTyped = false;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        auto& sheet = static_cast<CPropertySheet&>(dlg);
        sheet.SetActivePage(2);
        CWnd* pNew = EditBeside(*sheet.GetActivePage(), strNew);
        CWnd* pRepeat = EditBeside(*sheet.GetActivePage(), strRepeat);
        if (pNew && pRepeat) {
            TypeInto(*pNew, u"SECRET");
            TypeInto(*pRepeat, u"SECRET");
            bTyped = true;
        }
        // A refused OK leaves the sheet open with its message: Cancel closes it.
        const size_t nBoxes = m_boxes.Boxes().size();
        sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        if (m_boxes.Boxes().size() > nBoxes)
            sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Command(ID_FILE_PROPERTIES);
    EXPECT_TRUE(bTyped);
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(Doc().m_settings.strPassword.ToUtf8(), "SECRET");
}

TEST_F(ChineseCaptions, EveryDialogWithChineseTextsKeepsItsValuesAndCaptionsByItsOwnTexts)
{
    Doc().m_wHardwareCode = 0x5288;
    const std::vector<std::pair<const char*, std::function<void()>>> dialogs = {
        {"message text setting", [&] { CMsgTextSettingDlg(&Doc()).DoModal(); }},
        {"bar graph", [&] { CBarGraphSettingDlg(&Doc()).DoModal(); }},
        {"scale time", [&] { CScaleTimeDlg(&Doc()).DoModal(); }},
        {"graph", [] { CGraphDlg().DoModal(); }},
        {"I/O status name", [&] { CIOSN(&Doc()).DoModal(); }},
        {"language",
         [&] {
             CAIFilterDlg dlg(&Doc());
             dlg.m_nMode = AIFILTER_MODE_LANGUAGE;
             dlg.DoModal();
         }},
        {"COM configuration", [&] { Command(ID_OPTIONS_COM_CONFIG); }},
    };
    for (const auto& [pszName, run] : dialogs) {
        const auto faults = CompareLanguages([&, &run = run] {
            Captions captions;
            CDialog::SetDialogHook([&captions](CDialog& dlg) {
                Collect(dlg, 0, captions);
                dlg.EndDialog(IDCANCEL);
            });
            run();
            CDialog::SetDialogHook(nullptr);
            EXPECT_FALSE(captions.empty());
            return captions;
        });
        EXPECT_TRUE(faults.empty()) << pszName << ":\n" << testing::PrintToString(faults);
    }
}

}  // namespace
