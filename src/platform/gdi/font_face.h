#pragma once
// A font face at one pixel size. Its glyphs come from the glyph table that make_glyph_table
// rendered from the font files when the program was built, on every back end: no build of
// the program reads a font file. The art tools, which letter in faces the program never
// uses, render theirs when asked (SetFaceRenderer).
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/gdi/glyph_table.h"

// The glyph of one character: grey coverage (0 to 255) of a block placed relative to the
// pen position on the baseline.
struct Glyph {
  int left = 0;  // from the pen position to the block's left column
  int top = 0;   // from the baseline up to the block's top row
  int width = 0;
  int height = 0;
  int advance = 0;
  std::span<const std::uint8_t> coverage;  // width * height, row after row
};

struct FontRequest {
  std::string family;
  int height = 0;  // positive: cell height in pixels; negative: character height
  bool bold = false;
};

class FontFace {
 public:
  explicit FontFace(const TableFace& face) : m_face(face) {}

  // The face of the table that answers the request; nothing when the table has none.
  static std::shared_ptr<const FontFace> Open(const FontRequest& request);

  std::string_view Family() const { return m_face.family; }
  int PixelsPerEm() const { return m_face.pixelsPerEm; }
  int Ascent() const { return m_face.ascent; }
  int Descent() const { return m_face.descent; }
  int CellHeight() const { return m_face.ascent + m_face.descent; }
  // Beyond the table's characters a glyph is empty, as a font without the character draws nothing.
  Glyph GetGlyph(char32_t character) const;

 private:
  const TableFace& m_face;
};

// Family names compare as the handheld compares them, whatever the case of their letters.
bool SameFamilyName(std::string_view a, std::string_view b);

// A tool's own source of faces, asked before the table; it keeps what it returns for as long
// as the program runs. Nothing restores the table alone.
using FaceRenderer = const TableFace* (*)(const FontRequest& request);
void SetFaceRenderer(FaceRenderer renderer);
