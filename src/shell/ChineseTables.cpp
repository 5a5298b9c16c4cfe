// The texts are Simplified Chinese forms of the English texts shown at the same place; each
// line names that English text. Numbers that stand at several places with one meaning share a
// text.
#include "shell/ChineseTables.h"

#include "shell/VetlaApp.h"

#include <iterator>

CMapStringToString g_mapMenuText;
CMap<WORD, WORD, CString, LPCTSTR> g_mapIdText;

namespace {

struct MenuText {
    LPCTSTR pszEnglish;
    LPCTSTR pszChinese;
};

constexpr MenuText kMenuTexts[] = {
    {u"&File", u"文件(&F)"},
    {u"&Edit", u"编辑(&E)"},
    {u"&View", u"视图(&V)"},
    {u"&Tools", u"工具(&T)"},
    {u"&Options", u"选项(&O)"},
    {u"&Window", u"窗口(&W)"},
    {u"&Help", u"帮助(&H)"},
    {u"New", u"新建"},
    {u"Transfer", u"传送"},
};

constexpr LPCTSTR kReference = u"引用";              // "Reference"
constexpr LPCTSTR kMinimum = u"最小值";              // "Minimum", "Minimum Value"
constexpr LPCTSTR kMaximum = u"最大值";              // "Maximum", "Maximum Value"
constexpr LPCTSTR kOn = u"接通";                     // "On"
constexpr LPCTSTR kOff = u"断开";                    // "Off"
constexpr LPCTSTR kHoursMinutes = u"小时(时:分)";    // "Hours(h:m)"
constexpr LPCTSTR kMilliseconds = u"毫秒";           // "MilliSeconds", "ms"
constexpr LPCTSTR kSelectHardware = u"选择硬件";     // "Select hardware", "Select Hardware:"

constexpr ChineseTextPair kIdTexts[] = {
    // Buttons of dialogs and property sheets.
    {1, u"OK", u"确定"},
    {2, u"Cancel", u"取消"},
    {9, u"Help", u"帮助"},
    {12321, u"Apply", u"应用"},

    // Texts that pages set by code: group captions, tab titles, combo items, labels.
    {132, u"Pulse Width(TH)", u"脉冲宽度(TH)"},
    {133, u"Interpulse Width(TL)", u"脉冲间隔(TL)"},
    {134, u"Max. On Delay(TH)", u"最大接通延时(TH)"},
    {135, u"Max. Off Delay(TL)", u"最大断开延时(TL)"},
    {136, u"On Time(TH)", u"接通时间(TH)"},
    {137, u"Off Time(TL)", u"断开时间(TL)"},
    {138, u"Differential", u"差值"},
    {139, u"Threshold 1(upper: +)", u"阈值1(上限: +)"},
    {140, u"Threshold 2(lower: -)", u"阈值2(下限: -)"},
    {141, u"Use standard values for the pre-warning", u"预警使用标准值"},
    {142, u"Pre-warning time (T!)", u"预警时间(T!)"},
    {143, u"Pre-warning period (T!L)", u"预警持续时间(T!L)"},
    {144, u"Off Delay Time (T)", u"断开延时时间(T)"},
    {145, u"Permanent Light (TL)", u"常亮时间(TL)"},
    {146, u"Cam 1", u"凸轮1"},
    {148, u"Cam 2", u"凸轮2"},
    {149, u"Cam 3", u"凸轮3"},
    {150, u"On Time", u"接通时间"},
    {151, u"Off Time", u"断开时间"},
    {152, u"Month.Day", u"月.日"},
    {153, u"Monthly", u"每月"},
    {154, u"Input Number:", u"输入编号:"},
    {155, u"Output Number:", u"输出编号:"},
    {156, u"Main/Ext. Module", u"主机/扩展模块"},
    {157, u"High Speed", u"高速"},
    {158, u"Disable", u"禁用"},
    {159, u"Weekday", u"星期"},
    {160, u"Monday", u"星期一"},
    {161, u"Tuesday", u"星期二"},
    {162, u"Wednesday", u"星期三"},
    {163, u"Thursday", u"星期四"},
    {164, u"Friday", u"星期五"},
    {165, u"Saturday", u"星期六"},
    {166, u"Sunday", u"星期日"},
    {167, u"Flag Number:", u"标志编号:"},
    {168, u"M511 = Message Character Set Flag", u"M511 = 信息文本字符集标志"},
    {169, u"Hours", u"小时"},
    {170, u"Comment", u"注释"},
    {171, u"Minutes(m:s)", u"分钟(分:秒)"},
    {172, u"Seconds(s:1/100s)|Seconds (s:1/100s)", u"秒(秒:1/100秒)"},
    {173, u"Minutes", u"分钟"},
    {174, u"Seconds", u"秒"},
    {175, u"General", u"常规"},
    {176, u"Protect", u"保护"},
    {177, u"COM0", u"COM0"},
    {178, u"COM1", u"COM1"},
    {179, u"COM2", u"COM2"},
    {180, u"Hardware", u"硬件"},
    {181, u"LCD Setting", u"LCD设置"},
    {182, u"Show at new file", u"新建文件时显示"},
    {183, u"Simple Chinese", u"简体中文"},

    // Dialog controls, by control id.
    {1014, u"Reference", kReference},
    {1021, u"New password", u"新密码"},
    {1022, u"Repeat new password", u"确认新密码"},
    {1024, u"Retentivity", u"保持性"},
    {1025, u"Protection Active", u"保护激活"},
    {1026, u"Output is not 0,If En=0", u"En=0时输出不为0"},
    {1068, u"Acknowledge Message", u"确认信息"},
    {1075, u"Select Communication Port", u"选择通讯端口"},
    {1080, u"Reference", kReference},
    {1083, u"Measurement Range", u"测量范围"},
    {1084, u"Parameter", u"参数"},
    {1085, u"Unit", u"单位"},
    {1086, u"Resolution", u"分辨率"},
    {1087, u"Celsius", u"摄氏"},
    {1088, u"Fahrenheit|Farenheit", u"华氏"},
    {1091, u"Threshold", u"阈值"},
    {1104, u"Minimum|Minimum Value", kMinimum},
    {1105, u"Maximum|Maximum Value", kMaximum},
    {1106, u"Gain", u"增益"},
    {1107, u"Offset", u"偏移"},
    {1108, u"On", kOn},
    {1109, u"Off", kOff},
    {1110, u"Input R takes priority over S", u"输入R优先于S"},
    {1111, u"Input S takes priority over R", u"输入S优先于R"},
    {1113, u"Shift register bit at the output connector", u"输出端的移位寄存器位"},
    {1115, u"Shift register index", u"移位寄存器索引"},
    {1116, u"Switch", u"开关"},
    {1118, u"Momentary PushButton(break)", u"点动按钮(常闭)"},
    {1119, u"Frequency", u"频率"},
    {1121, u"Insert Parameter", u"插入参数"},
    {1128, u"Current password", u"当前密码"},
    {1137, u"Automatic Range Of Values", u"自动数值范围"},
    {1139, u"Minimum|Minimum Value", kMinimum},
    {1140, u"Maximum|Maximum Value", kMaximum},
    {1141, u"Momentary PushButton(make)", u"点动按钮(常开)"},
    {1142, u"Current Value", u"当前值"},
    {1176, u"Company logo", u"公司标志"},
    {1177, u"Version", u"版本"},
    {1180, u"Auto", u"自动"},
    {1181, u"Manual", u"手动"},
    {1183, u"Config", u"配置"},
    {1189, u"Redundancy", u"冗余"},
    {1190, u"Temperature protect point", u"温度保护点"},
    {1191, u"Redundancy mode", u"冗余模式"},
    {1192, u"Synchronizing time", u"同步时间"},
    {1194, u"High", u"高"},
    {1195, u"Low", u"低"},
    {1200, u"Number of pulse cycle", u"脉冲周期数"},
    {1201, u"Model", u"模式"},
    {1202, u"(word order)", u"(字顺序)"},
    {1203, u"COM Communication Parameters Setting|Communication parameters", u"COM通讯参数设置"},
    {1204, u"Protocol", u"协议"},
    {1205, u"Device address", u"设备地址"},
    {1206, u"Baud rate", u"波特率"},
    {1207, u"Parity,Data bits,Stop bits|Parity,Data,Stop", u"校验位,数据位,停止位"},
    {1208, u"Timeout", u"超时时间"},
    {1212, u"MilliSeconds|ms", kMilliseconds},
    {1213, u"Delay between polls", u"轮询间隔"},
    {1215, u"MilliSeconds|ms", kMilliseconds},
    {1217, u"Data register index", u"数据寄存器索引"},
    {1224, u"Connect to Devices", u"连接设备"},
    {1225, u"Automatic Detection", u"自动检测"},
    {1238, u"Start Value:", u"初始值:"},
    {1239, u"Source:", u"信号源:"},
    {1245, u"Hours(h:m)", kHoursMinutes},
    {1295, u"Sensor", u"传感器"},
    {1322, u"Open", u"打开"},
    {1326, u"Cycle", u"周期"},
    {1327, u"(0:successive)", u"(0:连续)"},
    {1330, u"(Hex)", u"(十六进制)"},
    {1342, u"On", kOn},
    {1343, u"Off", kOff},
    {1344, u"On Threshold", u"接通阈值"},
    {1345, u"Off Threshold", u"断开阈值"},
    {1346, u"Maintenance Interval(MI)", u"维护间隔(MI)"},
    {1347, u"Start time for OT", u"OT起始时间"},
    {1348, u"Hours(h:m)", kHoursMinutes},
    {1349, u"Threshold", u"阈值"},
    {1350, u"Time Parameter", u"时间参数"},
    {1351, u"Decimals in the Message text", u"信息文本中的小数位"},
    {1352, u"Block", u"功能块"},
    {1353, u"Priority", u"优先级"},
    {1354, u"Message Text", u"信息文本"},
    {1355, u"Slave Address", u"从站地址"},
    {1356, u"Port(Master)", u"端口(主站)"},
    {1357, u"Command", u"命令"},
    {1358, u"Register Address", u"寄存器地址"},
    {1359, u"Count", u"数量"},
    {1360, u"Writing Mode", u"写入模式"},
    {1361, u"Data Address", u"数据地址"},
    {1362, u"Creator", u"创建者"},
    {1363, u"Project Name", u"项目名称"},
    {1364, u"Installation Name", u"安装名称"},
    {1365, u"Customer", u"客户"},
    {1366, u"Diagram no.", u"图号"},
    {1367, u"Checked", u"审核"},
    {1368, u"Settings|Program protect", u"设置"},
    {1369, u"Program name", u"程序名称"},
    {1370, u"Program Name and Password Set", u"程序名称和密码设置"},
    {1371, u"Block name", u"功能块名称"},
    {1372, u"Select hardware|Select Hardware:", kSelectHardware},
    {1373, u"Resources", u"资源"},
    {1374, u"Preview", u"预览"},
    {1375, u"Copy Protect", u"复制保护"},
    {1401, u"Show at Device Inversely", u"在设备上反色显示"},
    {1423, u"Parameter", u"参数"},
    {1546, u"Reference", kReference},
    {1547, u"Reference", kReference},
    {1553, u"Reference", kReference},
    {1554, u"Reference", kReference},

    // Menu commands; File New's drop-down and the application's menu updates read some too.
    {32709, u"&Go To Block...", u"转到功能块(&G)...\tCtrl+G"},
    {32773, u"COM &Configuration|COM Configuration", u"COM配置"},
    {32779, u"Properties", u"属性"},
    {32795, u"Set Wire Color...", u"设置连线颜色..."},
    {32798, u"Clock Setting/Calibration", u"时钟设置/校准"},
    {32802, u"&Simulation|Simulation", u"仿真"},
    {32806, u"Device->PC", u"设备->PC\tCtrl+U"},
    {32807, u"PC->Device", u"PC->设备\tCtrl+D"},
    {32815, u"SummerTime/WinterTime", u"夏令时/冬令时"},
    {32817, u"Infomation Window", u"信息窗口"},
    {32818, u"Set BackGround Color...", u"设置背景颜色..."},
    {32819, u"Select hardware|Select Hardware:", kSelectHardware},
    {32820, u"Clear User Program and Password", u"清除用户程序和密码"},
    {32824, u"Ladder diagram(LAD)", u"梯形图(LAD)"},
    {32829, u"Block Pr&operties...", u"功能块属性(&O)..."},
    {32830, u"I/O Status...", u"I/O状态..."},
    {32834, u"Set Frame Window BGColor", u"设置主窗口背景色"},
    {32835, u"Message Text Settings...", u"信息文本设置..."},
    {32852, u"Language", u"语言"},
    {57600, u"Function block diagram(FBD)", u"功能块图(FBD)"},
    {57601, u"&Open...", u"打开(&O)...\tCtrl+O"},
    {57602, u"&Close", u"关闭(&C)"},
    {57603, u"&Save", u"保存(&S)\tCtrl+S"},
    {57604, u"Save &As...", u"另存为(&A)..."},
    {57605, u"Page Setup", u"页面设置(&U)..."},
    {57606, u"Print Setup...", u"打印设置(&R)..."},
    {57607, u"&Print...", u"打印(&P)...\tCtrl+P"},
    {57609, u"Print Pre&view", u"打印预览(&V)"},
    {57632, u"&Delete", u"删除(&D)\tDelete"},
    {57634, u"&Copy", u"复制(&C)\tCtrl+C"},
    {57635, u"Cu&t", u"剪切(&T)\tCtrl+X"},
    {57637, u"&Paste", u"粘贴(&P)\tCtrl+V"},
    {57642, u"Select &All", u"全选(&A)\tCtrl+A"},
    {57643, u"&Undo", u"撤销(&U)\tCtrl+Z"},
    {57644, u"&Redo", u"重做(&R)\tCtrl+Y"},
    {57650, u"&Cascade", u"层叠(&C)"},
    {57651, u"&Tile", u"平铺(&T)"},
    {57664, u"&About...", u"关于(&A)..."},
    {57665, u"E&xit", u"退出(&X)"},
    {57667, u"&Contents", u"帮助目录(&C)"},
    {59392, u"&Toolbar", u"工具栏(&T)"},
    {59393, u"&Status Bar", u"状态栏(&S)"},
    {59580, u"Simulation Bar", u"仿真栏"},
};
static_assert(std::size(kIdTexts) == ID_TEXT_COUNT);

} // namespace

void InitChineseTexts()
{
    g_mapMenuText.RemoveAll();
    g_mapMenuText.InitHashTable(MENU_TEXT_HASH_SIZE);
    for (const MenuText& text : kMenuTexts)
        g_mapMenuText[text.pszEnglish] = text.pszChinese;

    g_mapIdText.RemoveAll();
    g_mapIdText.InitHashTable(ID_TEXT_HASH_SIZE);
    for (const ChineseTextPair& text : kIdTexts)
        g_mapIdText[text.nKey] = text.pszChinese;
}

std::span<const ChineseTextPair> ChineseTextPairs()
{
    return kIdTexts;
}

BOOL LookupChineseText(UINT nKey, CString& rText)
{
    if (g_bChineseUI != 1 || nKey > 0xFFFF)
        return FALSE;
    return g_mapIdText.Lookup(WORD(nKey), rText);
}
