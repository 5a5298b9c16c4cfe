#include "shell/HelpTopics.h"

#include "platform/core/FileSystem.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/HelpBrowser.h"

std::map<WORD, CString> g_mapHelpTopic;

namespace {

constexpr TCHAR kAddressSeparator[] = _T("::\\");

struct HelpTopicRow {
    WORD nId;
    LPCTSTR pszPage;
};

// Ids 1011-1016, 1090, 1102, 1109, 1111 and 1112 have no page.
constexpr HelpTopicRow kHelpTopics[] = {
    {1000, _T("TAN.htm")}, {1001, _T("Stopwatch.htm")}, {1002, _T("Stairway Lighting Switch.htm")},
    {1003, _T("Stepping Motor Control.htm")}, {1004, _T("Stepping Motor Control _ Edge.htm")},
    {1005, _T("SQRT.htm")}, {1006, _T("SIN.htm")}, {1007, _T("SHR.htm")}, {1008, _T("SHL.htm")},
    {1009, _T("Shift register.htm")}, {1010, _T("Shift register bits.htm")}, {1017, _T("ABS.htm")},
    {1018, _T("ACMX_MI_AV.htm")}, {1019, _T("Analog amplifier.htm")}, {1020, _T("Analog comparator.htm")},
    {1021, _T("Analog differential trigger.htm")}, {1022, _T("Analog filter.htm")},
    {1023, _T("Analog inputs.htm")}, {1024, _T("Analog MUX.htm")}, {1025, _T("Analog outputs.htm")},
    {1026, _T("Analog Ramp.htm")}, {1027, _T("Analog threshold trigger.htm")},
    {1028, _T("Analog watchdog.htm")}, {1029, _T("AND with edge evaluation.htm")}, {1030, _T("AND.htm")},
    {1031, _T("AND_MASK.htm")}, {1032, _T("ARRMX_MI_AV.htm")}, {1033, _T("Astronomical clock.htm")},
    {1034, _T("Asynchronous Pulse Generator.htm")}, {1035, _T("Average Value.htm")}, {1036, _T("BCD.htm")},
    {1037, _T("BIN.htm")}, {1038, _T("COS.htm")}, {1039, _T("COT.htm")}, {1040, _T("CRC16.htm")},
    {1041, _T("CSC.htm")}, {1042, _T("Data Log.htm")}, {1043, _T("Edge triggered wiping relay.htm")},
    {1044, _T("ENCODER.htm")}, {1045, _T("EVEN.htm")}, {1046, _T("EXP.htm")}, {1047, _T("FIX.htm")},
    {1048, _T("Flags.htm")}, {1049, _T("Function Keys.htm")}, {1050, _T("GCD.htm")},
    {1051, _T("Hours counter.htm")}, {1052, _T("Inputs.htm")}, {1053, _T("Latching relay.htm")},
    {1054, _T("LCM.htm")}, {1055, _T("LOG.htm")}, {1056, _T("MathDetection.htm")},
    {1057, _T("Mathematical instruction.htm")}, {1058, _T("Max_Min.htm")}, {1059, _T("MEM.htm")},
    {1060, _T("Message text.htm")}, {1061, _T("MOD.htm")}, {1062, _T("Modbus Read.htm")},
    {1063, _T("Modbus Write.htm")}, {1064, _T("Multiple Function Switch.htm")},
    {1065, _T("NAND with edge evaluation.htm")}, {1066, _T("NAND.htm")}, {1067, _T("NAND_MASK.htm")},
    {1068, _T("NOR.htm")}, {1069, _T("NOR_MASK.htm")}, {1070, _T("NOT.htm")}, {1071, _T("NOT_MASK.htm")},
    {1072, _T("ODD.htm")}, {1073, _T("Off-Delay.htm")}, {1074, _T("On-Off-Delay.htm")},
    {1075, _T("On_Delay.htm")}, {1076, _T("Open connectors.htm")}, {1077, _T("OR.htm")},
    {1078, _T("OR_MASK.htm")}, {1079, _T("Outputs.htm")}, {1080, _T("Permanent logical levels.htm")},
    {1081, _T("PI controller.htm")}, {1082, _T("POW2.htm")}, {1083, _T("PTO.htm")}, {1084, _T("PTOE.htm")},
    {1085, _T("Pulse relay.htm")}, {1086, _T("PWM.htm")}, {1087, _T("Quadratic equation.htm")},
    {1088, _T("RAND.htm")}, {1089, _T("Random Generator.htm")}, {1091, _T("REM.htm")},
    {1092, _T("Retentive On-Delay.htm")}, {1093, _T("ROL.htm")}, {1094, _T("ROR.htm")},
    {1095, _T("ROUND.htm")}, {1096, _T("SEC.htm")}, {1097, _T("SEG.htm")}, {1098, _T("TDT.htm")},
    {1099, _T("Threshold trigger.htm")}, {1100, _T("UDC.htm")}, {1101, _T("Up_Down Counter.htm")},
    {1103, _T("Wiping relay.htm")}, {1104, _T("Word to Bit.htm")}, {1105, _T("XOR.htm")},
    {1106, _T("XOR_MASK.htm")}, {1107, _T("Yearly timer.htm")}, {1108, _T("Boolean function.htm")},
    {1110, _T("Weekly timer.htm")}, {1113, _T("Wifi Digital Read.htm")}, {1114, _T("Wifi Digital Write.htm")},
    {1115, _T("Wifi Analog Read.htm")}, {1116, _T("Wifi Analog Write.htm")},
};

void ShowMissing(const CString& strPath)
{
    CString strText;
    strText.Format(_T("Can't Find %s, Please Check!"), strPath);
    AfxMessageBox(strText, MB_OK);
}

} // namespace

void InitHelpTopics()
{
    g_mapHelpTopic.clear();
    for (const HelpTopicRow& row : kHelpTopics)
        g_mapHelpTopic.emplace(row.nId, row.pszPage);
}

CString HelpFileForLanguage(const CString& strHelpPath, BOOL bChinese)
{
    const int nSlash = strHelpPath.ReverseFind(PATH_SEPARATOR);
    const CString strFolder = strHelpPath.Left(nSlash + 1);
    CString strName = strHelpPath.Mid(nSlash + 1);
    strName.MakeUpper();
    if (bChinese)
        strName.Replace(_T("QARVOEDITOR.HLP"), _T("QARVOEDITOR_GBK.CHM"));
    else
        strName.Replace(_T("HLP"), _T("CHM"));
    return strFolder + strName;
}

CString BuildHelpAddress(const CString& strHelpFile, WORD nHelpId)
{
    CString strAddress = strHelpFile + kAddressSeparator;
    const auto it = g_mapHelpTopic.find(nHelpId);
    if (it != g_mapHelpTopic.end())
        strAddress += it->second;
    return strAddress;
}

CString HelpPageOfAddress(const CString& strAddress)
{
    const int nSeparator = strAddress.Find(kAddressSeparator);
    if (nSeparator < 0)
        return strAddress;
    const CString strTopic = strAddress.Mid(nSeparator + int(std::size(kAddressSeparator)) - 1);
    return strAddress.Left(nSeparator) + PATH_SEPARATOR + (strTopic.IsEmpty() ? CString(HELP_DEFAULT_PAGE) : strTopic);
}

void OpenHelpTopic(const CString& strAppFolder, BOOL bChinese, WORD nHelpId)
{
    const CString strHelpFile = HelpFileForLanguage(strAppFolder + _T("QARVOEditor.HLP"), bChinese);
    if (!PathFileExists(strHelpFile)) {
        ShowMissing(strHelpFile);
        return;
    }
    const CString strPage = HelpPageOfAddress(BuildHelpAddress(strHelpFile, nHelpId));
    if (!PathFileExists(strPage)) {
        ShowMissing(strPage);
        return;
    }
    // Without a browser to show it the user would see nothing at all: say so.
    if (!OpenHelpPage(strPage)) {
        CString strText;
        strText.Format(_T("No browser could open the help page %s."), strPage);
        AfxMessageBox(strText, MB_OK);
    }
}
