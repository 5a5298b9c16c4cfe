#include "document/HardwareChange.h"

#include "blocks/BlockObj.h"
#include "document/GenerationRules.h"
#include "document/HardwareSeries.h"
#include "document/VetlaDoc.h"

const HardwareLine g_hardwareLines[HARDWARE_LINE_COUNT] = {
    {0, _T("3X Series"), _T("B1.XX"), 0x1188}, {2, _T("4X Series"), _T("B1.XX"), 0x2188},
    {4, _T("75X Series"), _T("C1.XX"), 0x5188}, {6, _T("77X Series"), _T("C1.XX"), 0x5288},
    {8, _T("89X Series"), _T("C1.XX"), 0x6188},
};

namespace {

constexpr int FIRST_NEWER_FAMILY = 4;
constexpr int WIFI_LINE = 7;
constexpr WORD FIRST_NEWER_CODE = 0x5188;

bool IsNewerLine(int nItem) { return nItem >= FIRST_NEWER_FAMILY; }

void AdaptForOlder(CVetlaDoc& doc)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos))->AdaptToOlderLine();
    }
    for (ComPortSettings& com : doc.m_settings.com) {
        if (com.nBaudIndex >= 10)
            com.nBaudIndex = COM_BAUD_9600;
    }
}

void AdaptForNewer(CVetlaDoc& doc)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos))->AdaptToNewerLine();
    }
}

} // namespace

WORD HardwareCodeOfItem(int nItem)
{
    for (const HardwareLine& line : g_hardwareLines) {
        if (line.nFamilyItem + 1 == nItem)
            return line.wCode;
    }
    return FIRST_NEWER_CODE;
}

const CString& HardwareResourcesText()
{
    static const CString strText(
        _T("Known Blocks:\r\nConstants/Connectors:\t\tInput,Shift register bit,Analog input,Output,Analog output,")
        _T("Open connector,Flag,Analog flag,Status 1 (high),Status 0 (low)\r\nBasic Functions:\t\t\tAND,AND (Edge),")
        _T("NAND,NAND (Edge),OR,NOR,XOR,NOT\r\nSpecial Functions:\t\t\tOn-Delay,Off-Delay,On-/Off-Delay,Analog ")
        _T("Amplifier,Analog watchdog,Shift register,Retentive On-Delay,Latching Relay,Pulse Relay,Wiping relay (pulse ")
        _T("output),Edge triggered wiping relay,Weekly Timer,Yearly Timer,Up/Down counter,Hours Counter,Asynchronous ")
        _T("Pulse Generator,Random Generator,Threshold trigger,Analog threshold trigger,Analog differential trigger,")
        _T("Analog Comparator,Stairway lighting switch,Multiple function switch,Message texts,Modbus Read,Modbus ")
        _T("Write\r\n\r\nMaximum Resources:\r\nFunction Blocks\t\t\t1024\r\nREM\t\t\t\tUnlimited\r\nDigital Inputs\t\t\t256\r\n")
        _T("Digital Outputs\t\t\t128\r\nFlag\t\t\t\t512\r\nAnalog Inputs\t\t\t64\r\nText Box\t\t\t\t16\r\nAnalog ")
        _T("outputs\t\t\t32\r\nProgram memory\t\t\t24576\r\nBlock names\t\t\t256\r\nAnalog flags\t\t\t512\r\nShift ")
        _T("register\t\t\t1\r\nShift register bits\t\t\t16\r\n128\r\n"));
    return strText;
}

CString HardwareChangeProblem(const CVetlaDoc& doc, int nCurrent, int nNew, const CString& strNewLine)
{
    if (IsNewerLine(nCurrent) && !IsNewerLine(nNew))
        return FirstOlderGenerationProblem(doc, strNewLine);
    if (nCurrent == WIFI_LINE && nNew != WIFI_LINE)
        return FirstWifiBlockProblem(doc);
    return CString();
}

void ApplyHardwareChange(CVetlaDoc& doc, WORD wCode)
{
    CString strName;
    WORD wFirmware = doc.m_wFirmwareWord;
    GetHardwareSeries(wCode, &strName, &wFirmware);
    doc.m_strHardwareName = strName;
    doc.m_wHardwareCode = wCode;
    doc.m_wFirmwareWord = wFirmware;
    if (wCode < FIRST_NEWER_CODE)
        AdaptForOlder(doc);
    else
        AdaptForNewer(doc);
    doc.UpdateSpecialBlockSizes();
}
