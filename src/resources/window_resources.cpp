#include "resources/window_resources.h"

#include "platform/wnd/win_constants.h"
#include "resources/resource_ids.h"

namespace {
constexpr DWORD PLACEHOLDER = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD PICTURE = WS_CHILD | WS_VISIBLE | SS_BITMAP;
constexpr DWORD TAPPABLE_PICTURE = PICTURE | SS_NOTIFY;
constexpr DWORD CHECK_BOX = 0x50010003;             // child, visible, tab stop, automatic check box
constexpr DWORD NAME_BOX = 0x50810005;              // child, visible, border, tab stop, centred, multi-line
constexpr DWORD GROUPED_CENTRED_TEXT = 0x50020001;  // child, visible, group, centred

constexpr DWORD SCREEN_DIALOG = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

constexpr int DieY(int k) { return 16 + 24 * k; }
constexpr int CellX(int id) { return (id - IDC_CELL_FIRST) % 2 == 0 ? 37 : 97; }
constexpr int CellY(int id) { return 20 + 16 * ((id - IDC_CELL_FIRST) / 2); }

constexpr DialogItemTemplate Cell(int id, std::u16string_view text) {
  return {ItemClass::Button, text, 0, id, PLACEHOLDER, CellX(id), CellY(id), 22, 14};
}

constexpr DialogItemTemplate kBoardItems[] = {
    {ItemClass::Button, u"D1", 0, 1000, PLACEHOLDER, 130, DieY(0), 23, 22},
    {ItemClass::Button, u"D2", 0, 1001, PLACEHOLDER, 130, DieY(1), 23, 22},
    {ItemClass::Button, u"D3", 0, 1002, PLACEHOLDER, 130, DieY(2), 23, 22},
    {ItemClass::Button, u"D4", 0, 1003, PLACEHOLDER, 130, DieY(3), 23, 22},
    {ItemClass::Button, u"D5", 0, 1004, PLACEHOLDER, 130, DieY(4), 23, 22},
    {ItemClass::Static, u"", IDB_GO, IDC_GO, TAPPABLE_PICTURE, 126, 136, 32, 23},
    Cell(1026, u"N1"),
    Cell(1027, u"N2"),
    Cell(1028, u"N3"),
    Cell(1029, u"N4"),
    Cell(1030, u"N5"),
    Cell(1031, u"N6"),
    Cell(1032, u"N7"),
    Cell(1033, u"N8"),
    Cell(1034, u"N9"),
    Cell(1035, u"N10"),
    Cell(1036, u"N11"),
    Cell(1037, u"N12"),
    Cell(1038, u"N13"),
    Cell(1039, u"N14"),
    {ItemClass::Button, u"N15", 0, IDC_CELL_TOTAL, PLACEHOLDER, 51, 139, 22, 14},
    {ItemClass::Button, u"N16", 0, IDC_ROLLS, PLACEHOLDER, 97, 139, 22, 14},
    {ItemClass::Static, u"", IDB_BOARD, -1, PICTURE, 0, 0, 160, 165},
};

constexpr DialogItemTemplate kOptionsItems[] = {
    {ItemClass::Button, u"", 0, IDC_AUDIO_CHECK, CHECK_BOX, 127, 52, 10, 9},
    {ItemClass::Button, u"", 0, IDC_COLOR_CHECK, CHECK_BOX, 127, 93, 10, 9},
    {ItemClass::Button, u"", 0, IDC_SPEED_CHECK, CHECK_BOX, 127, 134, 10, 9},
    {ItemClass::Static, u"", IDB_OPTIONS_TITLE, -1, PICTURE, 24, 8, 113, 14},
    {ItemClass::Static, u"", IDB_AUDIO, IDC_AUDIO_PICTURE, TAPPABLE_PICTURE, 20, 30, 121, 38},
    {ItemClass::Static, u"", IDB_DICE_COLOR, IDC_COLOR_PICTURE, TAPPABLE_PICTURE, 18, 71, 123, 35},
    {ItemClass::Static, u"", IDB_DICE_SPEED, IDC_SPEED_PICTURE, TAPPABLE_PICTURE, 17, 112, 124, 36},
};

constexpr int ScoreRowY(int row) { return 22 + 13 * row; }

constexpr DialogItemTemplate kHiScoresItems[] = {
    {ItemClass::Static, u"", IDB_HISCORES_TITLE, -1, PICTURE, 43, 5, 71, 11},
    {ItemClass::Button, u"", 0, IDC_SCORE0, PLACEHOLDER, 7, ScoreRowY(0), 145, 12},
    {ItemClass::Button, u"", 0, 1046, PLACEHOLDER, 7, ScoreRowY(1), 145, 12},
    {ItemClass::Button, u"", 0, 1047, PLACEHOLDER, 7, ScoreRowY(2), 145, 12},
    {ItemClass::Button, u"", 0, 1048, PLACEHOLDER, 7, ScoreRowY(3), 145, 12},
    {ItemClass::Button, u"", 0, 1049, PLACEHOLDER, 7, ScoreRowY(4), 145, 12},
    {ItemClass::Button, u"", 0, 1050, PLACEHOLDER, 7, ScoreRowY(5), 145, 12},
    {ItemClass::Button, u"", 0, 1051, PLACEHOLDER, 7, ScoreRowY(6), 145, 12},
    {ItemClass::Button, u"", 0, 1052, PLACEHOLDER, 7, ScoreRowY(7), 145, 12},
    {ItemClass::Button, u"", 0, 1053, PLACEHOLDER, 7, ScoreRowY(8), 145, 12},
    {ItemClass::Button, u"", 0, 1054, PLACEHOLDER, 7, ScoreRowY(9), 145, 12},
};

constexpr DialogItemTemplate kNameEntryItems[] = {
    {ItemClass::Static, u"", IDB_NAME_BANNER, -1, PICTURE, 14, 7, 131, 25},
    {ItemClass::Edit, u"", 0, IDC_NAME, NAME_BOX, 33, 49, 92, 12},
    {ItemClass::Static, u"", IDB_ENTER, IDC_ENTER_PICTURE, TAPPABLE_PICTURE, 50, 64, 59, 22},
};

constexpr DialogItemTemplate kAboutItems[] = {
    {ItemClass::Static, u"", 0, IDT_TEXT, GROUPED_CENTRED_TEXT, 7, 78, 145, 60},
    {ItemClass::Static, u"", IDB_ABOUT_ART, -1, PICTURE, 27, 11, 103, 60},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_BOARD, SCREEN_DIALOG, WS_EX_APPWINDOW | WS_EX_CAPTIONOKBTN, u"Tumbla", u"Tahoma", 8, 0, 0, 160, 165,
     kBoardItems},
    {IDD_OPTIONS, SCREEN_DIALOG, 0, u"Tumbla", u"Tahoma", 8, 0, 0, 159, 165, kOptionsItems},
    {IDD_HISCORES, SCREEN_DIALOG, 0, u"Tumbla", u"Tahoma", 8, 0, 0, 159, 165, kHiScoresItems},
    {IDD_NAME_ENTRY, SCREEN_DIALOG, 0, u"Tumbla", u"Tahoma", 8, 0, 0, 159, 165, kNameEntryItems},
    {IDD_ABOUT, SCREEN_DIALOG, 0, u"Tumbla", u"Tahoma", 8, 0, 0, 159, 165, kAboutItems},
};

constexpr MenuItemTemplate kMenuItems[] = {
    {ID_NEW_GAME, u"New Game"},
    {0, u""},
    {ID_SHOW_HISCORES, u"Show Hi Scores"},
    {ID_RESET_HISCORES, u"Reset Hi Scores"},
    {ID_GAME_OPTIONS, u"Game Options"},
    {ID_ABOUT, u"About Tumbla"},
    {ID_INSTRUCTIONS, u"Intructions"},
    {0, u""},
    {ID_EXIT, u"Exit"},
};

constexpr MenuTemplate kMenus[] = {{IDR_MENU, kMenuItems}};

constexpr MenuBarButtonTemplate kMenuBarButtons[] = {{ID_MENU_BUTTON, IDS_MENU, true}};

constexpr MenuBarTemplate kMenuBars[] = {{IDR_MENU, IDR_MENU, kMenuBarButtons}};

constexpr StringResourceEntry kStrings[] = {{IDS_MENU, u"Menu"}};
}  // namespace

std::span<const DialogTemplate> ProgramDialogTemplates() { return kDialogs; }
std::span<const MenuTemplate> ProgramMenus() { return kMenus; }
std::span<const MenuBarTemplate> ProgramMenuBars() { return kMenuBars; }
std::span<const StringResourceEntry> ProgramStrings() { return kStrings; }

void InstallWindowResources() {
  SetWindowResourceTables(WindowResourceTables{kDialogs, kMenus, kMenuBars});
  SetStringTable(kStrings);
}
