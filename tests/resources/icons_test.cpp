// The die faces and the hand as the board draws them: decoded from the embedded icons.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "platform/gdi/gdi.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMaroon = RGB(128, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kOlive = RGB(128, 128, 0);

struct FaceColours {
  int firstId;
  COLORREF body;     // the face's plain surface
  COLORREF pipRim;   // the pip's outer ring, top and left
  COLORREF pipCore;  // the pip's middle
};
constexpr FaceColours kWhiteFaces{IDI_WHITE_FACE_BASE + 1, kWhite, kLightGrey, kBlack};
constexpr FaceColours kRedFaces{IDI_RED_FACE_BASE + 1, kRed, kGrey, kWhite};

const std::array<std::vector<POINT>, 6> kPipCorners = {{
    {{12, 11}},
    {{5, 4}, {19, 19}},
    {{4, 4}, {12, 12}, {20, 20}},
    {{5, 5}, {19, 5}, {5, 19}, {19, 19}},
    {{5, 5}, {19, 5}, {12, 12}, {5, 19}, {19, 19}},
    {{5, 3}, {19, 3}, {5, 12}, {19, 12}, {5, 21}, {19, 21}},
}};

class IconsTest : public testing::Test {
 protected:
  void SetUp() override { InstallProgramResources(); }

  static HICON Load(int id) {
    HICON icon = LoadIconW(static_cast<UINT>(id));
    EXPECT_NE(icon, nullptr) << id;
    if (icon != nullptr) {
      EXPECT_EQ(icon->image.Width(), 32);
      EXPECT_EQ(icon->image.Height(), 32);
    }
    return icon;
  }
  static bool Opaque(HICON icon, int x, int y) { return icon->opaque[static_cast<std::size_t>(y * 32 + x)]; }
  // The pixel as drawn over a background: transparent pixels show it.
  static COLORREF Seen(HICON icon, int x, int y, COLORREF background = RGB(0, 102, 51)) {
    return Opaque(icon, x, y) ? icon->image.Pixel(x, y) : background;
  }
};

TEST_F(IconsTest, EveryFaceHasRoundedCornersAndItsPipsAtTheirOwnIrregularCorners) {
  const POINT transparent[] = {{0, 0}, {1, 0}, {30, 0}, {31, 0}, {0, 1}, {31, 1},
                               {0, 30}, {31, 30}, {0, 31}, {1, 31}, {30, 31}, {31, 31}};
  const POINT opaque[] = {{2, 0}, {29, 0}, {1, 1}, {30, 1}, {0, 2}, {31, 29}, {1, 30}, {29, 31}};
  for (const FaceColours& faces : {kWhiteFaces, kRedFaces}) {
    for (int value = 1; value <= 6; ++value) {
      HICON icon = Load(faces.firstId + value - 1);
      ASSERT_NE(icon, nullptr);
      for (POINT p : transparent) EXPECT_FALSE(Opaque(icon, p.x, p.y)) << value << " at " << p.x << "," << p.y;
      for (POINT p : opaque) EXPECT_TRUE(Opaque(icon, p.x, p.y)) << value << " at " << p.x << "," << p.y;
      EXPECT_EQ(std::count(icon->opaque.begin(), icon->opaque.end(), true), 32 * 32 - 12) << value;
      // Only the red two has a maroon corner pixel.
      const COLORREF corner = faces.body == kRed ? (value == 2 ? kMaroon : kBlack) : kLightGrey;
      if (faces.body == kRed || value == 2) {
        EXPECT_EQ(Seen(icon, 29, 29), corner) << value;
      }
      if (faces.body == kRed) {
        EXPECT_EQ(Seen(icon, 28, 29), kMaroon) << value;
      }
      for (const POINT& c : kPipCorners[static_cast<std::size_t>(value - 1)]) {
        SCOPED_TRACE(testing::Message() << "face " << value << " pip at " << c.x << "," << c.y);
        // The rim's top row starts two pixels in; its left column two rows down.
        EXPECT_EQ(Seen(icon, c.x + 2, c.y), faces.pipRim);
        EXPECT_EQ(Seen(icon, c.x + 2, c.y - 1), faces.body);
        EXPECT_EQ(Seen(icon, c.x, c.y + 2), faces.pipRim);
        EXPECT_EQ(Seen(icon, c.x - 1, c.y + 2), faces.body);
        EXPECT_EQ(Seen(icon, c.x, c.y), faces.body);  // the cell's corner keeps the body
        EXPECT_EQ(Seen(icon, c.x + 3, c.y + 3), faces.pipCore);
      }
    }
  }
  HICON one = Load(kWhiteFaces.firstId);  // the white pips carry a grey glint
  EXPECT_EQ(Seen(one, 17, 15), kGrey);
  EXPECT_EQ(Seen(one, 16, 16), kGrey);
  EXPECT_EQ(Seen(one, 17, 16), kLightGrey);
}

TEST_F(IconsTest, TheHandShowsTheFaceAroundAndBetweenItsFingers) {
  HICON hand = Load(IDI_HAND);
  ASSERT_NE(hand, nullptr);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      EXPECT_FALSE((x < 7 || x > 24 || y < 4 || y > 25) && Opaque(hand, x, y)) << x << "," << y;
    }
  }
  // Rows of x 7 to 24: the tip of the middle finger, the knuckles, the cuff's bright band.
  const std::pair<int, std::string_view> rows[] = {
      {4, ".........KK......."},
      {15, "KOYOKOYOYYOYYOKYOK"},
      {22, ".....KKKKKKKKKKK.."},
      {23, "....KYYYYYYYYYYOK."},
  };
  for (const auto& [y, row] : rows) {
    ASSERT_EQ(row.size(), 18u);
    for (int i = 0; i < 18; ++i) {
      const char letter = row[static_cast<std::size_t>(i)];
      const COLORREF expected = letter == 'K' ? kBlack : letter == 'Y' ? kYellow : letter == 'O' ? kOlive : RGB(1, 2, 3);
      EXPECT_EQ(Seen(hand, 7 + i, y, RGB(1, 2, 3)), expected) << "row " << y << " x " << 7 + i;
    }
  }
}

}  // namespace
