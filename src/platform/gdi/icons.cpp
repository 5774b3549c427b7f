// Icons and bitmaps from the program's resources.
#include <map>
#include <utility>

#include "platform/core/resources.h"
#include "platform/gdi/dc_state.h"
#include "platform/gdi/image_codec.h"

HICON LoadIconW(UINT resourceId) {
  const std::span<const unsigned char> bytes = FindResourceBytes(ResourceType::Icon, static_cast<int>(resourceId));
  if (bytes.empty()) return nullptr;
  // Keyed by the bytes too, so that a different resource table never meets a stale image.
  static std::map<std::pair<UINT, const unsigned char*>, Icon> decoded;
  const auto key = std::make_pair(resourceId, bytes.data());
  auto found = decoded.find(key);
  if (found == decoded.end()) {
    std::optional<Icon> icon = DecodeIconImage(bytes);
    if (!icon) return nullptr;
    found = decoded.emplace(key, std::move(*icon)).first;
  }
  return &found->second;
}

BOOL DrawIconEx(CDC* dc, int x, int y, HICON icon, int width, int height, UINT step, void* brush, UINT flags) {
  PLATFORM_REQUIRE(flags == DI_NORMAL && step == 0 && brush == nullptr, "icon drawing option");
  if (dc == nullptr || icon == nullptr) return FALSE;
  const int iconWidth = icon->image.Width();
  const int iconHeight = icon->image.Height();
  PLATFORM_REQUIRE((width == 0 || width == iconWidth) && (height == 0 || height == iconHeight), "icon stretching");
  const Canvas canvas = dc->m_state->MakeCanvas();
  if (!canvas.IsValid()) return FALSE;
  const CRect area =
      CRect(x + canvas.origin.x, y + canvas.origin.y, x + canvas.origin.x + iconWidth, y + canvas.origin.y + iconHeight)
          .Intersect(canvas.clip);
  for (int sy = area.top; sy < area.bottom; ++sy) {
    const int iy = sy - y - canvas.origin.y;
    const COLORREF* source = icon->image.Row(iy);
    COLORREF* target = canvas.surface->Row(sy);
    const std::size_t maskRow = static_cast<std::size_t>(iy) * static_cast<std::size_t>(iconWidth);
    for (int sx = area.left; sx < area.right; ++sx) {
      const int ix = sx - x - canvas.origin.x;
      if (icon->opaque[maskRow + static_cast<std::size_t>(ix)]) target[sx] = source[ix];
    }
  }
  canvas.surface->MarkChanged();
  return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
  std::optional<Surface> image =
      DecodeBitmapImage(FindResourceBytes(ResourceType::Bitmap, static_cast<int>(resourceId)));
  if (!image) return FALSE;
  m_surface = std::make_unique<Surface>(std::move(*image));
  m_created = true;
  return TRUE;
}
