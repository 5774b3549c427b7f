// Looking the families up by the names of their files needs no font service: a system-wide
// one reads its whole configuration for a choice that is always one of these.
#include "glyph_rendering.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

#include "platform/core/mul_div.h"

namespace {

struct FamilyFiles {
  std::string_view family;
  std::string_view regular;
  std::string_view bold;
};
constexpr FamilyFiles kTahoma{"Tahoma", "tahoma.ttf", "tahomabd.ttf"};
// Metric-compatible with Helvetica and Arial, and the face for any family not installed.
constexpr FamilyFiles kFallback{"Liberation Sans", "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};
// Debian's Wine fonts, where Tahoma lives, then the fallback's.
constexpr const char* kFontFolders[] = {"/usr/share/wine/fonts", "/usr/share/fonts/truetype/liberation",
                                        "/usr/share/fonts/truetype/liberation2"};

bool SameName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::string> FindFile(std::string_view name) {
  for (const char* folder : kFontFolders) {
    std::string path = std::string(folder) + "/" + std::string(name);
    if (access(path.c_str(), R_OK) == 0) return path;
  }
  return std::nullopt;
}

struct MatchedFile {
  std::string path;
  bool bold = false;
};

// The requested family's file, else the fallback's; the bold file when bold is asked for
// and installed, else the regular one, made bold when drawn.
std::optional<MatchedFile> FindFontFile(std::string_view family, bool bold) {
  const FamilyFiles* known = SameName(family, kTahoma.family) ? &kTahoma : nullptr;
  for (const FamilyFiles* files : {known, &kFallback}) {
    if (files == nullptr) continue;
    if (bold) {
      if (std::optional<std::string> path = FindFile(files->bold)) return MatchedFile{std::move(*path), true};
    }
    if (std::optional<std::string> path = FindFile(files->regular)) return MatchedFile{std::move(*path), false};
  }
  return std::nullopt;
}

struct FreeTypeLibrary {
  FT_Library library = nullptr;
  FreeTypeLibrary() {
    if (FT_Init_FreeType(&library) != 0) library = nullptr;
  }
  ~FreeTypeLibrary() {
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

struct FaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePointer = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter>;

// The size that fits the requested height, as the handheld measures it: by the font's
// Windows ascent and descent.
void SizeForHeight(FT_Face face, int requestedHeight, RenderedFace& rendered) {
  const int unitsPerEm = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const int winAscent = os2 != nullptr ? os2->usWinAscent : face->ascender;
  const int winDescent = os2 != nullptr ? os2->usWinDescent : -face->descender;
  auto ascentAt = [&](int ppem) { return MulDiv(winAscent, ppem, unitsPerEm); };
  auto descentAt = [&](int ppem) { return MulDiv(winDescent, ppem, unitsPerEm); };
  int pixelsPerEm = 0;
  if (requestedHeight > 0) {
    // The cell height asked for; the em may not make the cell taller than that.
    pixelsPerEm = MulDiv(unitsPerEm, requestedHeight, winAscent + winDescent);
    if (pixelsPerEm > 1 && ascentAt(pixelsPerEm) + descentAt(pixelsPerEm) > requestedHeight) --pixelsPerEm;
  } else {
    pixelsPerEm = -requestedHeight;
  }
  rendered.pixelsPerEm = std::max(pixelsPerEm, 1);
  rendered.ascent = ascentAt(rendered.pixelsPerEm);
  rendered.descent = descentAt(rendered.pixelsPerEm);
}

RenderedGlyph RenderGlyph(FT_Face face, char32_t character, bool embolden) {
  RenderedGlyph glyph;
  // The default load uses a font's own bitmaps at the sizes it has them, which is what
  // keeps small Tahoma crisp.
  if (FT_Load_Glyph(face, FT_Get_Char_Index(face, character), FT_LOAD_DEFAULT) != 0) return glyph;
  FT_GlyphSlot slot = face->glyph;
  if (embolden) FT_GlyphSlot_Embolden(slot);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph.coverage.reserve(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height));
  for (int y = 0; y < glyph.height; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < glyph.width; ++x) {
      std::uint8_t value = 0;
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        value = (row[x / 8] & (0x80 >> (x % 8))) != 0 ? 255 : 0;
      } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        value = static_cast<std::uint8_t>(row[x] * 255 / std::max(1, bitmap.num_grays - 1));
      }
      glyph.coverage.push_back(value);
    }
  }
  return glyph;
}

}  // namespace

std::optional<RenderedFace> RenderFace(std::string_view family, int height, bool bold, char32_t glyphCount,
                                       std::string* error) {
  const std::optional<MatchedFile> file = FindFontFile(family, bold);
  if (!file) {
    *error = "neither Tahoma nor Liberation Sans is installed (Debian packages fonts-wine and fonts-liberation)";
    return std::nullopt;
  }
  static const FreeTypeLibrary freeType;
  FT_Face opened = nullptr;
  if (freeType.library == nullptr || FT_New_Face(freeType.library, file->path.c_str(), 0, &opened) != 0) {
    *error = "FreeType cannot read " + file->path;
    return std::nullopt;
  }
  const FacePointer face(opened);
  RenderedFace rendered;
  rendered.family = face->family_name != nullptr ? face->family_name : "";
  SizeForHeight(face.get(), height, rendered);
  FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(rendered.pixelsPerEm));
  const bool embolden = bold && !file->bold;
  for (char32_t character = 0; character < glyphCount; ++character)
    rendered.glyphs.push_back(RenderGlyph(face.get(), character, embolden));
  return rendered;
}
