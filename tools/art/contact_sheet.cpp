#include "contact_sheet.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/core/text.h"
#include "resources/embedded_resources.h"
#include "resources/program_resources.h"

namespace {

constexpr int kZoom = 3;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 22;
constexpr int kSheetWidth = 1100;
constexpr COLORREF kSheetColour = RGB(60, 60, 64);
constexpr COLORREF kLabelColour = RGB(235, 235, 235);
constexpr COLORREF kCheckLight = RGB(200, 200, 200);
constexpr COLORREF kCheckDark = RGB(150, 150, 150);

struct Tile {
  CString label;
  Surface image;             // at its own size
  std::vector<bool> opaque;  // empty: every pixel is
  POINT at{0, 0};
};

std::vector<Tile> LoadTiles(int& unreadable) {
  std::vector<Tile> tiles;
  for (const ResourceEntry& entry : EmbeddedResourceTable()) {
    if (entry.type != ResourceType::Bitmap && entry.type != ResourceType::Icon) continue;
    const bool isBitmap = entry.type == ResourceType::Bitmap;
    const std::string name = (isBitmap ? "bitmap " : "icon ") + std::to_string(entry.id);
    CBitmap bitmap;
    HICON icon = nullptr;
    if (isBitmap ? !bitmap.LoadBitmap(static_cast<UINT>(entry.id))
                 : (icon = LoadIconW(static_cast<UINT>(entry.id))) == nullptr) {
      std::fprintf(stderr, "make_art: cannot decode %s\n", name.c_str());
      ++unreadable;
      continue;
    }
    if (isBitmap) {
      tiles.push_back({FromUtf8(name), *bitmap.GetSurface(), {}});
    } else {
      tiles.push_back({FromUtf8(name), icon->image, icon->opaque});
    }
  }
  return tiles;
}

// Rows from left to right, a new row when the next tile would not fit.
int PlaceTiles(std::vector<Tile>& tiles) {
  int x = kMargin;
  int y = kMargin;
  int rowHeight = 0;
  for (Tile& tile : tiles) {
    const int width = tile.image.Width() * kZoom;
    const int height = tile.image.Height() * kZoom + kLabelHeight;
    if (x > kMargin && x + width > kSheetWidth - kMargin) {
      x = kMargin;
      y += rowHeight + kMargin;
      rowHeight = 0;
    }
    tile.at = POINT{x, y};
    x += width + kMargin;
    rowHeight = std::max(rowHeight, height);
  }
  return y + rowHeight + kMargin;
}

// Transparent pixels of icons show a chequer board.
void PaintTile(Surface& sheet, const Tile& tile) {
  const Surface& image = tile.image;
  for (int y = 0; y < image.Height() * kZoom; ++y) {
    COLORREF* row = sheet.Row(tile.at.y + y) + tile.at.x;
    for (int x = 0; x < image.Width() * kZoom; ++x) {
      const int ix = x / kZoom;
      const int iy = y / kZoom;
      const bool opaque = tile.opaque.empty() || tile.opaque[static_cast<std::size_t>(iy * image.Width() + ix)];
      row[x] = opaque ? image.Pixel(ix, iy) : (((x / 6) + (y / 6)) % 2 == 0 ? kCheckLight : kCheckDark);
    }
  }
}

}  // namespace

ContactSheet PaintContactSheet() {
  InstallProgramResources();
  ContactSheet result;
  std::vector<Tile> tiles = LoadTiles(result.unreadable);
  if (tiles.empty()) return result;
  const int height = PlaceTiles(tiles);

  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap sheet;
  sheet.CreateCompatibleBitmap(&dc, kSheetWidth, height);
  CBitmap* oldBitmap = dc.SelectObject(&sheet);
  Surface& pixels = *sheet.GetSurface();
  std::fill(pixels.Row(0), pixels.Row(0) + static_cast<std::size_t>(kSheetWidth) * height, kSheetColour);

  LOGFONT description{};
  description.lfHeight = 18;
  description.lfWeight = FW_NORMAL;
  std::u16string_view(u"Tahoma").copy(description.lfFaceName, LF_FACESIZE - 1);
  CFont font;
  if (!font.CreateFontIndirect(&description)) std::fprintf(stderr, "make_art: no Tahoma, labels in the stock font\n");
  CFont* oldFont = dc.SelectObject(&font);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(kLabelColour);
  for (const Tile& tile : tiles) {
    PaintTile(pixels, tile);
    const int bottom = tile.at.y + tile.image.Height() * kZoom;
    RECT label{tile.at.x, bottom, tile.at.x + tile.image.Width() * kZoom, bottom + kLabelHeight};
    dc.DrawText(tile.label, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  }
  dc.SelectObject(oldFont);
  dc.SelectObject(oldBitmap);
  result.picture = pixels;
  return result;
}
