#pragma once
// The glyphs of the program's fonts as FreeType rendered them from the font files when the
// program was built. make_glyph_table writes the table as a source file that defines
// GlyphTable(); every build of the program draws its text from it.
#include <cstdint>
#include <span>

// The table holds the characters below this, Latin-1, the only ones the program's texts and
// the names of its high-score table hold.
constexpr char32_t kTableGlyphCount = 256;

struct TableGlyph {
  std::int16_t left;
  std::int16_t top;
  std::int16_t width;
  std::int16_t height;
  std::int16_t advance;
  std::uint32_t coverageOffset;  // into the face's coverage bytes, width * height of them
};

// One face as the program asks for it: family, height and weight as CreateFontIndirect gets
// them, with the face that answered and its glyphs for the characters below kTableGlyphCount.
struct TableFace {
  const char* requestedFamily;
  int requestedHeight;
  bool requestedBold;
  const char* family;
  int pixelsPerEm;
  int ascent;
  int descent;
  const TableGlyph* glyphs;  // kTableGlyphCount of them, by character
  const std::uint8_t* coverage;
};

std::span<const TableFace> GlyphTable();
