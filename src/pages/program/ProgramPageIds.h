// Template and control ids of the program Properties sheet's pages and of the two analog-output
// dialogs the Parameter page opens. Ids repeat across pages: each page is a dialog of its own.
#pragma once

#include "platform/core/Types.h"

// Templates.
constexpr UINT IDD_COM_SETTING = 107;
constexpr UINT IDD_SELECT_HARDWARE = 230;
constexpr UINT IDD_VALUE_RANGE_TYPE = 239;
constexpr UINT IDD_FIXED_VALUE = 241;
constexpr UINT IDD_PARAMETER = 4572;
constexpr UINT IDD_GENERAL = 4573;
constexpr UINT IDD_PROTECT = 4575;
constexpr UINT IDD_STARTUP_BMP = 4577;

// General page: the nine project texts in page order, "Show at new file" and the labels.
constexpr int IDC_GENERAL_TEXTS[] = {1040, 1174, 1175, 1043, 1044, 1045, 1047, 1048, 1049};
constexpr int IDC_SHOW_AT_NEW_FILE = 1215;
constexpr int IDC_CREATOR_LABEL = 1362;
constexpr int IDC_PROJECT_NAME_LABEL = 1363;
constexpr int IDC_INSTALLATION_LABEL = 1364;
constexpr int IDC_CUSTOMER_LABEL = 1365;
constexpr int IDC_DIAGRAM_NO_LABEL = 1366;
constexpr int IDC_CHECKED_LABEL = 1367;
constexpr int IDC_VERSION_LABEL = 1177;
constexpr int GENERAL_TEXT_MAX = 60;

// Protect page.
constexpr int IDC_TEMP_HIGH = 1278;
constexpr int IDC_TEMP_LOW = 1279;
constexpr int IDC_COPY_PROTECT = 1375;
constexpr int IDC_TEMP_GROUP = 1190;
constexpr int IDC_TEMP_HIGH_LABEL = 1194;
constexpr int IDC_TEMP_LOW_LABEL = 1195;
constexpr int IDC_PROGRAM_PROTECT_GROUP = 1368;

// Parameter page.
constexpr int IDC_CURRENT_PASSWORD = 1023;
constexpr int IDC_PROGRAM_NAME = 1024;
constexpr int IDC_NEW_PASSWORD = 1025;
constexpr int IDC_REPEAT_PASSWORD = 1026;
constexpr int IDC_SYNC_TIME = 1041;
constexpr int IDC_CURRENT_PASSWORD_LABEL = 1128;
constexpr int IDC_AQ_STOP_GROUP = 1190;
constexpr int IDC_AI0_LABEL = 1194;
constexpr int IDC_AI1_LABEL = 1195;
constexpr int IDC_AQ_RANGE_GROUP = 1196;
constexpr int IDC_AI_RANGE_GROUP = 1197;
constexpr int IDC_REDUNDANCY = 1208;
constexpr int IDC_KEEP_AQ_VALUES = 1232;
constexpr int IDC_VALUE_RANGE_BUTTON = 1234;
constexpr int IDC_FIXED_VALUE_BUTTON = 1235;
constexpr int IDC_AI0_RANGE = 1457;
constexpr int IDC_AI1_RANGE = 1458;
constexpr int IDC_SYNC_UNIT = 1193;
constexpr int IDC_REDUNDANCY_GROUP = 1189;
constexpr int IDC_REDUNDANCY_LABEL = 1191;
constexpr int IDC_SYNC_TIME_LABEL = 1192;
constexpr int IDC_NAME_PASSWORD_GROUP = 1370;
constexpr int IDC_PROGRAM_NAME_LABEL = 1369;
constexpr int IDC_NEW_PASSWORD_LABEL = 1021;
constexpr int IDC_REPEAT_PASSWORD_LABEL = 1022;
constexpr int PASSWORD_MAX = 8;
constexpr int PROGRAM_NAME_MAX = 13;
constexpr int SYNC_TIME_MIN = 1000;
constexpr int SYNC_TIME_MAX = 3600000;

// The analog-output dialogs: one control per output, AQ0-AQ3 of Main, then of Ext.1 to Ext.7.
constexpr int IDC_FIXED_VALUE_FIRST = 1235;
constexpr int IDC_RANGE_TYPE_FIRST = 1200;

// COM settings page.
constexpr int IDC_COM_TIMEOUT = 1040;
constexpr int IDC_COM_ADDRESS = 1170;
constexpr int IDC_COM_DELAY = 1171;
constexpr int IDC_COM_ADDRESS_LABEL = 1205;
constexpr int IDC_COM_PROTOCOL = 1209;
constexpr int IDC_COM_PARITY = 1210;
constexpr int IDC_COM_BAUD = 1211;
constexpr int IDC_COM_DATA_REGISTER = 1214;
constexpr int IDC_COM_DATA_REGISTER_LABEL = 1217;
constexpr int IDC_COM_MODEL = 1216;
constexpr int IDC_COM_SLAVE_NOTE = 1218;
constexpr int IDC_COM_GROUP = 1203;
constexpr int IDC_COM_MODEL_LABEL = 1201;
constexpr int IDC_COM_PROTOCOL_LABEL = 1204;
constexpr int IDC_COM_BAUD_LABEL = 1206;
constexpr int IDC_COM_PARITY_LABEL = 1207;
constexpr int IDC_COM_TIMEOUT_LABEL = 1208;
constexpr int IDC_COM_TIMEOUT_UNIT = 1212;
constexpr int IDC_COM_DELAY_LABEL = 1213;
constexpr int IDC_COM_DELAY_UNIT = 1215;
// The labels and units of the line settings, hidden with them for the text panel.
constexpr int IDC_COM_LINE_LABELS[] = {IDC_COM_PROTOCOL_LABEL, IDC_COM_BAUD_LABEL,    IDC_COM_PARITY_LABEL,
                                       IDC_COM_TIMEOUT_LABEL,  IDC_COM_TIMEOUT_UNIT, IDC_COM_DELAY_LABEL,
                                       IDC_COM_DELAY_UNIT};

// Hardware page.
constexpr int IDC_HARDWARE_RESOURCES = 1040;
constexpr int IDC_HARDWARE_TREE = 1225;
constexpr int IDC_HARDWARE_GROUP = 1372;
constexpr int IDC_RESOURCES_GROUP = 1373;

// Start-up logo page.
constexpr int IDC_LOGO_FILE = 1046;
constexpr int IDC_LOGO_FILE_LABEL = 1176;
constexpr int IDC_LOGO_NOTE = 1222;
constexpr int IDC_LOGO_FRAME = 1226;
constexpr int IDC_LOGO_OPEN = 1322;
constexpr int IDC_LCD_LANGUAGE = 1375;
constexpr int IDC_LOGO_TIME = 1376;
constexpr int IDC_LCD_CONTRAST = 1377;
constexpr int IDC_LCD_BACKLIGHT = 1378;
constexpr int IDC_LCD_GROUP = 1379;
constexpr int IDC_LOGO_INVERSE = 1401;
constexpr int IDC_LCD_LABEL_FIRST = 1177;
constexpr int IDC_LCD_LANGUAGE_LABEL = IDC_LCD_LABEL_FIRST;
constexpr int IDC_LCD_LABEL_LAST = 1180;
constexpr int LOGO_PATH_MAX = 255;

// Keys of the Chinese texts of the sheet's tab titles, in page order.
constexpr WORD TEXT_KEYS_PROGRAM_PAGES[] = {175, 170, 1423, 176, 177, 178, 179, 181, 180};
// Keys of the Chinese texts of the sheet's OK, Cancel, Help and Apply buttons.
constexpr WORD TEXT_KEY_OK = 1;
constexpr WORD TEXT_KEY_CANCEL = 2;
constexpr WORD TEXT_KEY_HELP = 9;
constexpr WORD TEXT_KEY_APPLY = 12321;
constexpr WORD TEXT_KEY_SHOW_AT_NEW_FILE = 182;
constexpr WORD TEXT_KEY_SYNC_UNIT = 1215;
constexpr WORD TEXT_KEY_PROGRAM_PROTECT = 1368;
// The LCD's language label shares the text of the interface's Language command.
constexpr WORD TEXT_KEY_LCD_LANGUAGE = 32852;
