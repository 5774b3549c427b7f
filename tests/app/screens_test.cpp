// Every screen the player meets, compared pixel for pixel with its reference image in
// tests/goldens. The run that rewrites those (TUMBLA_UPDATE_GOLDENS=1) also redraws the
// README's pictures in docs/ from the same screens, so they never show an older program.
#include <string>

#include "board_fixture.h"
#include "dialogs/name_entry_dlg.h"
#include "platform/gdi/png_file.h"
#include "platform/headless/golden.h"

class ScreensTest;

namespace {
struct Screen {
  const char* golden;
  const char* docsPicture;  // "" when the README shows none
  int docsScale;
  bool inNameEntry;  // else on the board
  void (*reach)(ScreensTest&);
};

void PrintTo(const Screen& screen, std::ostream* os) { *os << screen.golden; }
}  // namespace

class ScreensTest : public BoardTest, public ::testing::WithParamInterface<Screen> {
 public:
  using BoardTest::Check;
  using BoardTest::m_ui;
  using BoardTest::Roll;
  using BoardTest::Take;
  using BoardTest::TapDie;
};

namespace {
const Screen kScreens[] = {
    {"board_start", "", 1, false, [](ScreensTest&) {}},
    // After a committed Ones, a second roll in red dice with the first die held: the hand,
    // the red faces, the offer panels and the plain committed cell.
    {"board_rolled", "board.png", 2, false,
     [](ScreensTest& t) {
       t.Roll({1, 1, 4, 5, 6});
       t.Take(CellIndex(Category::Ones));
       t.Check([] { theSettings.m_nColor = 1; });
       t.Roll({2, 3, 4, 5, 6});
       t.TapDie(0);
     }},
    {"options", "options.png", 1, false, [](ScreensTest& t) { t.m_ui.ChooseMenu(u"Game Options"); }},
    {"hiscores", "hiscores.png", 1, false,
     [](ScreensTest& t) {
       theSettings.ResetHiScores();
       t.m_ui.ChooseMenu(u"Show Hi Scores");
     }},
    {"about", "about.png", 1, false, [](ScreensTest& t) { t.m_ui.ChooseMenu(u"About Tumbla"); }},
    {"exit_question", "", 1, false, [](ScreensTest& t) { t.m_ui.ChooseMenu(u"Exit"); }},
    {"reset_question", "", 1, false, [](ScreensTest& t) { t.m_ui.ChooseMenu(u"Reset Hi Scores"); }},
    {"name_entry", "name_entry.png", 1, true, [](ScreensTest& t) { t.m_ui.Type(u"Zo\u00EB"); }},
    {"name_too_long", "", 1, true, [](ScreensTest& t) { t.m_ui.Type(u"123456789012345678901").Key(VK_RETURN); }},
};
}  // namespace

TEST_P(ScreensTest, MatchesItsReferenceImage) {
  const Screen& screen = GetParam();
  screen.reach(*this);
  Check([this, &screen] {
    const Surface shot = m_ui.Screenshot();
    const GoldenComparison result = CompareWithGolden(shot, screen.golden);
    EXPECT_TRUE(result.matches) << result.message;
    if (*screen.docsPicture != '\0' && GoldenUpdateRequested()) {
      const std::string path = SourceTreePath("docs").append(screen.docsPicture).string();
      EXPECT_TRUE(WritePng(Magnified(shot, screen.docsScale), path)) << "could not write " << path;
    }
  });
  if (screen.inNameEntry) {
    CString name;
    CNameEntryDlg(&name).DoModal();
  } else {
    Run();
  }
}

INSTANTIATE_TEST_SUITE_P(Every, ScreensTest, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<Screen>& info) { return std::string(info.param.golden); });
