#include "art_fonts.h"

#include <cstdio>
#include <deque>
#include <memory>

#include "glyph_table/glyph_rendering.h"
#include "platform/gdi/font_face.h"

namespace {

// A rendered face in the table's form; kept for the whole run, as the renderer's faces must be.
struct StoredFace {
  std::string requestedFamily;
  RenderedFace rendered;
  std::vector<TableGlyph> glyphs;
  std::vector<std::uint8_t> coverage;
  TableFace table{};
};

const TableFace* Render(const FontRequest& request) {
  static std::deque<StoredFace> stored;
  for (const StoredFace& face : stored) {
    if (face.table.requestedHeight == request.height && face.table.requestedBold == request.bold &&
        face.requestedFamily == request.family) {
      return &face.table;
    }
  }
  std::string error;
  std::optional<RenderedFace> rendered =
      RenderFace(request.family, request.height, request.bold, kTableGlyphCount, &error);
  if (!rendered) {
    std::fprintf(stderr, "make_art: %s\n", error.c_str());
    return nullptr;
  }
  StoredFace& face = stored.emplace_back();
  face.requestedFamily = request.family;
  face.rendered = std::move(*rendered);
  for (const RenderedGlyph& glyph : face.rendered.glyphs) {
    face.glyphs.push_back(TableGlyph{static_cast<std::int16_t>(glyph.left), static_cast<std::int16_t>(glyph.top),
                                     static_cast<std::int16_t>(glyph.width), static_cast<std::int16_t>(glyph.height),
                                     static_cast<std::int16_t>(glyph.advance),
                                     static_cast<std::uint32_t>(face.coverage.size())});
    face.coverage.insert(face.coverage.end(), glyph.coverage.begin(), glyph.coverage.end());
  }
  face.table =
      TableFace{face.requestedFamily.c_str(), request.height,       request.bold,          face.rendered.family.c_str(),
                face.rendered.pixelsPerEm,    face.rendered.ascent, face.rendered.descent, face.glyphs.data(),
                face.coverage.data()};
  return &face.table;
}

}  // namespace

void LetterFromFontFiles() { SetFaceRenderer(&Render); }
