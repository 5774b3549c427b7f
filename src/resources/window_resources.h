#pragma once
// The program's dialog templates (board 102, Game Options 177, Hi Scores 178, name entry
// 179, About 180), its menu 130, menu bar 130 and the string table, as data for the
// window layer.
#include <span>

#include "platform/core/resources.h"
#include "platform/wnd/dialog_template.h"

std::span<const DialogTemplate> ProgramDialogTemplates();
std::span<const MenuTemplate> ProgramMenus();
std::span<const MenuBarTemplate> ProgramMenuBars();
std::span<const StringResourceEntry> ProgramStrings();

// Makes these the templates, menus and strings the window layer finds by id.
void InstallWindowResources();
