// Fonts: the faces the program asks for, from the glyph table made at build time; a face the
// table lacks is one that is not installed.
#include "platform/core/require.h"
#include "platform/gdi/font_face.h"

namespace {

FaceRenderer& Renderer() {
  static FaceRenderer renderer = nullptr;
  return renderer;
}

const TableFace* FindFace(const FontRequest& request) {
  if (Renderer() != nullptr) {
    if (const TableFace* rendered = Renderer()(request)) return rendered;
  }
  for (const TableFace& face : GlyphTable()) {
    if (face.requestedHeight == request.height && face.requestedBold == request.bold &&
        SameFamilyName(face.requestedFamily, request.family)) {
      return &face;
    }
  }
  return nullptr;
}

}  // namespace

void SetFaceRenderer(FaceRenderer renderer) { Renderer() = renderer; }

std::shared_ptr<const FontFace> FontFace::Open(const FontRequest& request) {
  PLATFORM_REQUIRE(request.height != 0, "font of the default height");
  const TableFace* face = FindFace(request);
  if (face == nullptr) return nullptr;
  return std::make_shared<const FontFace>(*face);
}

Glyph FontFace::GetGlyph(char32_t character) const {
  if (character >= kTableGlyphCount) return Glyph{};
  const TableGlyph& stored = m_face.glyphs[character];
  return Glyph{stored.left,
               stored.top,
               stored.width,
               stored.height,
               stored.advance,
               {m_face.coverage + stored.coverageOffset, static_cast<std::size_t>(stored.width * stored.height)}};
}
