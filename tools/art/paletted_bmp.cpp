#include "paletted_bmp.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "binary_output.h"

namespace {

int Distance(COLORREF a, COLORREF b) {
  const int dr = GetRValue(a) - GetRValue(b);
  const int dg = GetGValue(a) - GetGValue(b);
  const int db = GetBValue(a) - GetBValue(b);
  return dr * dr + dg * dg + db * db;
}

std::uint8_t NearestIndex(const std::vector<COLORREF>& palette, COLORREF color) {
  std::size_t best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int d = Distance(palette[i], color);
    if (d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return static_cast<std::uint8_t>(best);
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) { PutLittleEndian(out, v, 2); }
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) { PutLittleEndian(out, v, 4); }

}  // namespace

PalettedPicture ReduceToPalette(const Surface& picture) {
  std::unordered_map<COLORREF, int> counts;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) ++counts[picture.Pixel(x, y)];
  }
  std::vector<std::pair<COLORREF, int>> byUse(counts.begin(), counts.end());
  std::sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) {
    return a.second != b.second ? a.second > b.second : a.first < b.first;
  });
  if (byUse.size() > 256) byUse.resize(256);

  PalettedPicture result;
  result.width = picture.Width();
  result.height = picture.Height();
  for (const auto& [color, count] : byUse) result.palette.push_back(color);
  std::sort(result.palette.begin(), result.palette.end());

  std::unordered_map<COLORREF, std::uint8_t> indexOf;
  result.indexes.reserve(static_cast<std::size_t>(result.width) * static_cast<std::size_t>(result.height));
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const COLORREF color = picture.Pixel(x, y);
      auto found = indexOf.find(color);
      if (found == indexOf.end()) found = indexOf.emplace(color, NearestIndex(result.palette, color)).first;
      result.indexes.push_back(found->second);
    }
  }
  return result;
}

std::vector<std::uint8_t> EncodeBmp(const PalettedPicture& picture) {
  constexpr std::uint32_t kFileHeader = 14;
  constexpr std::uint32_t kInfoHeader = 40;
  const auto colours = static_cast<std::uint32_t>(picture.palette.size());
  const auto width = static_cast<std::uint32_t>(picture.width);
  const auto height = static_cast<std::uint32_t>(picture.height);
  const std::uint32_t stride = (width + 3) / 4 * 4;
  const std::uint32_t pixelOffset = kFileHeader + kInfoHeader + colours * 4;
  const std::uint32_t fileSize = pixelOffset + stride * height;

  std::vector<std::uint8_t> out;
  out.reserve(fileSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, fileSize);
  Put32(out, 0);
  Put32(out, pixelOffset);

  Put32(out, kInfoHeader);
  Put32(out, width);
  Put32(out, height);  // positive: rows from the bottom up
  Put16(out, 1);       // planes
  Put16(out, 8);       // bits per pixel
  Put32(out, 0);       // no compression
  Put32(out, stride * height);
  Put32(out, 2835);  // 72 dots per inch, in dots per metre
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);  // every colour is important

  for (COLORREF c : picture.palette) {
    out.push_back(static_cast<std::uint8_t>(GetBValue(c)));
    out.push_back(static_cast<std::uint8_t>(GetGValue(c)));
    out.push_back(static_cast<std::uint8_t>(GetRValue(c)));
    out.push_back(0);
  }
  for (std::uint32_t row = height; row-- > 0;) {
    const std::uint8_t* line = picture.indexes.data() + static_cast<std::size_t>(row) * width;
    out.insert(out.end(), line, line + width);
    out.insert(out.end(), stride - width, 0);
  }
  return out;
}
