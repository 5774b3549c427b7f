// Paints the program's bitmaps and writes them as 8-bit Windows bitmaps:
//   make_art <folder>                      bitmap_142.bmp ... bitmap_186.bmp
//   make_art <folder> --preview <folder>   the same, and a PNG of each beside
//   make_art --contact-sheet <file.png>    every bitmap and icon built into the program
// The same fonts give the same bytes on every run.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "art_catalog.h"
#include "art_fonts.h"
#include "binary_output.h"
#include "contact_sheet.h"
#include "paletted_bmp.h"
#include "platform/gdi/png_file.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: make_art <bitmap folder> [--preview <png folder>]\n"
               "       make_art --contact-sheet <file.png>\n");
  return 2;
}

int WriteContactSheet(const std::filesystem::path& path) {
  const ContactSheet sheet = PaintContactSheet();
  if (sheet.picture.Width() == 0) {
    std::fprintf(stderr, "make_art: the program holds no bitmaps or icons it can show\n");
    return 1;
  }
  return WritePng(sheet.picture, path.string()) && sheet.unreadable == 0 ? 0 : 1;
}

int WriteBitmaps(const std::filesystem::path& folder, const std::filesystem::path& preview) {
  for (const ArtPiece& piece : ArtCatalog()) {
    const Surface picture = piece.paint();
    const PalettedPicture paletted = ReduceToPalette(picture);
    const std::string stem = "bitmap_" + std::to_string(piece.id);
    const std::filesystem::path path = folder / (stem + ".bmp");
    if (!WriteBinaryFile(path, EncodeBmp(paletted))) {
      std::fprintf(stderr, "make_art: cannot write %s\n", path.c_str());
      return 1;
    }
    if (!preview.empty() && !WritePng(picture, (preview / (stem + ".png")).string())) return 1;
    std::printf("%s: %d x %d, %zu colours\n", path.c_str(), paletted.width, paletted.height, paletted.palette.size());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  LetterFromFontFiles();
  if (argc == 3 && std::string_view(argv[1]) == "--contact-sheet") return WriteContactSheet(argv[2]);
  if (argc == 2) return WriteBitmaps(argv[1], {});
  if (argc == 4 && std::string_view(argv[2]) == "--preview") return WriteBitmaps(argv[1], argv[3]);
  return Usage();
}
