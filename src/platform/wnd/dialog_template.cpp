#include "platform/wnd/dialog_template.h"

#include "platform/gdi/gdi.h"

namespace {
WindowResourceTables& Tables() {
  static WindowResourceTables tables;
  return tables;
}

template <class T>
const T* FindById(std::span<const T> table, int id) {
  for (const T& entry : table) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}
}  // namespace

void SetWindowResourceTables(const WindowResourceTables& tables) { Tables() = tables; }

const DialogTemplate* FindDialogTemplate(int id) { return FindById(Tables().dialogs, id); }
const MenuTemplate* FindMenuTemplate(int id) { return FindById(Tables().menus, id); }
const MenuBarTemplate* FindMenuBarTemplate(int id) { return FindById(Tables().menuBars, id); }

int DialogUnitsToPixelsX(int units) { return MulDiv(units, DIALOG_BASE_X, 4); }
int DialogUnitsToPixelsY(int units) { return MulDiv(units, DIALOG_BASE_Y, 8); }

CRect DialogUnitsToPixels(int x, int y, int cx, int cy) {
  return CRect(DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(x + cx),
               DialogUnitsToPixelsY(y + cy));
}
