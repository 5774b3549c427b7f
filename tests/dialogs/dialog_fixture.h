#pragma once
// The secondary dialogs on the headless back end, with the program's resources, its
// dialog colours and default settings whose file lies in a fresh temporary folder.
#include <gtest/gtest.h>

#include <string>

#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"
#include "platform/wnd/dialog.h"
#include "platform/wnd/shell.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"
#include "support/scoped_temp_folder.h"
#include "support/ui_script.h"

class DialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InstallProgramResources();
    InstallWindowResources();
  }

  DialogTest() {
    m_app.SetDialogBkColor(RGB(0, 153, 51), RGB(255, 255, 255));
    theSettings.SetDefaults();
    theSettings.Save();
  }

  std::string SettingsFileBytes() const { return FileBytes(m_folder.File("Tumbla.ini")); }

  UiScript& Check(std::function<void()> check) { return m_ui.Check(std::move(check)); }

  // The text of a control of the dialog in front.
  static CString ItemText(int nId) {
    CString text;
    ActiveDialog()->GetDlgItemText(nId, text);
    return text;
  }

  ScopedTempFolder m_folder;
  CWinApp m_app;
  UiScript m_ui;
};
