// Text: lines laid out in the selected font and drawn with grey-scale edges blended onto
// the background colour, or onto what lies beneath in transparent mode.
#include <algorithm>

#include "platform/gdi/dc_state.h"
#include "platform/gdi/font_face.h"

namespace {

struct TextLine {
  std::u32string characters;
  int width = 0;
};

bool IsSurrogatePair(const CString& text, std::size_t i) {
  return text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
}

char32_t CombinePair(char16_t high, char16_t low) {
  return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (static_cast<char32_t>(low) - 0xDC00);
}

std::u32string ToCodePoints(const CString& text) {
  std::u32string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsSurrogatePair(text, i)) {
      result.push_back(CombinePair(text[i], text[i + 1]));
      ++i;
    } else {
      result.push_back(text[i]);
    }
  }
  return result;
}

int Width(const FontFace& face, std::u32string_view characters) {
  int width = 0;
  for (char32_t c : characters) width += face.GetGlyph(c).advance;
  return width;
}

// Appends the words of one paragraph as lines no wider than maxWidth where words allow.
void BreakAtSpaces(const FontFace& face, std::u32string_view paragraph, int maxWidth, std::vector<TextLine>& lines) {
  std::size_t start = 0;
  while (true) {
    std::size_t end = paragraph.size();
    if (Width(face, paragraph.substr(start)) > maxWidth) {
      // The longest run of whole words that fits; a single long word takes a line alone.
      std::size_t lastFit = std::u32string_view::npos;
      for (std::size_t space = paragraph.find(U' ', start); space != std::u32string_view::npos;
           space = paragraph.find(U' ', space + 1)) {
        if (Width(face, paragraph.substr(start, space - start)) > maxWidth) break;
        lastFit = space;
      }
      if (lastFit == std::u32string_view::npos) lastFit = paragraph.find(U' ', start);
      if (lastFit != std::u32string_view::npos) end = lastFit;
    }
    const std::u32string_view line = paragraph.substr(start, end - start);
    lines.push_back(TextLine{std::u32string(line), Width(face, line)});
    if (end >= paragraph.size()) return;
    start = paragraph.find_first_not_of(U' ', end);
    if (start == std::u32string_view::npos) return;
  }
}

std::vector<TextLine> LayOut(const FontFace& face, const std::u32string& text, UINT format, int maxWidth) {
  std::vector<TextLine> lines;
  if (format & DT_SINGLELINE) {
    std::u32string flat;
    std::copy_if(text.begin(), text.end(), std::back_inserter(flat),
                 [](char32_t c) { return c != U'\r' && c != U'\n'; });
    lines.push_back(TextLine{flat, Width(face, flat)});
    return lines;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(U"\r\n", start);
    if (end == std::u32string::npos) end = text.size();
    const std::u32string_view paragraph = std::u32string_view(text).substr(start, end - start);
    if (format & DT_WORDBREAK) {
      BreakAtSpaces(face, paragraph, maxWidth, lines);
    } else {
      lines.push_back(TextLine{std::u32string(paragraph), Width(face, paragraph)});
    }
    if (end == text.size()) break;
    start = end + ((text[end] == U'\r' && end + 1 < text.size() && text[end + 1] == U'\n') ? 2 : 1);
  }
  return lines;
}

COLORREF Blend(COLORREF over, COLORREF under, int coverage) {
  auto channel = [&](int shift) {
    const int a = static_cast<int>((over >> shift) & 0xFF);
    const int b = static_cast<int>((under >> shift) & 0xFF);
    return static_cast<COLORREF>((a * coverage + b * (255 - coverage) + 127) / 255) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

// Draws one line with its cell's top-left corner at the reference point. Turned text runs
// upwards from the reference point, the cell's top side facing left.
class LinePainter {
 public:
  LinePainter(const Canvas& canvas, const CRect& clip, const FontFace& face, bool turned)
      : m_canvas(canvas), m_clip(clip), m_face(face), m_turned(turned) {}

  void FillCell(POINT reference, int width, COLORREF color) const {
    const CRect upright(0, 0, width, m_face.CellHeight());
    for (int v = upright.top; v < upright.bottom; ++v) {
      for (int u = upright.left; u < upright.right; ++u) Put(reference, u, v, color, 255);
    }
  }

  void DrawGlyphs(POINT reference, std::u32string_view characters, COLORREF color) const {
    int pen = 0;
    for (char32_t c : characters) {
      const Glyph glyph = m_face.GetGlyph(c);
      const int left = pen + glyph.left;
      const int top = m_face.Ascent() - glyph.top;
      for (int gy = 0; gy < glyph.height; ++gy) {
        const std::uint8_t* row =
            glyph.coverage.data() + static_cast<std::size_t>(gy) * static_cast<std::size_t>(glyph.width);
        for (int gx = 0; gx < glyph.width; ++gx) {
          if (row[gx] != 0) Put(reference, left + gx, top + gy, color, row[gx]);
        }
      }
      pen += glyph.advance;
    }
  }

 private:
  // (u, v) is a pixel of the upright line, u along the text and v downwards.
  void Put(POINT reference, int u, int v, COLORREF color, int coverage) const {
    const int x = m_turned ? reference.x + v : reference.x + u;
    const int y = m_turned ? reference.y - u - 1 : reference.y + v;
    const int sx = x + m_canvas.origin.x;
    const int sy = y + m_canvas.origin.y;
    if (!m_clip.PtInRect(CPoint(sx, sy))) return;
    COLORREF& pixel = m_canvas.surface->Row(sy)[sx];
    pixel = coverage == 255 ? color : Blend(color, pixel, coverage);
  }

  const Canvas& m_canvas;
  CRect m_clip;  // surface coordinates
  const FontFace& m_face;
  bool m_turned;
};

}  // namespace

int CDC::DrawText(const CString& text, RECT* rect, UINT format) {
  PLATFORM_REQUIRE((format & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_WORDBREAK | DT_SINGLELINE |
                               DT_NOCLIP | DT_CALCRECT)) == 0,
                   "text format");
  const CFont* font = GetCurrentFont();
  if (rect == nullptr || font->Face() == nullptr) return 0;
  const FontFace& face = *font->Face();
  const int cellHeight = face.CellHeight();
  const std::vector<TextLine> lines = LayOut(face, ToCodePoints(text), format, rect->right - rect->left);
  const int textHeight = cellHeight * static_cast<int>(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    rect->right = rect->left + widest;
    rect->bottom = rect->top + textHeight;
    return textHeight;
  }
  // The vertical placements apply to a single line only.
  int top = rect->top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) top = rect->top + (rect->bottom - rect->top - cellHeight) / 2;
    if (format & DT_BOTTOM) top = rect->bottom - cellHeight;
  }
  const Canvas canvas = m_state->MakeCanvas();
  if (!canvas.IsValid()) return 0;
  CRect clip = canvas.clip;
  if (!(format & DT_NOCLIP)) {
    CRect bounds(*rect);
    bounds.OffsetRect(canvas.origin.x, canvas.origin.y);
    clip = clip.Intersect(bounds);
  }
  const LinePainter painter(canvas, clip, face, font->Escapement() == 900);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TextLine& line = lines[i];
    int left = rect->left;
    if (format & DT_CENTER) left = (rect->left + rect->right - line.width) / 2;
    if (format & DT_RIGHT) left = rect->right - line.width;
    const POINT reference{left, top + cellHeight * static_cast<int>(i)};
    if (m_state->selection.bkMode == OPAQUE) painter.FillCell(reference, line.width, m_state->selection.bkColor);
    painter.DrawGlyphs(reference, line.characters, m_state->selection.textColor);
  }
  canvas.surface->MarkChanged();
  return top - rect->top + textHeight;
}

BOOL GetTextExtentExPointW(CDC* dc, const CString& text, int maxExtent, int* fit, int* partialWidths, SIZE* size) {
  if (dc == nullptr) return FALSE;
  const FontFace* face = dc->GetCurrentFont()->Face();
  if (face == nullptr) return FALSE;
  int width = 0;
  int fitting = 0;
  // A character outside the basic plane takes two units; both report the width after it.
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair = IsSurrogatePair(text, i);
    width += face->GetGlyph(pair ? CombinePair(text[i], text[i + 1]) : text[i]).advance;
    const std::size_t last = pair ? i + 1 : i;
    for (std::size_t unit = i; unit <= last; ++unit) {
      if (partialWidths != nullptr) partialWidths[unit] = width;
      if (width <= maxExtent) fitting = static_cast<int>(unit) + 1;
    }
    i = last;
  }
  if (fit != nullptr) *fit = fitting;
  if (size != nullptr) *size = SIZE{width, face->CellHeight()};
  return TRUE;
}
