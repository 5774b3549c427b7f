// The shell calls: sounds from the program's resources and the help viewer.
#include <gtest/gtest.h>

#include "platform/core/module_path.h"
#include "platform/core/resources.h"
#include "platform/wnd/shell.h"
#include "wnd_test_support.h"

namespace {
using Shell = WndTest;

constexpr unsigned char kWave[] = {'R', 'I', 'F', 'F'};
constexpr ResourceEntry kResources[] = {{ResourceType::Wave, 0, u"WAV_1", kWave}};

TEST_F(Shell, ASoundResourceIsPlayedByNameAndAMissingOneSkipped) {
  SetResourceTable(kResources);
  EXPECT_TRUE(PlaySoundW(u"WAV_1", AfxGetInstanceHandle(), SND_RESOURCE | SND_ASYNC));
  EXPECT_FALSE(PlaySoundW(u"WAV_9", AfxGetInstanceHandle(), SND_RESOURCE | SND_ASYNC));
  SetResourceTable({});
  ASSERT_EQ(m_ui.Sounds().size(), 1u);
  EXPECT_EQ(m_ui.Sounds()[0].name, u"WAV_1");
  EXPECT_EQ(m_ui.Sounds()[0].timeMs, m_ui.NowMs());
}

TEST_F(Shell, TheHelpViewerOpensThePageBesideTheExecutable) {
  SetModuleFilePathForTesting(u"/opt/tumbla/bin/Tumbla");
  EXPECT_TRUE(CreateProcessW(u"peghelp.exe", u"file:Tumbla.htm", nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                             nullptr));
  SetModuleFilePathForTesting(u"");
  ASSERT_EQ(m_ui.HelpLaunches().size(), 1u);
  EXPECT_EQ(m_ui.HelpLaunches()[0].pagePath, u"/opt/tumbla/bin/Tumbla.htm");
}

TEST_F(Shell, WithoutTheExecutablesPathNoPageIsLookedFor) {
  SetModuleFilePathForTesting(u"Tumbla");
  EXPECT_FALSE(CreateProcessW(u"peghelp.exe", u"file:Tumbla.htm", nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                              nullptr));
  SetModuleFilePathForTesting(u"");
  EXPECT_TRUE(m_ui.HelpLaunches().empty());
}
}  // namespace
