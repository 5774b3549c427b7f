#pragma once
// The glyphs of the program's fonts as FreeType rendered them when the program was built,
// for a build that has no FreeType and no font files (the browser). make_glyph_table writes
// the table as a source file that defines GlyphTable().
#include <cstdint>
#include <span>

struct TableGlyph {
  std::int16_t left;
  std::int16_t top;
  std::int16_t width;
  std::int16_t height;
  std::int16_t advance;
  std::uint32_t coverageOffset;  // into the face's coverage bytes, width * height of them
};

// One face as the program asks for it: family, height and weight as CreateFontIndirect gets
// them, with the face that answered and its glyphs for the characters below 256.
struct TableFace {
  const char* requestedFamily;
  int requestedHeight;
  bool requestedBold;
  const char* family;
  int pixelsPerEm;
  int ascent;
  int descent;
  const TableGlyph* glyphs;  // 256 of them, by character
  const std::uint8_t* coverage;
};

std::span<const TableFace> GlyphTable();
