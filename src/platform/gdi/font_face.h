#pragma once
// A font face at one pixel size. The desktop build finds it among the program's known font
// files and rasterises it with FreeType (font_files.cpp); the browser build takes its glyphs
// from a table that FreeType rendered when the program was built (font_table.cpp).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The glyph of one character: grey coverage (0 to 255) of a block placed relative to the
// pen position on the baseline.
struct Glyph {
  int left = 0;  // from the pen position to the block's left column
  int top = 0;   // from the baseline up to the block's top row
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<std::uint8_t> coverage;  // width * height, row after row
};

struct FontRequest {
  std::string family;  // any name: one not installed gets the fallback face
  int height = 0;      // positive: cell height in pixels; negative: character height
  bool bold = false;
};

struct FaceMetrics {
  int pixelsPerEm = 0;
  int ascent = 0;
  int descent = 0;
};

class FontFace {
 public:
  // Characters below this are kept in a table as they are drawn; the others in a map.
  static constexpr char32_t kLatinGlyphCount = 256;

  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // The requested family, else the fallback face; nothing only when neither is installed.
  static std::shared_ptr<const FontFace> Open(const FontRequest& request);

  const std::string& Family() const { return m_family; }
  int PixelsPerEm() const { return m_metrics.pixelsPerEm; }
  int Ascent() const { return m_metrics.ascent; }
  int Descent() const { return m_metrics.descent; }
  int CellHeight() const { return m_metrics.ascent + m_metrics.descent; }
  // Rendered on first use and kept.
  const Glyph& GetGlyph(char32_t character) const;

 private:
  // The rasteriser's own data for the face, as each build defines it.
  struct Handle;
  FontFace(std::unique_ptr<Handle> handle, std::string family, FaceMetrics metrics);
  Glyph Render(char32_t character) const;

  std::unique_ptr<Handle> m_handle;
  std::string m_family;
  FaceMetrics m_metrics;
  mutable std::vector<std::optional<Glyph>> m_latinGlyphs;
  mutable std::unordered_map<char32_t, Glyph> m_otherGlyphs;
};

// Family names compare as the handheld compares them, whatever the case of their letters.
bool SameFamilyName(std::string_view a, std::string_view b);

// The folder of fonts the program brings along besides the system's (Debian's Wine fonts,
// where "Tahoma" lives), and the system's folders of the fallback face, searched after it.
// Tests pass other sets to see how the program fares without them; fonts opened afterwards
// use the new set.
void SetApplicationFontFolder(std::optional<std::string> folder);
void SetSystemFontFolders(std::vector<std::string> folders);
constexpr const char* kDefaultApplicationFontFolder = "/usr/share/wine/fonts";
constexpr const char* kDefaultSystemFontFolders[] = {"/usr/share/fonts/truetype/liberation",
                                                     "/usr/share/fonts/truetype/liberation2"};

// One line saying why the program could draw no text at all, or nothing when it can.
std::optional<std::string> MissingFontsReason();
