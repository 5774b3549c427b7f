#include "draw/score_cell.h"

#include <memory>

#include "control_host.h"

namespace {
constexpr COLORREF kBoardGreen = RGB(0, 153, 51);
constexpr COLORREF kOfferPanel = RGB(0, 204, 51);
constexpr COLORREF kOfferText = RGB(0, 102, 51);
constexpr COLORREF kWhite = RGB(255, 255, 255);
}  // namespace

class ScoreCellTest : public ControlTest {
 protected:
  ScoreCellTest() {
    m_host.onInit = [this] {
      m_ones = std::make_unique<CScoreCell>(&m_host, IDC_CELL_FIRST, true);
      m_bonus = std::make_unique<CScoreCell>(&m_host, IDC_CELL_BONUS, false);
    };
  }
  void Run() { m_host.DoModal(); }

  std::unique_ptr<CScoreCell> m_ones;
  std::unique_ptr<CScoreCell> m_bonus;
};

TEST_F(ScoreCellTest, AnOfferIsDarkGreenOnTheRoundedPanelAndAnythingElseWhiteOnGreen) {
  m_ui.Check([this] {
    m_ones->SetValueNoOffer(-1);
    EXPECT_TRUE(ShowsColor(*m_ones, kWhite)) << "\"-\"";
    EXPECT_FALSE(ShowsColor(*m_ones, kOfferPanel));

    m_ones->SetValue(0);
    m_ones->ShowOffer();
    EXPECT_TRUE(ShowsColor(*m_ones, kOfferPanel));
    EXPECT_TRUE(ShowsColor(*m_ones, kOfferText));
    EXPECT_FALSE(ShowsColor(*m_ones, kWhite));
    EXPECT_EQ(m_ones->GetSurface().Pixel(0, 0), kBoardGreen) << "the corner outside the rounded panel";

    m_ones->HideOffer();
    EXPECT_FALSE(ShowsColor(*m_ones, kOfferPanel)) << "the plain background returns";
    EXPECT_TRUE(ShowsColor(*m_ones, kWhite)) << "a committed 0 shows \"0\"";
  });
  Run();
}

TEST_F(ScoreCellTest, ATapTakesAnOfferAndNothingElse) {
  m_ui
      .Check([this] {
        m_ones->SetValue(3);
        m_ones->ShowOffer();
        m_bonus->SetValue(100);
        m_bonus->ShowOffer();
      })
      .TapItem(IDC_CELL_FIRST)
      .TapItem(IDC_CELL_BONUS)
      .Check([this] {
        EXPECT_TRUE(m_ones->IsFilled());
        EXPECT_FALSE(m_ones->IsOffered());
        EXPECT_EQ(m_ones->GetScore(), 3);
        EXPECT_FALSE(ShowsColor(*m_ones, kOfferPanel)) << "redrawn at once";
        EXPECT_FALSE(m_bonus->IsFilled()) << "taking the extra fills nothing";
        EXPECT_FALSE(m_bonus->IsOffered());
        m_ones->SetFilled(false);
      })
      .TapItem(IDC_CELL_FIRST)
      .Check([this] { EXPECT_FALSE(m_ones->IsFilled()) << "a cell without an offer ignores taps"; });
  Run();
  EXPECT_EQ(m_ui.SoundNames(), std::vector<CString>({u"WAV_5", u"WAV_5"}));
}
