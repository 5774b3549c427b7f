// Fonts: the face looked up by family through a fontconfig configuration of the program's
// own, sized as the handheld sizes it, rasterised with FreeType.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdio>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

#include "platform/core/text.h"
#include "platform/gdi/dc_state.h"
#include "platform/gdi/font_face.h"

namespace {

constexpr char32_t kLatinGlyphCount = 256;

FT_Library FreeType() {
  static FT_Library library = [] {
    FT_Library created = nullptr;
    PLATFORM_REQUIRE(FT_Init_FreeType(&created) == 0, "FreeType start");
    return created;
  }();
  return library;
}

struct FcConfigDeleter {
  void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
struct FcPatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using FcConfigPtr = std::unique_ptr<FcConfig, FcConfigDeleter>;
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;

// Only what choosing a file for a family needs: the system's font folders, read from their
// caches, and the system's rules naming metric-compatible families, the only stand-ins for a
// requested family that are acceptable. The rest of the system configuration (rendering
// preferences, generic fallbacks such as "any sans-serif font") has no say in that choice,
// and parsing it cost more than anything else before the first frame. What a user has set
// up for other programs stays out.
constexpr char kConfiguration[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d/30-metric-aliases.conf</include>
</fontconfig>
)";

FcConfigPtr BuildConfiguration(const std::optional<std::string>& appFolder) {
  FcConfigEnableHome(FcFalse);
  FcConfigPtr configuration(FcConfigCreate());
  PLATFORM_REQUIRE(configuration != nullptr, "font configuration");
  PLATFORM_REQUIRE(FcConfigParseAndLoadFromMemory(configuration.get(), reinterpret_cast<const FcChar8*>(kConfiguration),
                                                  FcTrue) == FcTrue,
                   "font configuration");
  PLATFORM_REQUIRE(FcConfigBuildFonts(configuration.get()) == FcTrue, "font list");
  if (appFolder) {
    FcConfigAppFontAddDir(configuration.get(), reinterpret_cast<const FcChar8*>(appFolder->c_str()));
  }
  return configuration;
}

std::optional<std::string>& AppFolder() {
  static std::optional<std::string> folder = kDefaultApplicationFontFolder;
  return folder;
}

FcConfigPtr& Configuration() {
  static FcConfigPtr configuration = BuildConfiguration(AppFolder());
  return configuration;
}

std::string Lowercase(const FcChar8* text) {
  FcChar8* lower = FcStrDowncase(text);
  std::string result(reinterpret_cast<const char*>(lower));
  FcStrFree(lower);
  return result;
}

std::set<std::string> AcceptableFamilies(FcConfig* aliases, const std::string& family) {
  FcPatternPtr pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcConfigSubstitute(aliases, pattern.get(), FcMatchPattern);
  std::set<std::string> families;
  FcChar8* value = nullptr;
  for (int i = 0; FcPatternGetString(pattern.get(), FC_FAMILY, i, &value) == FcResultMatch; ++i) {
    families.insert(Lowercase(value));
  }
  return families;
}

struct MatchedFile {
  std::string path;
  int index = 0;
  std::string family;
  bool bold = false;
};

std::optional<MatchedFile> FindFontFile(const FontRequest& request) {
  FcConfig* configuration = Configuration().get();
  FcPatternPtr pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(request.family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(configuration, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  FcPatternPtr match(FcFontMatch(configuration, pattern.get(), &result));
  if (!match) return std::nullopt;
  const std::set<std::string> acceptable = AcceptableFamilies(configuration, request.family);
  FcChar8* value = nullptr;
  std::optional<MatchedFile> found;
  for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &value) == FcResultMatch && !found; ++i) {
    if (acceptable.contains(Lowercase(value))) found = MatchedFile{{}, 0, reinterpret_cast<const char*>(value), false};
  }
  if (!found || FcPatternGetString(match.get(), FC_FILE, 0, &value) != FcResultMatch) return std::nullopt;
  found->path = reinterpret_cast<const char*>(value);
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &found->index);
  int weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  found->bold = weight >= FC_WEIGHT_DEMIBOLD;
  return found;
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
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, file.get())) > 0;) bytes->insert(bytes->end(), block, block + got);
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
  Configuration() = BuildConfiguration(AppFolder());
  OpenFaces().clear();
}

struct FontFace::Handle {
  std::shared_ptr<const FontFileBytes> file;
  FT_Face face = nullptr;
  ~Handle() {
    if (face != nullptr) FT_Done_Face(face);
  }
};

FontFace::~FontFace() = default;

FontFace::FontFace(std::unique_ptr<Handle> handle, std::string family, bool synthesiseBold, int requestedHeight)
    : m_handle(std::move(handle)),
      m_family(std::move(family)),
      m_synthesiseBold(synthesiseBold),
      m_latinGlyphs(kLatinGlyphCount) {
  const FT_Face face = m_handle->face;
  const int unitsPerEm = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const int winAscent = os2 != nullptr ? os2->usWinAscent : face->ascender;
  const int winDescent = os2 != nullptr ? os2->usWinDescent : -face->descender;
  auto ascentAt = [&](int ppem) { return MulDiv(winAscent, ppem, unitsPerEm); };
  auto descentAt = [&](int ppem) { return MulDiv(winDescent, ppem, unitsPerEm); };
  if (requestedHeight > 0) {
    // The cell height asked for; the em may not make the cell taller than that.
    m_pixelsPerEm = MulDiv(unitsPerEm, requestedHeight, winAscent + winDescent);
    if (m_pixelsPerEm > 1 && ascentAt(m_pixelsPerEm) + descentAt(m_pixelsPerEm) > requestedHeight) --m_pixelsPerEm;
  } else {
    m_pixelsPerEm = -requestedHeight;
  }
  m_pixelsPerEm = std::max(m_pixelsPerEm, 1);
  m_ascent = ascentAt(m_pixelsPerEm);
  m_descent = descentAt(m_pixelsPerEm);
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(m_pixelsPerEm));
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
                                          file->index, &handle->face) != 0) {
    return nullptr;
  }
  std::shared_ptr<const FontFace> face(
      new FontFace(std::move(handle), file->family, request.bold && !file->bold, request.height));
  opened = face;
  return face;
}

const Glyph& FontFace::GetGlyph(char32_t character) const {
  if (character < kLatinGlyphCount) {
    std::optional<Glyph>& slot = m_latinGlyphs[character];
    if (!slot) slot = Render(character);
    return *slot;
  }
  auto found = m_otherGlyphs.find(character);
  if (found == m_otherGlyphs.end()) found = m_otherGlyphs.emplace(character, Render(character)).first;
  return found->second;
}

Glyph FontFace::Render(char32_t character) const {
  Glyph glyph;
  const FT_Face face = m_handle->face;
  // The default load uses a font's own bitmaps at the sizes it has them, which is what
  // keeps small Tahoma crisp.
  if (FT_Load_Glyph(face, FT_Get_Char_Index(face, character), FT_LOAD_DEFAULT) != 0) return glyph;
  FT_GlyphSlot slot = face->glyph;
  if (m_synthesiseBold) FT_GlyphSlot_Embolden(slot);
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

CFont::CFont() = default;
CFont::~CFont() = default;

BOOL CFont::CreateFontIndirect(const LOGFONT* description) {
  PLATFORM_REQUIRE(description->lfEscapement == 0 || description->lfEscapement == 900, "font escapement");
  const std::size_t length = std::find(std::begin(description->lfFaceName), std::end(description->lfFaceName), u'\0') -
                             std::begin(description->lfFaceName);
  FontRequest request;
  request.family = ToUtf8(std::u16string_view(description->lfFaceName, length));
  request.height = description->lfHeight;
  request.bold = description->lfWeight >= 600;
  std::shared_ptr<const FontFace> face = FontFace::Open(request);
  if (!face) return FALSE;
  m_face = std::move(face);
  m_escapement = description->lfEscapement;
  m_created = true;
  return TRUE;
}

CFont* StockFont() {
  static CFont font;
  static std::once_flag created;
  std::call_once(created, [] {
    LOGFONT description{};
    description.lfHeight = 12;
    description.lfWeight = FW_NORMAL;
    for (const char16_t* family : {u"Tahoma", u"Helvetica"}) {
      std::char_traits<char16_t>::copy(description.lfFaceName, family, std::char_traits<char16_t>::length(family));
      if (font.CreateFontIndirect(&description)) break;
    }
  });
  return &font;
}
