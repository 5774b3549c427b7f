// Writes the program's icons as 32 by 32, 16-colour .ico files with a transparency mask:
//   make_icons <folder>   ->  icon_128.ico (the program) ... icon_141.ico
// 129 to 134 are the white faces 1 to 6, 135 the hand, 136 to 141 the red faces 1 to 6.
// Every picture is drawn from the tables below, written as the art was designed.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "binary_output.h"

namespace {

constexpr int kSize = 32;

// Indexes into the standard 16-colour palette.
enum Colour : std::uint8_t {
  Black = 0,
  Maroon = 1,
  Olive = 3,
  LightGrey = 7,
  Grey = 8,
  Red = 9,
  Yellow = 11,
  White = 15,
};
constexpr std::array<std::array<std::uint8_t, 3>, 16> kPalette = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

std::optional<Colour> ColourOfLetter(char letter) {
  switch (letter) {
    case 'K':
    case 'B': return Black;
    case 'M': return Maroon;
    case 'O': return Olive;
    case 'L': return LightGrey;
    case 'G': return Grey;
    case 'R': return Red;
    case 'Y': return Yellow;
    case 'W': return White;
    default: return std::nullopt;
  }
}

// Die bodies, one line per row group: "rows: colour columns; colour columns; ...".
// Rows and columns are single numbers or ranges a-b, joined by commas. K black, M maroon,
// L light grey, G grey, R red, W white. Pixels no line paints are transparent.
constexpr std::string_view kWhiteBody = R"(
0:     K 2-29
1:     K 1,30; L 2-28; G 29
2,28:  K 0,31; L 1-2,28-29; W 3-27; G 30
3-27:  K 0,31; L 1,29; W 2-28; G 30
29:    K 0,31; G 1,30; L 2-29
30:    K 1,30; G 2-29
31:    K 2-29
)";
constexpr std::string_view kRedBody = R"(
0:     K 2-29
1:     K 1,29,30; M 2-28
2,28:  K 0,30,31; M 1-2,28-29; R 3-27
3-27:  K 0,30,31; M 1,29; R 2-28
29:    K 0-1,29-31; M 2-28
30:    K 1-30
31:    K 2-29
)";

// Pips, 8 by 8; a dot keeps the body pixel beneath.
constexpr std::string_view kWhitePip = R"(
. . L L L L . .
. L B B B B L .
L B B B B B B L
L B B B B B B L
L B B B B G B L
L B B B G L B L
. L B B B B L .
. . L L L L . .
)";
constexpr std::string_view kRedPip = R"(
. . G G G G . .
. G L L L L L .
G L L W W W L L
G L W W W W W L
G L W W W W W L
G L W W W W W L
. L L W W W L .
. . L L L L . .
)";

// Top-left corners of the pip cells for the values 1 to 6, both colours alike.
const std::array<std::vector<std::array<int, 2>>, 6> kPipCorners = {{
    {{12, 11}},
    {{5, 4}, {19, 19}},
    {{4, 4}, {12, 12}, {20, 20}},
    {{5, 5}, {19, 5}, {5, 19}, {19, 19}},
    {{5, 5}, {19, 5}, {12, 12}, {5, 19}, {19, 19}},
    {{5, 3}, {19, 3}, {5, 12}, {19, 12}, {5, 21}, {19, 21}},
}};

// The held marker, drawn over the face: rows 4 to 25, columns 7 to 24; K black, Y yellow,
// O olive, a dot transparent.
constexpr int kHandLeft = 7;
constexpr int kHandTop = 4;
constexpr std::string_view kHand = R"(
. . . . . . . . . K K . . . . . . .
. . . . . . . . K Y O K . . . . . .
. . . . . . K K K Y O K K K . . . .
. . . . . K Y O K Y O K Y O K . . .
. . . . . K Y O K Y O K Y O K . . .
. . . . . K Y O K Y O K Y O K K K .
. . . . . K Y O K Y O K Y O K Y O K
. K K . . K Y O K Y O K Y O K Y O K
K Y O K . K Y O K Y O K Y O K Y O K
K Y O K . K Y O K Y O K Y O K Y O K
K Y O K . K Y O K Y O K Y O K Y O K
K O Y O K O Y O Y Y O Y Y O K Y O K
K O Y Y O Y Y Y Y Y Y Y Y Y Y Y O K
. K O Y Y Y Y Y Y Y Y Y Y Y Y Y O K
. . K O Y Y Y Y Y Y Y Y Y Y Y O O K
. . K O Y Y Y Y Y Y Y Y Y Y Y O K .
. . . K O Y Y Y Y Y Y Y Y Y O O K .
. . . . K O O O O O O O O O O K . .
. . . . . K K K K K K K K K K K . .
. . . . K Y Y Y Y Y Y Y Y Y Y O K .
. . . . K O O O O O O O O O O O K .
. . . . . K K K K K K K K K K K . .
)";

// The red two carries one maroon pixel where the other red faces are black.
constexpr int kRedTwoMarkX = 29;
constexpr int kRedTwoMarkY = 29;

struct Picture {
  std::array<std::optional<Colour>, kSize * kSize> pixels{};
  std::optional<Colour>& At(int x, int y) { return pixels[static_cast<std::size_t>(y * kSize + x)]; }
};

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "make_icons: " << message << "\n";
  std::exit(1);
}

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream stream{std::string(text)};
  while (std::getline(stream, part, separator)) parts.push_back(Trim(part));
  return parts;
}

// "1,3-5" -> 1, 3, 4, 5
std::vector<int> Numbers(std::string_view list) {
  std::vector<int> numbers;
  for (const std::string& item : Split(list, ',')) {
    const auto dash = item.find('-');
    const int first = std::stoi(item.substr(0, dash));
    const int last = dash == std::string::npos ? first : std::stoi(item.substr(dash + 1));
    if (first < 0 || last >= kSize || last < first) Fail("bad range " + item);
    for (int n = first; n <= last; ++n) numbers.push_back(n);
  }
  return numbers;
}

Picture DrawBody(std::string_view description) {
  Picture picture;
  for (const std::string& line : Split(description, '\n')) {
    if (line.empty()) continue;
    const auto colon = line.find(':');
    if (colon == std::string::npos) Fail("no rows in " + line);
    const std::vector<int> rows = Numbers(line.substr(0, colon));
    for (const std::string& paint : Split(line.substr(colon + 1), ';')) {
      const std::optional<Colour> colour = ColourOfLetter(paint.at(0));
      if (!colour) Fail("bad colour in " + paint);
      for (int y : rows) {
        for (int x : Numbers(paint.substr(1))) picture.At(x, y) = colour;
      }
    }
  }
  return picture;
}

// Lays a grid of letters over the picture at (left, top); dots leave the pixel as it is.
void Overlay(Picture& picture, std::string_view grid, int left, int top) {
  int y = top;
  for (const std::string& line : Split(grid, '\n')) {
    if (line.empty()) continue;
    int x = left;
    for (char letter : line) {
      if (letter == ' ') continue;
      if (letter != '.') {
        const std::optional<Colour> colour = ColourOfLetter(letter);
        if (!colour) Fail(std::string("bad colour ") + letter);
        picture.At(x, y) = colour;
      }
      ++x;
    }
    ++y;
  }
}

Picture DrawFace(std::string_view body, std::string_view pip, int value) {
  Picture picture = DrawBody(body);
  for (const auto& [x, y] : kPipCorners[static_cast<std::size_t>(value - 1)]) Overlay(picture, pip, x, y);
  return picture;
}

// One-image icon file: directory, bitmap header (double height: colours, then mask),
// palette, 4-bit colour rows and 1-bit mask rows, both bottom-up. Transparent pixels are
// black in the colour bitmap and set in the mask.
std::vector<std::uint8_t> EncodeIcon(Picture& picture) {
  constexpr std::uint32_t kColourRowBytes = kSize / 2;
  constexpr std::uint32_t kMaskRowBytes = kSize / 8;
  constexpr std::uint32_t kImageBytes = 40 + 16 * 4 + kSize * (kColourRowBytes + kMaskRowBytes);
  std::vector<std::uint8_t> out;
  PutLittleEndian(out, 0, 2);  // reserved
  PutLittleEndian(out, 1, 2);  // icon
  PutLittleEndian(out, 1, 2);  // one image
  out.push_back(kSize);
  out.push_back(kSize);
  out.push_back(16);  // colours
  out.push_back(0);
  PutLittleEndian(out, 1, 2);  // planes
  PutLittleEndian(out, 4, 2);  // bits per pixel
  PutLittleEndian(out, kImageBytes, 4);
  PutLittleEndian(out, 6 + 16, 4);

  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, kSize, 4);
  PutLittleEndian(out, kSize * 2, 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 4, 2);
  PutLittleEndian(out, 0, 4);  // uncompressed
  PutLittleEndian(out, kSize * (kColourRowBytes + kMaskRowBytes), 4);
  for (int i = 0; i < 4; ++i) PutLittleEndian(out, 0, 4);  // resolution, colours used, important
  for (const auto& [red, green, blue] : kPalette) {
    out.insert(out.end(), {blue, green, red, 0});
  }
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; x += 2) {
      const std::uint8_t high = picture.At(x, y).value_or(Black);
      const std::uint8_t low = picture.At(x + 1, y).value_or(Black);
      out.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
  }
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; x += 8) {
      std::uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (!picture.At(x + bit, y)) bits |= static_cast<std::uint8_t>(0x80 >> bit);
      }
      out.push_back(bits);
    }
  }
  if (out.size() != 6 + 16 + kImageBytes) Fail("icon size mismatch");
  return out;
}

void Write(const std::filesystem::path& folder, int id, Picture picture) {
  const std::filesystem::path path = folder / ("icon_" + std::to_string(id) + ".ico");
  const std::vector<std::uint8_t> bytes = EncodeIcon(picture);
  if (!WriteBinaryFile(path, bytes)) Fail("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) Fail("usage: make_icons <output folder>");
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);

  constexpr int kProgram = 128, kFirstWhite = 129, kHandId = 135, kFirstRed = 136;
  constexpr int kProgramFace = 5;
  for (int value = 1; value <= 6; ++value) {
    Write(folder, kFirstWhite + value - 1, DrawFace(kWhiteBody, kWhitePip, value));
    Picture red = DrawFace(kRedBody, kRedPip, value);
    if (value == 2) red.At(kRedTwoMarkX, kRedTwoMarkY) = Maroon;
    Write(folder, kFirstRed + value - 1, red);
  }
  Picture hand;
  Overlay(hand, kHand, kHandLeft, kHandTop);
  Write(folder, kHandId, hand);
  Write(folder, kProgram, DrawFace(kRedBody, kRedPip, kProgramFace));
  return 0;
}
