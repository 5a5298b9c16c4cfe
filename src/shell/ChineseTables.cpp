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

struct IdText {
    WORD nId;
    LPCTSTR pszText;
};

constexpr LPCTSTR kReference = u"引用";              // "Reference"
constexpr LPCTSTR kMinimum = u"最小值";              // "Minimum", "Minimum Value"
constexpr LPCTSTR kMaximum = u"最大值";              // "Maximum", "Maximum Value"
constexpr LPCTSTR kOn = u"接通";                     // "On"
constexpr LPCTSTR kOff = u"断开";                    // "Off"
constexpr LPCTSTR kHoursMinutes = u"小时(时:分)";    // "Hours(h:m)"
constexpr LPCTSTR kMilliseconds = u"毫秒";           // "MilliSeconds", "ms"
constexpr LPCTSTR kSelectHardware = u"选择硬件";     // "Select hardware", "Select Hardware:"

constexpr IdText kIdTexts[] = {
    // Buttons of dialogs and property sheets.
    {1, u"确定"},      // OK
    {2, u"取消"},      // Cancel
    {9, u"帮助"},      // Help
    {12321, u"应用"},  // Apply

    // Texts that pages set by code: group captions, tab titles, combo items, labels.
    {132, u"脉冲宽度(TH)"},             // Pulse Width(TH)
    {133, u"脉冲间隔(TL)"},             // Interpulse Width(TL)
    {134, u"最大接通延时(TH)"},         // Max. On Delay(TH)
    {135, u"最大断开延时(TL)"},         // Max. Off Delay(TL)
    {136, u"接通时间(TH)"},             // On Time(TH)
    {137, u"断开时间(TL)"},             // Off Time(TL)
    {138, u"差值"},                     // Differential
    {139, u"阈值1(上限: +)"},           // Threshold 1(upper: +)
    {140, u"阈值2(下限: -)"},           // Threshold 2(lower: -)
    {141, u"预警使用标准值"},           // Use standard values for the pre-warning
    {142, u"预警时间(T!)"},             // Pre-warning time (T!)
    {143, u"预警持续时间(T!L)"},        // Pre-warning period (T!L)
    {144, u"断开延时时间(T)"},          // Off Delay Time (T)
    {145, u"常亮时间(TL)"},             // Permanent Light (TL)
    {146, u"凸轮1"},                    // Cam 1
    {148, u"凸轮2"},                    // Cam 2
    {149, u"凸轮3"},                    // Cam 3
    {150, u"接通时间"},                 // On Time
    {151, u"断开时间"},                 // Off Time
    {152, u"月.日"},                    // Month.Day
    {153, u"每月"},                     // Monthly
    {154, u"输入编号:"},                // Input Number:
    {155, u"输出编号:"},                // Output Number:
    {156, u"主机/扩展模块"},            // Main/Ext. Module
    {157, u"高速"},                     // High Speed
    {158, u"禁用"},                     // Disable
    {159, u"星期"},                     // Weekday
    {160, u"星期一"},                   // Monday
    {161, u"星期二"},                   // Tuesday
    {162, u"星期三"},                   // Wednesday
    {163, u"星期四"},                   // Thursday
    {164, u"星期五"},                   // Friday
    {165, u"星期六"},                   // Saturday
    {166, u"星期日"},                   // Sunday
    {167, u"标志编号:"},                // Flag Number:
    {168, u"M511 = 信息文本字符集标志"}, // M511 = Message Character Set Flag
    {169, u"小时"},                     // Hours
    {170, u"注释"},                     // Comment
    {171, u"分钟(分:秒)"},              // Minutes(m:s)
    {172, u"秒(秒:1/100秒)"},           // Seconds(s:1/100s)
    {173, u"分钟"},                     // Minutes
    {174, u"秒"},                       // Seconds
    {175, u"常规"},                     // General
    {176, u"保护"},                     // Protect
    {177, u"COM0"},                     // COM0
    {178, u"COM1"},                     // COM1
    {179, u"COM2"},                     // COM2
    {180, u"硬件"},                     // Hardware
    {181, u"LCD设置"},                  // LCD Setting
    {182, u"新建文件时显示"},           // Show at new file
    {183, u"简体中文"},                 // Simple Chinese

    // Dialog controls, by control id.
    {1014, kReference},
    {1021, u"新密码"},                  // New password
    {1022, u"确认新密码"},              // Repeat new password
    {1024, u"保持性"},                  // Retentivity
    {1025, u"保护激活"},                // Protection Active
    {1026, u"En=0时输出不为0"},         // Output is not 0,If En=0
    {1068, u"确认信息"},                // Acknowledge Message
    {1080, kReference},
    {1083, u"测量范围"},                // Measurement Range
    {1084, u"参数"},                    // Parameter
    {1085, u"单位"},                    // Unit
    {1086, u"分辨率"},                  // Resolution
    {1087, u"摄氏"},                    // Celsius
    {1088, u"华氏"},                    // Fahrenheit
    {1091, u"阈值"},                    // Threshold
    {1104, kMinimum},
    {1105, kMaximum},
    {1106, u"增益"},                    // Gain
    {1107, u"偏移"},                    // Offset
    {1108, kOn},
    {1109, kOff},
    {1110, u"输入R优先于S"},            // Input R takes priority over S
    {1111, u"输入S优先于R"},            // Input S takes priority over R
    {1113, u"输出端的移位寄存器位"},    // Shift register bit at the output connector
    {1115, u"移位寄存器索引"},          // Shift register index
    {1116, u"开关"},                    // Switch
    {1118, u"点动按钮(常闭)"},          // Momentary PushButton(break)
    {1119, u"频率"},                    // Frequency
    {1121, u"插入参数"},                // Insert Parameter
    {1128, u"当前密码"},                // Current password
    {1137, u"自动数值范围"},            // Automatic Range Of Values
    {1139, kMinimum},
    {1140, kMaximum},
    {1141, u"点动按钮(常开)"},          // Momentary PushButton(make)
    {1142, u"当前值"},                  // Current Value
    {1176, u"位图文件"},                // Bitmap file
    {1177, u"版本"},                    // Version
    {1180, u"自动"},                    // Auto
    {1181, u"手动"},                    // Manual
    {1183, u"配置"},                    // Config
    {1189, u"冗余"},                    // Redundancy
    {1190, u"温度保护点"},              // Temperature protect point
    {1191, u"冗余模式"},                // Redundancy mode
    {1192, u"同步时间"},                // Synchronizing time
    {1194, u"高"},                      // High
    {1195, u"低"},                      // Low
    {1200, u"脉冲周期数"},              // Number of pulse cycle
    {1201, u"模式"},                    // Model
    {1202, u"(字顺序)"},                // (word order)
    {1203, u"COM通讯参数设置"},         // COM Communication Parameters Setting
    {1204, u"协议"},                    // Protocol
    {1205, u"设备地址"},                // Device address
    {1206, u"波特率"},                  // Baud rate
    {1207, u"校验位,数据位,停止位"},    // Parity,Data bits,Stop bits
    {1208, u"超时时间"},                // Timeout
    {1212, kMilliseconds},
    {1213, u"轮询间隔"},                // Delay between polls
    {1215, kMilliseconds},
    {1217, u"数据寄存器索引"},          // Data register index
    {1224, u"连接设备"},                // Connect to Devices
    {1225, u"自动检测"},                // Automatic Detection
    {1238, u"初始值:"},                 // Start Value:
    {1239, u"信号源:"},                 // Source:
    {1245, kHoursMinutes},
    {1295, u"传感器"},                  // Sensor
    {1322, u"打开"},                    // Open
    {1326, u"周期"},                    // Cycle
    {1327, u"(0:连续)"},                // (0:successive)
    {1330, u"(十六进制)"},              // (Hex)
    {1342, kOn},
    {1343, kOff},
    {1344, u"接通阈值"},                // On Threshold
    {1345, u"断开阈值"},                // Off Threshold
    {1346, u"维护间隔(MI)"},            // Maintenance Interval(MI)
    {1347, u"OT起始时间"},              // Start time for OT
    {1348, kHoursMinutes},
    {1349, u"阈值"},                    // Threshold
    {1350, u"时间参数"},                // Time Parameter
    {1351, u"信息文本中的小数位"},      // Decimals in the Message text
    {1352, u"功能块"},                  // Block
    {1353, u"优先级"},                  // Priority
    {1354, u"信息文本"},                // Message Text
    {1355, u"从站地址"},                // Slave Address
    {1356, u"端口(主站)"},              // Port(Master)
    {1357, u"命令"},                    // Command
    {1358, u"寄存器地址"},              // Register Address
    {1359, u"数量"},                    // Count
    {1360, u"写入模式"},                // Writing Mode
    {1361, u"数据地址"},                // Data Address
    {1362, u"创建者"},                  // Creator
    {1363, u"项目名称"},                // Project Name
    {1364, u"安装名称"},                // Installation Name
    {1365, u"客户"},                    // Customer
    {1366, u"图号"},                    // Diagram no.
    {1367, u"审核"},                    // Checked
    {1368, u"设置"},                    // Settings
    {1369, u"程序名称"},                // Program name
    {1370, u"密码"},                    // Password
    {1371, u"功能块名称"},              // Block name
    {1372, kSelectHardware},
    {1373, u"资源"},                    // Resources
    {1374, u"预览"},                    // Preview
    {1375, u"复制保护"},                // Copy Protect
    {1401, u"在设备上反色显示"},        // Show at Device Inversely
    {1423, u"参数"},                    // Parameter
    {1546, kReference},
    {1547, kReference},
    {1553, kReference},
    {1554, kReference},

    // Menu commands; File New's drop-down and the application's menu updates read some too.
    {32709, u"转到功能块(&G)...\tCtrl+G"},  // &Go To Block...
    {32773, u"COM配置"},                    // COM &Configuration (also a dialog caption)
    {32779, u"属性"},                       // Properties
    {32795, u"设置连线颜色..."},            // Set Wire Color...
    {32798, u"时钟设置/校准"},              // Clock Setting/Calibration
    {32802, u"仿真"},                       // &Simulation (also a tab title)
    {32806, u"设备->PC\tCtrl+U"},           // Device->PC
    {32807, u"PC->设备\tCtrl+D"},           // PC->Device
    {32815, u"夏令时/冬令时"},              // SummerTime/WinterTime
    {32817, u"信息窗口"},                   // Infomation Window
    {32818, u"设置背景颜色..."},            // Set BackGround Color...
    {32819, kSelectHardware},
    {32820, u"清除用户程序和密码"},         // Clear User Program and Password
    {32824, u"梯形图(LAD)"},                // Ladder diagram(LAD)
    {32829, u"功能块属性(&O)..."},          // Block Pr&operties...
    {32830, u"I/O状态..."},                 // I/O Status...
    {32834, u"设置主窗口背景色"},           // Set Frame Window BGColor
    {32835, u"信息文本设置..."},            // Message Text Settings...
    {32852, u"语言"},                       // Language (also a dialog caption)
    {57600, u"功能块图(FBD)"},              // Function block diagram(FBD)
    {57601, u"打开(&O)...\tCtrl+O"},        // &Open...
    {57602, u"关闭(&C)"},                   // &Close
    {57603, u"保存(&S)\tCtrl+S"},           // &Save
    {57604, u"另存为(&A)..."},              // Save &As...
    {57605, u"页面设置(&U)..."},            // Page Setup
    {57606, u"打印设置(&R)..."},            // Print Setup...
    {57607, u"打印(&P)...\tCtrl+P"},        // &Print...
    {57609, u"打印预览(&V)"},               // Print Pre&view
    {57632, u"删除(&D)\tDelete"},           // &Delete
    {57634, u"复制(&C)\tCtrl+C"},           // &Copy
    {57635, u"剪切(&T)\tCtrl+X"},           // Cu&t
    {57637, u"粘贴(&P)\tCtrl+V"},           // &Paste
    {57642, u"全选(&A)\tCtrl+A"},           // Select &All
    {57643, u"撤销(&U)\tCtrl+Z"},           // &Undo
    {57644, u"重做(&R)\tCtrl+Y"},           // &Redo
    {57650, u"层叠(&C)"},                   // &Cascade
    {57651, u"平铺(&T)"},                   // &Tile
    {57664, u"关于(&A)..."},                // &About...
    {57665, u"退出(&X)"},                   // E&xit
    {57667, u"帮助目录(&C)"},               // &Contents
    {59392, u"工具栏(&T)"},                 // &Toolbar
    {59393, u"状态栏(&S)"},                 // &Status Bar
    {59580, u"仿真栏"},                     // Simulation Bar
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
    for (const IdText& text : kIdTexts)
        g_mapIdText[text.nId] = text.pszText;
}

BOOL LookupChineseText(UINT nKey, CString& rText)
{
    if (g_bChineseUI != 1 || nKey > 0xFFFF)
        return FALSE;
    return g_mapIdText.Lookup(WORD(nKey), rText);
}
