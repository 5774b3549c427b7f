#pragma once
// Dialog templates, menus and menu bars as data, the way the handheld's resource compiler
// lays them out. The resources library fills the tables; CDialog and the command bar read
// them by id.
//
// Item order is template order: the first item is created first and lies on top of the
// z-order, so a picture that belongs behind everything comes last. Rectangles are in
// dialog units of the dialog font Tahoma 8: 6/4 pixel per horizontal unit and 13/8 pixel
// per vertical unit, each edge (x, x + width, y, y + height) rounded as MulDiv rounds.
#include <span>
#include <string_view>

#include "platform/core/win_types.h"

enum class ItemClass { Button, Static, Edit };

struct DialogItemTemplate {
  ItemClass itemClass;
  std::u16string_view text;  // ignored for a picture
  int imageId;               // bitmap resource of an SS_BITMAP picture, else 0
  int id;                    // -1 for items nobody addresses
  DWORD style;
  int x, y, cx, cy;
};

struct DialogTemplate {
  int id;
  DWORD style;
  DWORD exStyle;
  std::u16string_view caption;
  std::u16string_view fontFace;
  int fontPointSize;
  int x, y, cx, cy;
  std::span<const DialogItemTemplate> items;
};

// One pop-up item; id 0 with no text is a separator.
struct MenuItemTemplate {
  UINT id;
  std::u16string_view text;
};

struct MenuTemplate {
  int id;
  std::span<const MenuItemTemplate> popupItems;  // the menu's single pop-up
};

// One button of a menu bar: a string resource for its text and the pop-up it opens.
struct MenuBarButtonTemplate {
  UINT command;
  int stringId;
  bool dropDown;
};

struct MenuBarTemplate {
  int id;
  int menuId;
  std::span<const MenuBarButtonTemplate> buttons;
};

struct WindowResourceTables {
  std::span<const DialogTemplate> dialogs;
  std::span<const MenuTemplate> menus;
  std::span<const MenuBarTemplate> menuBars;
};

void SetWindowResourceTables(const WindowResourceTables& tables);
// Null when there is none with that id.
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);
const MenuBarTemplate* FindMenuBarTemplate(int id);

// Dialog units of the dialog font to pixels.
constexpr int DIALOG_BASE_X = 6;   // pixels per 4 horizontal units
constexpr int DIALOG_BASE_Y = 13;  // pixels per 8 vertical units
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
// A template rectangle (x, y, width, height in dialog units) in pixels.
CRect DialogUnitsToPixels(int x, int y, int cx, int cy);
