// The program's string table, sorted by id. Later work adds the program's own texts here; an id
// may have an English text, a Chinese text or both (nullptr for the missing one).
#include "platform/core/StringTable.h"

namespace {

constexpr StringTableEntry kEntries[] = {
    // The application's name and its two document types (their document strings).
    {128, u"QARVO Editor", nullptr},
    {129,
     u"\nDiagram\nFunction Block\nFunction Block Files (*.dfb)\n.dfb\nFunctionBlock.Document\nFunction Block "
     u"Document",
     nullptr},
    {130, u"\nDiagram\nLadder\nLadder Files (*.dld)\n.dld\nLadder.Document\nLadder Document", nullptr},
    // Captions of the view's colour dialogs.
    {303, u"Set the logic view background color", nullptr},
    {305, u"Set the linked line color", nullptr},
    {306, u"Frame window background color", nullptr},
    {336, u"your program has taken %d blocks,can't  add new block", nullptr},
    {339, u"ERROR: Block can not be placed out side of the FBD base", nullptr},
    {377, u"%s Can't load this type of file %s", nullptr},
    // Display names of the block types.
    {450, u"AND", nullptr},
    {451, u"AND(Edge)", nullptr},
    {452, u"OR", nullptr},
    {453, u"NOT", nullptr},
    {454, u"XOR", nullptr},
    {455, u"NAND", nullptr},
    {456, u"NAND(Edge)", nullptr},
    {457, u"NOR", nullptr},
    {460, u"On-Delay", nullptr},
    {461, u"Off-Delay", nullptr},
    {462, u"On-/Off-Delay", nullptr},
    {463, u"Retentive On-Delay", nullptr},
    {464, u"Wiping Relay(pulse output)", nullptr},
    {465, u"Edge Triggered Wiping Relay", nullptr},
    {467, u"Up/Down Counter", nullptr},
    {473, u"Status 0 (low)", nullptr},
    {476, u"Status 1 (high)", nullptr},
    {477, u"Asynchronous Pulse Generator", nullptr},
    {478, u"Random Generator", nullptr},
    {479, u"Stairway Lighting Switch", nullptr},
    {480, u"Input", nullptr},
    {481, u"Output", nullptr},
    {482, u"Open Connector", nullptr},
    {483, u"Flag", nullptr},
    {486, u"Analog Input", nullptr},
    {487, u"Analog Output", nullptr},
    {488, u"Shift Register Bit", nullptr},
    {490, u"Cursor Key", nullptr},
    {491, u"Analog Flag", nullptr},
    {492, u"Multiple Function Switch", nullptr},
    {493, u"Weekly Timer", nullptr},
    {494, u"Yearly Timer", nullptr},
    {495, u"Hours Counter", nullptr},
    {496, u"Threshold Trigger", nullptr},
    {497, u"Analog Comparator", nullptr},
    {498, u"Analog Threshold Trigger", nullptr},
    {499, u"Analog Amplifier", nullptr},
    {500, u"Function Key", nullptr},
    {501, u"Astronomical clock", nullptr},
    {502, u"Stopwatch", nullptr},
    {504, u"Analog Watchdog", nullptr},
    {505, u"Analog Differential Trigger", nullptr},
    {506, u"Latching Relay", nullptr},
    {507, u"Pulse Relay", nullptr},
    {508, u"Message Texts", nullptr},
    {509, u"Softkey", nullptr},
    {510, u"Mathematical instruction", nullptr},
    {511, u"Analog MUX", nullptr},
    {512, u"Analog Ramp", nullptr},
    {513, u"PI controller", nullptr},
    {514, u"PWM", nullptr},
    {515, u"Analog filter", nullptr},
    {516, u"Max/Min", nullptr},
    {517, u"Shift Register", nullptr},
    {518, u"Modbus Read", nullptr},
    {519, u"Modbus Write", nullptr},
    {520, u"Make Contact", nullptr},
    {521, u"Break contact", nullptr},
    {522, u"Analog contact", nullptr},
    {523, u"Relay coil", nullptr},
    {524, u"Inverted output", nullptr},
    {525, u"Analog output", nullptr},
    {527, u"Average value", nullptr},
    {528, u"Mathematical instruction error detection", nullptr},
    {529, u"Boolean function", nullptr},
    {530, u"Trigger date time", nullptr},
    {531, u"Binary-Coded Decimal", nullptr},
    {532, u"Binary Code", nullptr},
    {533, u"Left Rotation", nullptr},
    {534, u"Right Rotation", nullptr},
    {535, u"Left Shift", nullptr},
    {536, u"Right Shift", nullptr},
    {537, u"AND Mask", nullptr},
    {538, u"OR Mask", nullptr},
    {539, u"NOT Mask", nullptr},
    {540, u"NAND Mask", nullptr},
    {541, u"NOR Mask", nullptr},
    {542, u"XOR Mask", nullptr},
    {543, u"Data array Max/Min/Avg", nullptr},
    {544, u"Data Max/Min/Avg", nullptr},
    {545, u"RAND", nullptr},
    {546, u"Odd Number", nullptr},
    {547, u"Even Number", nullptr},
    {548, u"Modulo", nullptr},
    {549, u"Remainder", nullptr},
    {550, u"Logarithm", nullptr},
    {551, u"Square root", nullptr},
    {552, u"Absolute value", nullptr},
    {553, u"GCD", nullptr},
    {554, u"LCM", nullptr},
    {555, u"2's nth power", nullptr},
    {556, u"e's nth power", nullptr},
    {557, u"Fixed-point arithmetic", nullptr},
    {558, u"Round-off", nullptr},
    {559, u"Sine function", nullptr},
    {560, u"Cosine function", nullptr},
    {561, u"Tangent function", nullptr},
    {562, u"Cotangent function", nullptr},
    {563, u"Secant function", nullptr},
    {564, u"UDC Communication", nullptr},
    {565, u"Zoom:%d", nullptr}, // the status bar's zoom pane
    {566, u"Cosecant function", nullptr},
    {567, u"Quadratic equation", nullptr},
    {568, u"MEM", nullptr},
    {569, u"Encoder", nullptr},
    {570, u"All available Inputs are in use!", nullptr},
    {571, u"All available Outputs are in use!", nullptr},
    {572, u"Stepping Motor Control", nullptr},
    {573, u"Stepping Motor Control(Edge)", nullptr},
    {574, u"Pulse train output", nullptr},
    {575, u"Pulse train output(Edge)", nullptr},
    {576, u"Segment Display", nullptr},
    {577, u"Word to Bit", nullptr},
    {578, u"CRC16", nullptr},
    {579, u"All available Cursors are in use!", nullptr},
    {580, u"All available Shifts are in use!", nullptr},
    {581, u"All available Open Connectors are in use!", nullptr},
    {582, u"All available Flags are in use!", nullptr},
    {583, u"All available Status-Lows are in use!", nullptr},
    {584, u"All available Status-Highs are in use!", nullptr},
    {585, u"All available Analog Inputs are in use!", nullptr},
    {586, u"All available Analog Outputs are in use!", nullptr},
    {587, u"All available Analog Flags are in use!", nullptr},
    {591, u"All available Weekly Timer Blocks are in use!", nullptr},
    {592, u"All available Message Text Blocks are in use!", nullptr},
    {593, u"All available Shift Register Blocks are in use!", nullptr},
    {594, u"Download PC->Device failed!", nullptr},
    {595, u"Upload Device->PC failed!", nullptr},
    {596, u"Device's Program is empty!", nullptr},
    {598, u"Project Size Error!", nullptr},
    {599, u"All available Analog Outputs are in use!", nullptr},
    {600, u"All Available Relay Coils/Inverted outputs are in use!", nullptr},
    {601, u"There is not any Block(s) for DownLoading!", nullptr},
    {602, u"Every character of the password must be A - Z", nullptr},
    {603, u"All Available Make contacts are in use!", nullptr},
    {604, u"Internal error,Please notify the engineer!", nullptr},
    {605, u"All Available TD Function Keys are in use!", nullptr},
    {606, u"All Available Break contacts are in use!", nullptr},
    {607, u"Blocks without connection to an Output!", nullptr},
    {612, u"Insufficient Resources to create/paste the blocks.", nullptr},
    {615, u"Wrong password UpLoad Device-->PC failed!", nullptr},
    {616, u"All Available Analog contacts are in use!", nullptr},
    {617, u"S%d.%d %s : Block number too high!", nullptr},
    {618, u"F%d %s : Not supported!", nullptr},
    {619, u"B%d%s : The reference is not supported by this device %s", nullptr},
    {622, u"B%d%s : Only the first shift register can be used.", nullptr},
    {623, u"B%d%s : Not supported!", nullptr},
    {624, u"All available Analog filter Blocks are in use!", nullptr},
    {625, u"B%d : The pulse function is not available", nullptr},
    {626, u"B%d:Year range function is not available. On year must be  %d and Off year must be %d.", nullptr},
    {627, u"B%d : Yearly mode must be selected.", nullptr},
    {628, u"B%d%s : The start value cannot be used", nullptr},
    {629, u"B%d%s : The two threshold settings must be equal", nullptr},
    {630, u"B%d%s : Cannot convert time to hours", nullptr},
    {631, u"Please check if cable connects Device and PC, Initial/Run Mode Setting, ComPort is selected correctly, and Machine type(Device/PC) matches!", nullptr},
    {633, u"Are you sure to clear Device's Program?", nullptr},
    {634, u"It's Drawing Blocks and Lines(if any)\n", nullptr},
    {635, u"It Draws completely!\n", nullptr},
    {636, u"Data Log", nullptr},
    {637, u"All available Data Log Block is in use!", nullptr},
    {638, u"Device->PC", nullptr},
    {639, u"PC->Device", nullptr},
    {643, u"%s%d%d %s : Block number too high!", nullptr},
    {644, u"B%d%s : Rich Text Format not supported.", nullptr},
    {645, u"WiFi Digital Read", nullptr},
    {646, u"WiFi Digital Write", nullptr},
    {647, u"WiFi Analog Read", nullptr},
    {648, u"WiFi Analog Write", nullptr},
    {649, u"L%d%s : Not supported!", nullptr},
    // The clock dialog's report of a device date its date control cannot take.
    {650,
     u"Blocks that were not pasted along are not in this diagram: the references, message-text elements and "
     u"data-log items that named them were left out.",
     u"未一同粘贴的块不在此图中：引用这些块的参数引用、消息文本元素和数据记录项已被省略。"},
    {653,
     u"The date read from the device (%04d-%02d-%02d) cannot be shown: the clock takes dates from 2010-01-01 to "
     u"2036-12-31. The dialog keeps the date it shows, and Write sends that date.",
     u"从设备读取的日期(%04d-%02d-%02d)无法显示：时钟只接受2010-01-01至2036-12-31之间的日期。"
     u"对话框保留当前显示的日期，写入时发送该日期。"},
    // The diagram view's hover tip: timer names with their inputs, pin labels, the power rail.
    {810, u"On-Delay(Trg,T)", nullptr},
    {811, u"Off-Delay(Trg,R,T)", nullptr},
    {812, u"On-/Off-Delay(Trg,Par)", nullptr},
    {813, u"Retentive on-Delay(Trg,R,T)", nullptr},
    {814, u"Wiping relay(pulse output)(Trg,T)", nullptr},
    {815, u"Edge triggered wiping relay(T,R,Par)", nullptr},
    {816, u"Asynchronous Pulse Generator(En,Inv,Par)", nullptr},
    {824, u"Random Generator(En,Par)", nullptr},
    {825, u"Multiple function switch(Trg,R,Par)", nullptr},
    {826, u"Stairway lighting switch(Trg,T)", nullptr},
    {827, u"Weekly Timer(No1,No2,No3)", nullptr},
    {828, u"Yearly Timer(No)", nullptr},
    {850, u"In1", nullptr},
    {851, u"In2", nullptr},
    {852, u"In3", nullptr},
    {853, u"In4", nullptr},
    {854, u"In", nullptr},
    {855, u"Out", nullptr},
    {856, u"T", nullptr},
    {857, u"Trg", nullptr},
    {858, u"R", nullptr},
    {859, u"Par", nullptr},
    {860, u"S", nullptr},
    {861, u"En", nullptr},
    {862, u"Inv", nullptr},
    {863, u"Cnt", nullptr},
    {864, u"Dir", nullptr},
    {865, u"Ral", nullptr},
    {866, u"Fre", nullptr},
    {867, u"Ax", nullptr},
    {868, u"Ay", nullptr},
    {869, u"No1", nullptr},
    {870, u"No2", nullptr},
    {871, u"No3", nullptr},
    {872, u"No", nullptr},
    {873, u"S1", nullptr},
    {874, u"S2", nullptr},
    {875, u"Power bus", nullptr},
    // Texts of the application shell: the Open filter, the ladder extension, the device
    // commands' captions and the status bar's panes.
    {912, u"%s Files(*.dfb, *.dld)|*.dfb; *.dld|%s File(*.dfb)|*.dfb|%s File(*.dld)|*.dld|All Files(*.*)|*.*||",
     nullptr},
    {935, u"You can't run tow simulations at a time! Please close the other then go on.", nullptr},
    {950, u"No printer installed!\n\nSelect the Control Panel printer icon to install a printer.", nullptr},
    {952, u".dld", nullptr},
    // Chinese names of the blocks, which sheet captions and block lists show in square brackets
    // in the Chinese interface (the delay timers' pages also as a group caption); each line
    // names the English caption it replaces.
    {1571, nullptr, u"与"}, // AND
    {1572, nullptr, u"与(边沿)"}, // AND(Edge)
    {1573, nullptr, u"与非"}, // NAND
    {1574, nullptr, u"与非(边沿)"}, // NAND(Edge)
    {1575, nullptr, u"或"}, // OR
    {1576, nullptr, u"或非"}, // NOR
    {1577, nullptr, u"异或"}, // XOR
    {1578, nullptr, u"非"}, // NOT
    {1579, nullptr, u"接通延时"}, // On-Delay
    {1580, nullptr, u"断开延时"}, // Off-Delay
    {1581, nullptr, u"接通/断开延时"}, // On-/Off-Delay
    {1582, nullptr, u"保持型接通延时"}, // Retentive On-Delay
    {1583, nullptr, u"单脉冲继电器(脉冲输出)"}, // Wiping relay(pulse output)
    {1584, nullptr, u"边沿触发单脉冲继电器"}, // Edge trigger wiping relay
    {1585, nullptr, u"异步脉冲发生器"}, // Asynchronous Pulse Generator
    {1586, nullptr, u"随机发生器"}, // Random Generator
    {1587, nullptr, u"楼梯照明开关"}, // Stairway lighting switch
    {1588, nullptr, u"多功能开关"}, // Multiple function switch
    {1589, nullptr, u"周定时器"}, // Weekly Timer
    {1590, nullptr, u"年定时器"}, // Yearly Timer
    {1591, nullptr, u"天文时钟"}, // Astronomical clock
    {1592, nullptr, u"秒表"}, // Stopwatch
    {1593, nullptr, u"输入"}, // Input
    {1594, nullptr, u"TD功能键"}, // TD Function key
    {1595, nullptr, u"移位寄存器位"}, // Shift register bit
    {1596, nullptr, u"状态0(低)"}, // Status 0 (low)
    {1597, nullptr, u"状态1(高)"}, // Status 1 (high)
    {1598, nullptr, u"输出"}, // Output
    {1599, nullptr, u"开路连接器"}, // Open connector
    {1600, nullptr, u"标志"}, // Flag
    {1601, nullptr, u"模拟量输入"}, // Analog input
    {1602, nullptr, u"模拟量输出"}, // Analog output
    {1603, nullptr, u"模拟量标志"}, // Analog flag
    {1604, nullptr, u"常开触点"}, // Make contact
    {1605, nullptr, u"常闭触点"}, // Break contact
    {1606, nullptr, u"模拟量触点"}, // Analog contact
    {1607, nullptr, u"继电器线圈"}, // Relay coil
    {1608, nullptr, u"取反输出"}, // Inverted output
    {1609, nullptr, u"模拟量输出"}, // Analog output
    {1610, nullptr, u"加/减计数器"}, // Up/Down Counter
    {1611, nullptr, u"小时计数器"}, // Hours Counter
    {1612, nullptr, u"阈值触发器"}, // Threshold Trigger
    {1613, nullptr, u"数学运算指令"}, // Mathematic instruction
    {1614, nullptr, u"模拟量比较器"}, // Analog Comparator
    {1615, nullptr, u"模拟量阈值触发器"}, // Analog threshold trigger
    {1616, nullptr, u"模拟量放大器"}, // Analog Amplifier
    {1617, nullptr, u"模拟量监视器"}, // Analog watchdog
    {1618, nullptr, u"模拟量差值触发器"}, // Analog differential trigger
    {1619, nullptr, u"模拟量多路选择器"}, // Analog Multiplexer
    {1620, nullptr, u"模拟量斜坡"}, // Analog Ramp
    {1621, nullptr, u"PI控制器"}, // PI controller
    {1622, nullptr, u"脉宽调制"}, // PWM
    {1623, nullptr, u"模拟量滤波器"}, // Analog filter
    {1624, nullptr, u"最大值/最小值"}, // Max/Min
    {1625, nullptr, u"平均值"}, // Average value
    {1626, nullptr, u"锁存继电器"}, // Latching Relay
    {1627, nullptr, u"脉冲继电器"}, // Pulse Relay
    {1628, nullptr, u"信息文本"}, // Message texts
    {1629, nullptr, u"移位寄存器"}, // Shift Register
    {1630, nullptr, u"数学运算错误检测"}, // Mathematical instruction error detection
    {1631, nullptr, u"Modbus读取"}, // Modbus Read
    {1632, nullptr, u"Modbus写入"}, // Modbus Write
    {1633, nullptr, u"布尔函数"}, // Boolean function
    {1634, nullptr, u"日期时间触发"}, // Trigger date time
    {1635, nullptr, u"BCD码"}, // Binary-Coded Decimal
    {1636, nullptr, u"二进制码"}, // Binary Code
    {1637, nullptr, u"循环左移"}, // Left Rotation
    {1638, nullptr, u"循环右移"}, // Right Rotation
    {1639, nullptr, u"左移"}, // Left Shift
    {1640, nullptr, u"右移"}, // Right Shift
    {1641, nullptr, u"与掩码"}, // AND MASK
    {1642, nullptr, u"或掩码"}, // OR MASK
    {1643, nullptr, u"非掩码"}, // NOT MASK
    {1644, nullptr, u"与非掩码"}, // NAND MASK
    {1645, nullptr, u"或非掩码"}, // NOR MASK
    {1646, nullptr, u"异或掩码"}, // XOR MASK
    {1647, nullptr, u"数组最大/最小/平均值"}, // Data array Max/Min/Avg
    {1648, nullptr, u"数据最大/最小/平均值"}, // Data Max/Min/Avg
    {1649, nullptr, u"随机数"}, // RAND
    {1650, nullptr, u"存储器"}, // MEM
    {1651, nullptr, u"编码器"}, // Encoder
    {1652, nullptr, u"步进电机控制"}, // Stepping Motor Control
    {1653, nullptr, u"步进电机控制(边沿)"}, // Stepping Motor Control(Edge)
    {1654, nullptr, u"脉冲串输出"}, // Pulse Train Output
    {1655, nullptr, u"脉冲串输出(边沿)"}, // Pulse Train Output(Edge)
    {1656, nullptr, u"数码管显示"}, // Segment Display
    {1657, nullptr, u"字转位"}, // Word to Bit
    {1658, nullptr, u"自定义通讯"}, // UDC Communication
    {1659, nullptr, u"CRC16校验"}, // CRC16
    {1660, nullptr, u"奇数"}, // Odd Number
    {1661, nullptr, u"偶数"}, // Even Number
    {1662, nullptr, u"取模"}, // Modulo
    {1663, nullptr, u"取余"}, // Remainder
    {1664, nullptr, u"对数"}, // Logarithm
    {1665, nullptr, u"平方根"}, // Square root
    {1666, nullptr, u"绝对值"}, // Absolute value
    {1667, nullptr, u"最大公约数"}, // GCD
    {1668, nullptr, u"最小公倍数"}, // LCM
    {1669, nullptr, u"2的n次幂"}, // 2's n power
    {1670, nullptr, u"e的n次幂"}, // e's n power
    {1671, nullptr, u"定点运算"}, // Fixed-point arithmetic
    {1672, nullptr, u"四舍五入"}, // Round-off
    {1673, nullptr, u"正弦函数"}, // Sine function
    {1674, nullptr, u"余弦函数"}, // Cosine function
    {1675, nullptr, u"正切函数"}, // Tangent function
    {1676, nullptr, u"余切函数"}, // Cotangent function
    {1677, nullptr, u"正割函数"}, // Secant function
    {1678, nullptr, u"余割函数"}, // Cosecant function
    {1679, nullptr, u"二次方程"}, // Quadratic equation
    {1680, nullptr, u"数据记录"}, // Data Log
    // The toolbar's commands: a prompt, then after a line feed the button's tip. The zoom
    // strings have no tip part; the transfer strings are shown whole.
    {6020, u"Zoom In", u"放大"},
    {6021, u"Zoom Out", u"缩小"},
    {32798, u"Clock Setting/Calibration", nullptr},
    {32801, u"Connect\nConnect F5", u"连接\n连接 F5"},
    {32802, u"Simulation\nSimulation F3", u"仿真\n仿真 F3"},
    {32806, u"Device->PC   Ctrl+U", u"设备->PC   Ctrl+U"},
    {32807, u"PC->Device   Ctrl+D", u"PC->设备   Ctrl+D"},
    {0xE100, u"Create a new document\nNew", u"建立新文档\n新建"},
    {0xE101, u"Open an existing document\nOpen", u"打开一个现有文档\n打开"},
    {0xE103, u"Save the active document\nSave", u"保存活动文档\n保存"},
    {0xE122, u"Copy the selection and put it on the Clipboard\nCopy", u"复制所选内容，并将其放到剪贴板上\n复制"},
    {0xE123, u"Cut the selection and put it on the Clipboard\nCut", u"剪切所选内容，并将其放到剪贴板上\n剪切"},
    {0xE125, u"Insert Clipboard contents\nPaste", u"插入剪贴板内容\n粘贴"},
    {0xE12B, u"Undo the last action\nUndo", u"撤销最后一步操作\n撤销"},
    {0xE12C, u"Redo the previously undone action\nRedo", u"重做先前撤销的操作\n重做"},
    {0xE140, u"Display program information, version number and copyright\nAbout", nullptr},
    {0xE6FF, u"   Zoom:100%   ", nullptr},
    {0xE701, u"CAP", nullptr},
    {0xE702, u"NUM", nullptr},
    {0xE703, u"SCRL", nullptr},
    {AFX_IDP_PARSE_INT, u"Please enter an integer.", nullptr},
    {AFX_IDP_PARSE_REAL, u"Please enter a number.", nullptr},
    {AFX_IDP_PARSE_INT_RANGE, u"Please enter an integer between %1 and %2.", nullptr},
    {AFX_IDP_PARSE_REAL_RANGE, u"Please enter a number between %1 and %2.", nullptr},
    {AFX_IDP_PARSE_STRING_SIZE, u"Enter no more than %1 characters.", nullptr},
    {AFX_IDP_PARSE_RADIO_BUTTON, u"Please select a button.", nullptr},
    {AFX_IDP_PARSE_BYTE, u"Please enter an integer between 0 and 255.", nullptr},
    {AFX_IDP_PARSE_UINT, u"Please enter a positive integer.", nullptr},
};

static_assert(IsSortedUniqueById(kEntries), "string table entries must be sorted by id, without repeats");

} // namespace

std::span<const StringTableEntry> ProgramStringEntries()
{
    return kEntries;
}
