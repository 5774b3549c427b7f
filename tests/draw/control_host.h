#pragma once
// The board's template as a bare dialog, with its placeholder items left for the
// controls under test to replace, on a headless back end with the program's resources.
// The controls are made when the dialog's window exists and checked by the script's steps.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>

#include "gdi_test_support.h"
#include "persistence/game_settings.h"
#include "platform/core/random.h"
#include "platform/wnd/dialog.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"
#include "support/ui_script.h"

class ControlHost : public CDialog {
 public:
  ControlHost() : CDialog(IDD_BOARD) {}
  std::function<void()> onInit;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    onInit();
    return TRUE;
  }
};

class ControlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InstallProgramResources();
    InstallWindowResources();
  }

  ControlTest() {
    theSettings.SetDefaults();
    theSettings.m_nAudio = 1;
    theSettings.m_nColor = 0;
    SetRandomSource([this] {
      if (m_randomNumbers.empty()) return std::uint32_t{0};
      const std::uint32_t number = m_randomNumbers.front();
      m_randomNumbers.pop_front();
      return number;
    });
  }
  ~ControlTest() override { SetRandomSource({}); }

  // The raw numbers the platform's generator gives next; 0 once they are used up.
  void QueueRandom(std::initializer_list<std::uint32_t> numbers) {
    m_randomNumbers.insert(m_randomNumbers.end(), numbers);
  }

  UiScript m_ui;
  ControlHost m_host;
  std::deque<std::uint32_t> m_randomNumbers;
};

// Whether any pixel, or every pixel, of the control's window has the colour.
inline bool ShowsColor(const CWnd& window, COLORREF color) { return CountColor(window.GetSurface(), color) > 0; }
inline bool ShowsOnly(const CWnd& window, COLORREF color) {
  const Surface& surface = window.GetSurface();
  return CountColor(surface, color) == surface.Width() * surface.Height();
}
