// Writes the glyph table every build of the program draws its text from: every face the
// program creates, rendered from the font files with FreeType, as a C++ source file.
//   make_glyph_table <output.cpp>
// The faces are those of the board's painter (cell heights 12 and 18) and of the dialogs and
// the shell (8 points, regular and bold); a face missing here fails the golden tests.
//
// Only the characters below kTableGlyphCount, Latin-1, are rendered. That is enough: the
// program's own texts are Latin-1, and a name in the high-score table may hold nothing
// beyond Latin-1 (Tumbla.ini gives no other character back as it was typed), so the name
// entry refuses any other.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "glyph_rendering.h"
#include "platform/gdi/glyph_table.h"

namespace {

struct ProgramFont {
  const char* family;
  int height;
  bool bold;
};

const ProgramFont kProgramFonts[] = {
    {"Tahoma", 12, false},
    {"Tahoma", 18, false},
    {"Tahoma", -11, false},
    {"Tahoma", -11, true},
};

// Writes the bytes as decimal numbers, a line at a time.
void WriteBytes(std::ostream& out, const std::vector<unsigned>& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) out << bytes[i] << (i % 24 == 23 ? ",\n" : ",");
  out << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_glyph_table <output.cpp>\n";
    return 2;
  }
  std::ostringstream out;
  out << "// Made by make_glyph_table from the fonts installed where the program was built.\n"
      << "#include \"platform/gdi/glyph_table.h\"\n\nnamespace {\n";
  std::ostringstream faces;
  int index = 0;
  for (const ProgramFont& font : kProgramFonts) {
    std::string error;
    const std::optional<RenderedFace> face = RenderFace(font.family, font.height, font.bold, kTableGlyphCount, &error);
    if (!face) {
      std::cerr << "make_glyph_table: no font answers " << font.family << " " << font.height
                << (font.bold ? " bold" : "") << ": " << error << "\n";
      return 1;
    }
    std::vector<unsigned> coverage;
    out << "constexpr TableGlyph kGlyphs" << index << "[] = {\n";
    for (const RenderedGlyph& glyph : face->glyphs) {
      out << "    {" << glyph.left << ", " << glyph.top << ", " << glyph.width << ", " << glyph.height << ", "
          << glyph.advance << ", " << coverage.size() << "},\n";
      coverage.insert(coverage.end(), glyph.coverage.begin(), glyph.coverage.end());
    }
    out << "};\nconstexpr std::uint8_t kCoverage" << index << "[] = {\n";
    WriteBytes(out, coverage);
    out << "};\n";
    faces << "    {\"" << font.family << "\", " << font.height << ", " << (font.bold ? "true" : "false") << ", \""
          << face->family << "\", " << face->pixelsPerEm << ", " << face->ascent << ", " << face->descent << ", kGlyphs"
          << index << ", kCoverage" << index << "},\n";
    ++index;
  }
  out << "constexpr TableFace kFaces[] = {\n"
      << faces.str() << "};\n\n}  // namespace\n\n"
      << "std::span<const TableFace> GlyphTable() { return kFaces; }\n";
  std::ofstream file(argv[1]);
  file << out.str();
  if (!file.flush()) {
    std::cerr << "make_glyph_table: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
