#include "pages/program/ProgramPageTemplates.h"

#include "pages/program/ProgramPageIds.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "platform/ui/TreeCtrl.h"

#include <vector>

namespace {

constexpr UINT kNoId = UINT(-1);
constexpr DWORD kEditStyle = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kListStyle = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr CSize kPageSize(300, 200);

// A template put together in tab order; group frames go last so that they lie below the
// controls they surround.
class Builder {
public:
    Builder(UINT nID, LPCTSTR lpszCaption, CSize size, DWORD dwStyle = WS_CHILD | DS_SETFONT)
    {
        m_t.nID = nID;
        m_t.strCaption = lpszCaption;
        m_t.dwStyle = dwStyle;
        m_t.size = size;
    }
    Builder& Label(UINT nID, LPCTSTR lpszText, CRect rect, bool bVisible = true)
    {
        return Add(bVisible ? DialogItem(nID, WC_STATIC, 0, rect, lpszText) : DialogControl(nID, WC_STATIC, 0, rect, lpszText));
    }
    Builder& Edit(int nID, CRect rect, DWORD dwExtra = 0) { return Add(DialogItem(UINT(nID), WC_EDIT, kEditStyle | dwExtra, rect)); }
    Builder& List(int nID, CRect rect, std::vector<CString> items = {})
    {
        DialogItemTemplate item = DialogItem(UINT(nID), WC_COMBOBOX, kListStyle, rect);
        item.items = std::move(items);
        return Add(std::move(item));
    }
    Builder& Check(int nID, LPCTSTR lpszText, CRect rect)
    {
        return Add(DialogItem(UINT(nID), WC_BUTTON, WS_TABSTOP | BS_AUTOCHECKBOX, rect, lpszText));
    }
    Builder& Push(int nID, LPCTSTR lpszText, CRect rect, DWORD dwExtra = BS_PUSHBUTTON)
    {
        return Add(DialogItem(UINT(nID), WC_BUTTON, WS_TABSTOP | dwExtra, rect, lpszText));
    }
    Builder& Group(UINT nID, LPCTSTR lpszText, CRect rect)
    {
        m_groups.push_back(DialogItem(nID, WC_BUTTON, BS_GROUPBOX, rect, lpszText));
        return *this;
    }
    Builder& Add(DialogItemTemplate item)
    {
        m_t.items.push_back(std::move(item));
        return *this;
    }
    void Register()
    {
        m_t.items.insert(m_t.items.end(), m_groups.begin(), m_groups.end());
        AfxRegisterDialogTemplate(m_t);
    }

private:
    DialogTemplate m_t;
    std::vector<DialogItemTemplate> m_groups;
};

void General()
{
    struct Row {
        int nLabelID;
        LPCTSTR lpszLabel;
        int nEditID;
    };
    static constexpr Row kRows[] = {
        {IDC_CREATOR_LABEL, _T("Creator"), IDC_GENERAL_TEXTS[0]},
        {IDC_PROJECT_NAME_LABEL, _T("Project Name"), IDC_GENERAL_TEXTS[1]},
        {IDC_INSTALLATION_LABEL, _T("Installation Name"), IDC_GENERAL_TEXTS[2]},
        {IDC_CUSTOMER_LABEL, _T("Customer"), IDC_GENERAL_TEXTS[3]},
        {IDC_DIAGRAM_NO_LABEL, _T("Diagram no."), IDC_GENERAL_TEXTS[4]},
        {IDC_CHECKED_LABEL, _T("Checked"), IDC_GENERAL_TEXTS[5]},
    };
    Builder b(IDD_GENERAL, _T("General"), kPageSize);
    int y = 12;
    for (const Row& row : kRows) {
        b.Label(UINT(row.nLabelID), row.lpszLabel, CRect(10, y + 2, 90, y + 12));
        b.Edit(row.nEditID, CRect(94, y, 290, y + 12));
        y += 18;
    }
    b.Label(UINT(IDC_VERSION_LABEL), _T("Version"), CRect(10, y + 2, 90, y + 12));
    for (int i = 0; i < 3; ++i)
        b.Edit(IDC_GENERAL_TEXTS[6 + i], CRect(94 + 66 * i, y, 94 + 66 * i + 62, y + 12));
    b.Check(IDC_SHOW_AT_NEW_FILE, _T("Show at new file"), CRect(10, 142, 150, 154));
    b.Register();
}

void Protect()
{
    Builder(IDD_PROTECT, _T("Protect"), kPageSize)
        .Label(IDC_TEMP_HIGH_LABEL, _T("High"), CRect(20, 26, 50, 36))
        .Edit(IDC_TEMP_HIGH, CRect(54, 24, 104, 36))
        .Label(kNoId, _T("\u00B0C"), CRect(108, 26, 124, 36))
        .Label(IDC_TEMP_LOW_LABEL, _T("Low"), CRect(20, 44, 50, 54))
        .Edit(IDC_TEMP_LOW, CRect(54, 42, 104, 54))
        .Label(kNoId, _T("\u00B0C"), CRect(108, 44, 124, 54))
        .Check(IDC_COPY_PROTECT, _T("Copy Protect"), CRect(20, 88, 150, 100))
        .Group(UINT(IDC_TEMP_GROUP), _T("Temperature Protect point"), CRect(10, 10, 288, 64))
        .Group(UINT(IDC_PROGRAM_PROTECT_GROUP), _T("Program protect"), CRect(10, 72, 288, 110))
        .Register();
}

void Parameter()
{
    const std::vector<CString> ranges = {_T("0-20 mA / 0-10V"), _T("4-20 mA")};
    Builder(IDD_PARAMETER, _T("Parameter"), CSize(300, 262))
        .Label(IDC_REDUNDANCY_LABEL, _T("Redundancy mode"), CRect(20, 24, 100, 34))
        .List(IDC_REDUNDANCY, CRect(104, 22, 170, 82), {_T("None"), _T("Master"), _T("Slave")})
        .Label(IDC_SYNC_TIME_LABEL, _T("Synchronizing time"), CRect(20, 41, 100, 51))
        .Edit(IDC_SYNC_TIME, CRect(104, 39, 170, 51))
        .Label(IDC_SYNC_UNIT, _T("ms"), CRect(174, 41, 190, 51))
        .Label(IDC_PROGRAM_NAME_LABEL, _T("Program name"), CRect(20, 76, 110, 86))
        .Edit(IDC_PROGRAM_NAME, CRect(114, 74, 190, 86))
        .Label(IDC_CURRENT_PASSWORD_LABEL, _T("Current password"), CRect(20, 92, 110, 102))
        .Edit(IDC_CURRENT_PASSWORD, CRect(114, 90, 190, 102), ES_PASSWORD)
        .Label(IDC_NEW_PASSWORD_LABEL, _T("New password"), CRect(20, 107, 110, 117))
        .Edit(IDC_NEW_PASSWORD, CRect(114, 105, 190, 117), ES_PASSWORD)
        .Label(IDC_REPEAT_PASSWORD_LABEL, _T("Repeat new password"), CRect(20, 122, 110, 132))
        .Edit(IDC_REPEAT_PASSWORD, CRect(114, 120, 190, 132), ES_PASSWORD)
        .Check(IDC_KEEP_AQ_VALUES, _T("All outputs keep the last values"), CRect(20, 156, 200, 168))
        .Push(IDC_FIXED_VALUE_BUTTON, _T("Fixed value of all output AQs"), CRect(20, 171, 160, 185))
        .Push(IDC_VALUE_RANGE_BUTTON, _T("Value range type"), CRect(20, 205, 130, 219))
        .Label(IDC_AI0_LABEL, _T("AI0"), CRect(20, 242, 36, 252))
        .List(IDC_AI0_RANGE, CRect(38, 240, 146, 283), ranges)
        .Label(IDC_AI1_LABEL, _T("AI1"), CRect(158, 242, 174, 252))
        .List(IDC_AI1_RANGE, CRect(176, 240, 284, 283), ranges)
        .Group(UINT(IDC_REDUNDANCY_GROUP), _T("Redundancy"), CRect(10, 8, 294, 58))
        .Group(UINT(IDC_NAME_PASSWORD_GROUP), _T("Program Name and Password Set"), CRect(10, 60, 294, 138))
        .Group(IDC_AQ_STOP_GROUP, _T("Behavior of analog outputs  in STOP mode"), CRect(10, 142, 294, 189))
        .Group(IDC_AQ_RANGE_GROUP, _T("Set analog outputs value range type"), CRect(10, 192, 294, 223))
        .Group(IDC_AI_RANGE_GROUP, _T("Set analog inputs value range type"), CRect(10, 227, 294, 258))
        .Register();
}

void ComSetting()
{
    Builder(IDD_COM_SETTING, _T("COM Communication Parameters Setting"), kPageSize)
        .Label(IDC_COM_MODEL_LABEL, _T("Model"), CRect(20, 22, 110, 32))
        .List(IDC_COM_MODEL, CRect(114, 20, 200, 80), {_T("Slave"), _T("Master"), _T("Text panel")})
        .Label(IDC_COM_ADDRESS_LABEL, _T("Device address"), CRect(20, 40, 110, 50))
        .Edit(IDC_COM_ADDRESS, CRect(114, 38, 160, 50))
        .Label(IDC_COM_SLAVE_NOTE, _T("(for slave func 1~255)"), CRect(164, 40, 292, 50))
        .Label(IDC_COM_PROTOCOL_LABEL, _T("Protocol"), CRect(20, 58, 110, 68))
        .List(IDC_COM_PROTOCOL, CRect(114, 56, 200, 110))
        .Label(IDC_COM_BAUD_LABEL, _T("Baud rate"), CRect(20, 76, 110, 86))
        .List(IDC_COM_BAUD, CRect(114, 74, 200, 160))
        .Label(IDC_COM_PARITY_LABEL, _T("Parity,Data,Stop"), CRect(20, 94, 110, 104))
        .List(IDC_COM_PARITY, CRect(114, 92, 200, 160))
        .Label(IDC_COM_TIMEOUT_LABEL, _T("Timeout"), CRect(20, 112, 110, 122))
        .Edit(IDC_COM_TIMEOUT, CRect(114, 110, 160, 122))
        .Label(IDC_COM_TIMEOUT_UNIT, _T("ms"), CRect(164, 112, 180, 122))
        .Label(IDC_COM_DELAY_LABEL, _T("Delay between polls"), CRect(20, 130, 110, 140))
        .Edit(IDC_COM_DELAY, CRect(114, 128, 160, 140))
        .Label(IDC_COM_DELAY_UNIT, _T("ms"), CRect(164, 130, 180, 140))
        .Label(IDC_COM_DATA_REGISTER_LABEL, _T("Data register index"), CRect(20, 148, 110, 158))
        .List(IDC_COM_DATA_REGISTER, CRect(114, 146, 200, 190), {_T("High Low"), _T("Low High")})
        .Group(UINT(IDC_COM_GROUP), _T("Communication parameters"), CRect(10, 6, 294, 168))
        .Register();
}

void SelectHardware()
{
    Builder(IDD_SELECT_HARDWARE, _T("Hardware"), CSize(300, 262))
        .Add(DialogItem(UINT(IDC_HARDWARE_TREE), WC_TREEVIEW,
                        WS_TABSTOP | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                        CRect(16, 20, 104, 250)))
        .Edit(IDC_HARDWARE_RESOURCES, CRect(122, 20, 288, 250),
              ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL)
        .Group(IDC_HARDWARE_GROUP, _T("Select Hardware:"), CRect(8, 6, 110, 256))
        .Group(IDC_RESOURCES_GROUP, _T("Resources"), CRect(114, 6, 294, 256))
        .Register();
}

void StartUpBmp()
{
    std::vector<CString> contrast;
    for (int n = 0; n < 8; ++n) {
        CString str;
        str.Format(_T("%d"), n);
        contrast.push_back(str);
    }
    Builder(IDD_STARTUP_BMP, _T("Startup Bmp"), CSize(300, 200))
        .Label(IDC_LOGO_FILE_LABEL, _T("Company logo"), CRect(10, 12, 70, 22))
        .Edit(IDC_LOGO_FILE, CRect(74, 10, 250, 22))
        .Push(IDC_LOGO_OPEN, _T("Open"), CRect(254, 9, 292, 23))
        .Check(IDC_LOGO_INVERSE, _T("Show at Device Inversely"), CRect(10, 28, 150, 40))
        .Add(DialogItem(UINT(IDC_LOGO_FRAME), WC_STATIC, SS_ETCHEDFRAME, CRect(10, 46, 88, 94)))
        .Label(IDC_LOGO_NOTE, _T(""), CRect(102, 46, 292, 56), false)
        .Label(IDC_LCD_LABEL_FIRST, _T("Language"), CRect(20, 124, 110, 134))
        .List(IDC_LCD_LANGUAGE, CRect(114, 122, 210, 200))
        .Label(IDC_LCD_LABEL_FIRST + 1, _T("Logo display time"), CRect(20, 140, 110, 150))
        .List(IDC_LOGO_TIME, CRect(114, 138, 210, 200))
        .Label(IDC_LCD_LABEL_FIRST + 2, _T("LCD contrast"), CRect(20, 156, 110, 166))
        .List(IDC_LCD_CONTRAST, CRect(114, 154, 210, 240), contrast)
        .Label(IDC_LCD_LABEL_FIRST + 3, _T("LCD backlight"), CRect(20, 172, 110, 182))
        .List(IDC_LCD_BACKLIGHT, CRect(114, 170, 210, 210))
        .Group(IDC_LCD_GROUP, _T("LCD"), CRect(10, 108, 294, 192))
        .Register();
}

// A modal dialog of 32 controls in eight rows of four (one row per unit) with OK and Cancel.
void AnalogOutputDialog(UINT nID, LPCTSTR lpszCaption, int nFirstID, bool bCombos)
{
    static constexpr LPCTSTR kUnits[] = {_T("Main"),  _T("Ext.1"), _T("Ext.2"), _T("Ext.3"),
                                         _T("Ext.4"), _T("Ext.5"), _T("Ext.6"), _T("Ext.7")};
    const int nCellWidth = bCombos ? 86 : 40;
    const int nWidth = 44 + 4 * (nCellWidth + 4) + 6;
    Builder b(nID, lpszCaption, CSize(nWidth, 196),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    for (int q = 0; q < 4; ++q) {
        CString str;
        str.Format(_T("AQ%d"), q);
        const int x = 44 + q * (nCellWidth + 4);
        b.Label(kNoId, str, CRect(x, 6, x + nCellWidth, 16));
    }
    for (int unit = 0; unit < 8; ++unit) {
        const int y = 20 + 18 * unit;
        b.Label(kNoId, kUnits[unit], CRect(8, y + 2, 40, y + 12));
        for (int q = 0; q < 4; ++q) {
            const int x = 44 + q * (nCellWidth + 4);
            const int nCtl = nFirstID + 4 * unit + q;
            if (bCombos)
                b.List(nCtl, CRect(x, y, x + nCellWidth, y + 40), {_T("0-20 mA / 0-10V"), _T("4-20 mA")});
            else
                b.Edit(nCtl, CRect(x, y, x + nCellWidth, y + 12));
        }
    }
    b.Push(IDOK, _T("OK"), CRect(nWidth - 112, 174, nWidth - 62, 188), BS_DEFPUSHBUTTON)
        .Push(IDCANCEL, _T("Cancel"), CRect(nWidth - 56, 174, nWidth - 6, 188))
        .Register();
}

} // namespace

void RegisterProgramPageTemplates()
{
    static const bool bRegistered = [] {
        General();
        Protect();
        Parameter();
        ComSetting();
        SelectHardware();
        StartUpBmp();
        AnalogOutputDialog(IDD_FIXED_VALUE, _T("Fixed value"), IDC_FIXED_VALUE_FIRST, false);
        AnalogOutputDialog(IDD_VALUE_RANGE_TYPE, _T("Value range type"), IDC_RANGE_TYPE_FIRST, true);
        return true;
    }();
    (void)bRegistered;
}
