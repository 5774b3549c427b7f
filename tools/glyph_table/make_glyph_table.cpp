// Writes the glyph table of the browser build: every face the program creates, rendered by
// the desktop's font code, as a C++ source file.
//   make_glyph_table <output.cpp>
// The faces are those of the board's painter (cell heights 12 and 18) and of the dialogs and
// the shell (8 points, regular and bold); a face missing here fails the browser's golden test.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gdi/font_face.h"

namespace {

const FontRequest kProgramFonts[] = {
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
  for (const FontRequest& request : kProgramFonts) {
    const std::shared_ptr<const FontFace> face = FontFace::Open(request);
    if (!face) {
      std::cerr << "make_glyph_table: no font answers " << request.family << " " << request.height
                << (request.bold ? " bold" : "") << "; " << MissingFontsReason().value_or("") << "\n";
      return 1;
    }
    std::vector<unsigned> coverage;
    out << "constexpr TableGlyph kGlyphs" << index << "[] = {\n";
    for (char32_t character = 0; character < FontFace::kLatinGlyphCount; ++character) {
      const Glyph& glyph = face->GetGlyph(character);
      out << "    {" << glyph.left << ", " << glyph.top << ", " << glyph.width << ", " << glyph.height << ", "
          << glyph.advance << ", " << coverage.size() << "},\n";
      coverage.insert(coverage.end(), glyph.coverage.begin(), glyph.coverage.end());
    }
    out << "};\nconstexpr std::uint8_t kCoverage" << index << "[] = {\n";
    WriteBytes(out, coverage);
    out << "};\n";
    faces << "    {\"" << request.family << "\", " << request.height << ", " << (request.bold ? "true" : "false")
          << ", \"" << face->Family() << "\", " << face->PixelsPerEm() << ", " << face->Ascent() << ", "
          << face->Descent() << ", kGlyphs" << index << ", kCoverage" << index << "},\n";
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
