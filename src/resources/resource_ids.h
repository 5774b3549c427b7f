#pragma once
// Resource and control ids of the program, with the handheld's numbers.

// Dialog templates
constexpr int IDD_BOARD = 102;
constexpr int IDD_OPTIONS = 177;
constexpr int IDD_HISCORES = 178;
constexpr int IDD_NAME_ENTRY = 179;
constexpr int IDD_ABOUT = 180;

// Menu, menu bar and its string
constexpr int IDR_MENU = 130;
constexpr int IDS_MENU = 32773;
constexpr int ID_MENU_BUTTON = 32771;
constexpr int ID_NEW_GAME = 32774;
constexpr int ID_EXIT = 32775;
constexpr int ID_SHOW_HISCORES = 32776;
constexpr int ID_INSTRUCTIONS = 32777;
constexpr int ID_GAME_OPTIONS = 32778;
constexpr int ID_ABOUT = 32779;
constexpr int ID_RESET_HISCORES = 32780;
// The coach on or off: the C key, a tap on the board's caption or on the coach's panel.
constexpr int ID_COACH = 32781;
// The statistics of the history file beside the screen, shown and hidden by the S key; the
// reset asked for on their second page.
constexpr int ID_STATISTICS = 32782;
constexpr int ID_RESET_STATISTICS = 32783;

// Bitmaps
constexpr int IDB_BOARD = 142;
constexpr int IDB_GO = 172;
constexpr int IDB_OPTIONS_TITLE = 179;
constexpr int IDB_AUDIO = 180;
constexpr int IDB_DICE_COLOR = 181;
constexpr int IDB_DICE_SPEED = 182;
constexpr int IDB_HISCORES_TITLE = 183;
constexpr int IDB_NAME_BANNER = 184;
constexpr int IDB_ENTER = 185;
constexpr int IDB_ABOUT_ART = 186;

// Icons: the program, the white faces 1 to 6, the hand, the red faces 1 to 6
constexpr int IDI_PROGRAM = 128;
constexpr int IDI_WHITE_FACE_BASE = 128;  // + value
constexpr int IDI_HAND = 135;
constexpr int IDI_RED_FACE_BASE = 135;  // + value

// Board items
constexpr int IDC_DIE_FIRST = 1000;  // to 1004
constexpr int IDC_GO = 1022;
constexpr int IDC_CELL_FIRST = 1026;  // to 1040, index = id - 1026
constexpr int IDC_CELL_BONUS = 1039;
constexpr int IDC_CELL_TOTAL = 1040;
constexpr int IDC_ROLLS = 1050;
constexpr int ID_BOARD_TIMER = 102;

// Game Options items (the pairing of boxes and pictures is irregular)
constexpr int IDC_AUDIO_CHECK = 1045;
constexpr int IDC_AUDIO_PICTURE = 1047;
constexpr int IDC_COLOR_PICTURE = 1048;
constexpr int IDC_COLOR_CHECK = 1049;
constexpr int IDC_SPEED_CHECK = 1050;
constexpr int IDC_SPEED_PICTURE = 1051;

// Hi Scores rows: row 0 is 1056, rows 1 to 9 are 1046 to 1054
constexpr int IDC_SCORE0 = 1056;
constexpr int IDC_SCORE1 = 1046;

// Name entry
constexpr int IDC_NAME = 1052;
constexpr int IDC_ENTER_PICTURE = 1054;

// About
constexpr int IDT_TEXT = 1055;
