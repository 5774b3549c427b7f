// Fonts on the desktop: the program's few families found as files in known folders, sized
// as the handheld sizes them, rasterised with FreeType.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <mutex>
#include <string_view>
#include <tuple>

#include "platform/core/text.h"
#include "platform/gdi/dc_state.h"
#include "platform/gdi/font_face.h"

namespace {

FT_Library FreeType() {
  static FT_Library library = [] {
    FT_Library created = nullptr;
    PLATFORM_REQUIRE(FT_Init_FreeType(&created) == 0, "FreeType start");
    return created;
  }();
  return library;
}

// The families the program asks for, by the names of their files. Looking these up by name
// needs no font service: a system-wide one read its whole configuration and caches before
// the first frame, for a choice that is always one of these.
struct FamilyFiles {
  std::string_view family;
  std::string_view regular;
  std::string_view bold;
};
constexpr FamilyFiles kTahoma{"Tahoma", "tahoma.ttf", "tahomabd.ttf"};
// Metric-compatible with Helvetica and Arial, and the face for any family not installed.
constexpr FamilyFiles kFallback{"Liberation Sans", "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};

const FamilyFiles* KnownFamily(std::string_view family) {
  if (SameFamilyName(family, kTahoma.family)) return &kTahoma;
  for (std::string_view alias : {kFallback.family, std::string_view("Helvetica"), std::string_view("Arial")}) {
    if (SameFamilyName(family, alias)) return &kFallback;
  }
  return nullptr;
}

std::optional<std::string>& AppFolder() {
  static std::optional<std::string> folder = kDefaultApplicationFontFolder;
  return folder;
}

std::vector<std::string>& SystemFolders() {
  static std::vector<std::string> folders(std::begin(kDefaultSystemFontFolders), std::end(kDefaultSystemFontFolders));
  return folders;
}

std::optional<std::string> FindFile(std::string_view name) {
  std::vector<std::string> folders;
  if (AppFolder()) folders.push_back(*AppFolder());
  folders.insert(folders.end(), SystemFolders().begin(), SystemFolders().end());
  for (const std::string& folder : folders) {
    std::string path = folder + "/" + std::string(name);
    if (access(path.c_str(), R_OK) == 0) return path;
  }
  return std::nullopt;
}

struct MatchedFile {
  std::string path;
  bool bold = false;
};

// The requested family's file, else the fallback's; the bold file when bold is asked for
// and installed, else the regular one, made bold when drawn.
std::optional<MatchedFile> FindFontFile(const FontRequest& request) {
  const FamilyFiles* known = KnownFamily(request.family);
  for (const FamilyFiles* family : {known, &kFallback}) {
    if (family == nullptr) continue;
    if (request.bold) {
      if (std::optional<std::string> path = FindFile(family->bold)) return MatchedFile{std::move(*path), true};
    }
    if (std::optional<std::string> path = FindFile(family->regular)) return MatchedFile{std::move(*path), false};
  }
  return std::nullopt;
}

using FontFileBytes = std::vector<FT_Byte>;

// A font file is read once and every size of it is made from that one copy: a face per size
// mapping the file again would hold the same pages once per size.
std::shared_ptr<const FontFileBytes> ReadFontFile(const std::string& path) {
  static std::map<std::string, std::weak_ptr<const FontFileBytes>> read;
  if (auto known = read[path].lock()) return known;
  // C streams: the C++ ones would page in much of their library for this one read.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return nullptr;
  auto bytes = std::make_shared<FontFileBytes>();
  // Sized to the file up front: grown by doubling, two fonts would hold half a megabyte.
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    if (size > 0) bytes->reserve(static_cast<std::size_t>(size));
    std::rewind(file.get());
  }
  FT_Byte block[16384];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, file.get())) > 0;)
    bytes->insert(bytes->end(), block, block + got);
  if (std::ferror(file.get()) != 0 || bytes->empty()) return nullptr;
  read[path] = bytes;
  return bytes;
}

using FaceKey = std::tuple<std::string, int, bool>;

// Controls of one kind each create the same font; they share one face and its rendered glyphs.
std::map<FaceKey, std::weak_ptr<const FontFace>>& OpenFaces() {
  static std::map<FaceKey, std::weak_ptr<const FontFace>> faces;
  return faces;
}

}  // namespace

void SetApplicationFontFolder(std::optional<std::string> folder) {
  AppFolder() = std::move(folder);
  OpenFaces().clear();
}

void SetSystemFontFolders(std::vector<std::string> folders) {
  SystemFolders() = std::move(folders);
  OpenFaces().clear();
}

std::optional<std::string> MissingFontsReason() {
  if (FindFontFile(FontRequest{std::string(kTahoma.family), 12, false})) return std::nullopt;
  return "neither Tahoma nor Liberation Sans is installed (Debian packages fonts-wine and fonts-liberation)";
}

struct FontFace::Handle {
  std::shared_ptr<const FontFileBytes> file;
  FT_Face face = nullptr;
  bool synthesiseBold = false;  // no bold file: the regular one is made bold when drawn
  ~Handle() {
    if (face != nullptr) FT_Done_Face(face);
  }
};

namespace {

// The size that fits the requested height, as the handheld measures it: by the font's
// Windows ascent and descent.
FaceMetrics MetricsForHeight(FT_Face face, int requestedHeight) {
  const int unitsPerEm = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const int winAscent = os2 != nullptr ? os2->usWinAscent : face->ascender;
  const int winDescent = os2 != nullptr ? os2->usWinDescent : -face->descender;
  auto ascentAt = [&](int ppem) { return MulDiv(winAscent, ppem, unitsPerEm); };
  auto descentAt = [&](int ppem) { return MulDiv(winDescent, ppem, unitsPerEm); };
  int pixelsPerEm = 0;
  if (requestedHeight > 0) {
    // The cell height asked for; the em may not make the cell taller than that.
    pixelsPerEm = MulDiv(unitsPerEm, requestedHeight, winAscent + winDescent);
    if (pixelsPerEm > 1 && ascentAt(pixelsPerEm) + descentAt(pixelsPerEm) > requestedHeight) --pixelsPerEm;
  } else {
    pixelsPerEm = -requestedHeight;
  }
  pixelsPerEm = std::max(pixelsPerEm, 1);
  return FaceMetrics{pixelsPerEm, ascentAt(pixelsPerEm), descentAt(pixelsPerEm)};
}

}  // namespace

FontFace::~FontFace() = default;

FontFace::FontFace(std::unique_ptr<Handle> handle, std::string family, FaceMetrics metrics)
    : m_handle(std::move(handle)), m_family(std::move(family)), m_metrics(metrics), m_latinGlyphs(kLatinGlyphCount) {
  FT_Set_Pixel_Sizes(m_handle->face, 0, static_cast<FT_UInt>(m_metrics.pixelsPerEm));
}

std::shared_ptr<const FontFace> FontFace::Open(const FontRequest& request) {
  PLATFORM_REQUIRE(request.height != 0, "font of the default height");
  std::weak_ptr<const FontFace>& opened = OpenFaces()[FaceKey{request.family, request.height, request.bold}];
  if (auto known = opened.lock()) return known;
  const std::optional<MatchedFile> file = FindFontFile(request);
  if (!file) return nullptr;
  auto handle = std::make_unique<Handle>();
  handle->file = ReadFontFile(file->path);
  if (!handle->file || FT_New_Memory_Face(FreeType(), handle->file->data(), static_cast<FT_Long>(handle->file->size()),
                                          0, &handle->face) != 0) {
    return nullptr;
  }
  handle->synthesiseBold = request.bold && !file->bold;
  const FaceMetrics metrics = MetricsForHeight(handle->face, request.height);
  std::string family = handle->face->family_name != nullptr ? handle->face->family_name : "";
  std::shared_ptr<const FontFace> face(new FontFace(std::move(handle), std::move(family), metrics));
  opened = face;
  return face;
}

Glyph FontFace::Render(char32_t character) const {
  Glyph glyph;
  const FT_Face face = m_handle->face;
  // The default load uses a font's own bitmaps at the sizes it has them, which is what
  // keeps small Tahoma crisp.
  if (FT_Load_Glyph(face, FT_Get_Char_Index(face, character), FT_LOAD_DEFAULT) != 0) return glyph;
  FT_GlyphSlot slot = face->glyph;
  if (m_handle->synthesiseBold) FT_GlyphSlot_Embolden(slot);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height));
  for (int y = 0; y < glyph.height; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < glyph.width; ++x) {
      std::uint8_t value = 0;
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        value = (row[x / 8] & (0x80 >> (x % 8))) != 0 ? 255 : 0;
      } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        value = static_cast<std::uint8_t>(row[x] * 255 / std::max(1, bitmap.num_grays - 1));
      }
      glyph
          .coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(glyph.width) + static_cast<std::size_t>(x)] =
          value;
    }
  }
  return glyph;
}
