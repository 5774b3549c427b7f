// Fonts in the browser: the faces the program asks for, from the glyph table made at build
// time; a face the table lacks is one that is not installed.
#include <algorithm>
#include <cctype>
#include <string_view>

#include "platform/core/require.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/glyph_table.h"

struct FontFace::Handle {
  const TableFace* face = nullptr;
};

FontFace::~FontFace() = default;

FontFace::FontFace(std::unique_ptr<Handle> handle, std::string family, FaceMetrics metrics)
    : m_handle(std::move(handle)), m_family(std::move(family)), m_metrics(metrics), m_latinGlyphs(kLatinGlyphCount) {}

std::shared_ptr<const FontFace> FontFace::Open(const FontRequest& request) {
  PLATFORM_REQUIRE(request.height != 0, "font of the default height");
  for (const TableFace& face : GlyphTable()) {
    if (face.requestedHeight != request.height || face.requestedBold != request.bold ||
        !SameFamilyName(face.requestedFamily, request.family)) {
      continue;
    }
    auto handle = std::make_unique<Handle>();
    handle->face = &face;
    return std::shared_ptr<const FontFace>(
        new FontFace(std::move(handle), face.family, FaceMetrics{face.pixelsPerEm, face.ascent, face.descent}));
  }
  return nullptr;
}

Glyph FontFace::Render(char32_t character) const {
  Glyph glyph;
  // Beyond Latin-1 the table has nothing, as a font without the character draws nothing.
  if (character >= kLatinGlyphCount) return glyph;
  const TableGlyph& stored = m_handle->face->glyphs[character];
  glyph.left = stored.left;
  glyph.top = stored.top;
  glyph.width = stored.width;
  glyph.height = stored.height;
  glyph.advance = stored.advance;
  const std::uint8_t* coverage = m_handle->face->coverage + stored.coverageOffset;
  glyph.coverage.assign(coverage, coverage + static_cast<std::ptrdiff_t>(stored.width) * stored.height);
  return glyph;
}
