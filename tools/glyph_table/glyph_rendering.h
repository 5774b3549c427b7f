#pragma once
// The program's few font families rendered with FreeType from their files, sized as the
// handheld sizes them: what the glyph table is made of, and the art tools' lettering.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RenderedGlyph {
  int left = 0;  // from the pen position to the block's left column
  int top = 0;   // from the baseline up to the block's top row
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<std::uint8_t> coverage;  // grey, 0 to 255, width * height, row after row
};

struct RenderedFace {
  std::string family;  // the face that answered
  int pixelsPerEm = 0;
  int ascent = 0;
  int descent = 0;
  std::vector<RenderedGlyph> glyphs;  // by character, from 0
};

// The family's face at the height (positive: cell height; negative: character height) with
// its first glyphCount characters; a family other than Tahoma, or Tahoma where it is not
// installed, gets Liberation Sans. Nothing, with the reason in *error, when neither is there.
std::optional<RenderedFace> RenderFace(std::string_view family, int height, bool bold, char32_t glyphCount,
                                       std::string* error);
