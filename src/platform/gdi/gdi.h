#pragma once
// A small software imitation of the handheld's graphics device interface: surfaces of
// 32-bit COLORREF pixels, device contexts with selected pen, brush, font and bitmap,
// the shapes with the platform's exact pixel extents, block copies, masked icons and text.
// Arguments the game never uses abort in debug and test builds.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/mul_div.h"
#include "platform/core/win_types.h"

// ---- constants, with the handheld's values -------------------------------------------
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr DWORD SRCCOPY = 0x00CC0020;

constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;

constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr UINT DI_NORMAL = 0x0003;
constexpr int LF_FACESIZE = 32;

// ---- pixels ---------------------------------------------------------------------------
// A block of pixels, row after row. Every change counts up ChangeCount, so that the
// window layer can tell cheaply whether the screen must be presented again.
// A window's pixels. A surface painted only in one colour holds no pixels but that colour:
// a window hidden under its children, such as the board's under its picture, costs nothing.
class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, COLORREF fill = 0) : m_width(width), m_height(height), m_fill(fill) {}
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  COLORREF Pixel(int x, int y) const { return Row(y)[x]; }
  void SetPixel(int x, int y, COLORREF c) {
    Row(y)[x] = c;
    MarkChanged();
  }
  COLORREF* Row(int y) {
    if (m_pixels.empty()) Materialize();
    return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
  }
  const COLORREF* Row(int y) const {
    if (m_pixels.empty()) return SolidRow();
    return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
  }
  // Every row, one after another.
  const COLORREF* Data() {
    if (m_pixels.empty()) Materialize();
    return m_pixels.data();
  }
  // The whole surface in one colour.
  void Fill(COLORREF color);
  void MarkChanged() {
    ++m_changes;
    ++s_anyChanges;
  }
  std::uint64_t ChangeCount() const { return m_changes; }
  // Changes of every surface together: unchanged, nothing on the screen can have changed.
  static std::uint64_t AnyChangeCount() { return s_anyChanges; }

 private:
  void Materialize();
  const COLORREF* SolidRow() const;

  int m_width = 0;
  int m_height = 0;
  COLORREF m_fill = 0;                       // every pixel, while m_pixels is empty
  std::vector<COLORREF> m_pixels;            // row after row, once drawn in
  mutable std::vector<COLORREF> m_solidRow;  // one row of m_fill, for reading
  std::uint64_t m_changes = 0;
  inline static std::uint64_t s_anyChanges = 0;
};

class CDC;
class FontFace;  // one face and pixel size of the glyph table (font_face.h)

// ---- drawing objects --------------------------------------------------------------------
class CGdiObject {
 public:
  virtual ~CGdiObject() = default;
  BOOL DeleteObject();
  bool IsCreated() const { return m_created; }

 protected:
  bool m_created = false;
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  BOOL CreatePen(int style, int width, COLORREF color);
  int Style() const { return m_style; }
  COLORREF Color() const { return m_color; }

 private:
  int m_style = PS_SOLID;
  COLORREF m_color = 0;
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  BOOL CreateSolidBrush(COLORREF color);
  COLORREF Color() const { return m_color; }

 private:
  COLORREF m_color = 0;
};

struct LOGFONTW {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char16_t lfFaceName[LF_FACESIZE];
};
using LOGFONT = LOGFONTW;

class CFont : public CGdiObject {
 public:
  CFont();
  ~CFont() override;
  // Looks the face up by its family name, height and weight; FALSE when the glyph table lacks it.
  BOOL CreateFontIndirect(const LOGFONT* description);
  const FontFace* Face() const { return m_face.get(); }
  LONG Escapement() const { return m_escapement; }

 private:
  std::shared_ptr<const FontFace> m_face;
  LONG m_escapement = 0;
};

class CBitmap : public CGdiObject {
 public:
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  // A bitmap resource of the program, by id.
  BOOL LoadBitmap(UINT resourceId);
  Surface* GetSurface() { return m_surface.get(); }
  const Surface* GetSurface() const { return m_surface.get(); }
  CSize GetSize() const;

 private:
  std::unique_ptr<Surface> m_surface;
};

// ---- icons ------------------------------------------------------------------------------
// A 32 by 32 image with a one-bit transparency mask.
struct Icon {
  Surface image;
  std::vector<bool> opaque;  // width * height, row after row
};
using HICON = const Icon*;

// Icon resource by id, decoded once and kept for the whole run; null when there is none.
HICON LoadIconW(UINT resourceId);
BOOL DrawIconEx(CDC* dc, int x, int y, HICON icon, int width, int height, UINT step, void* brush, UINT flags);

// ---- device context ---------------------------------------------------------------------
class CDC {
 public:
  CDC();
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // A memory context: draws into whichever bitmap is selected into it.
  BOOL CreateCompatibleDC(CDC* other);
  BOOL DeleteDC();
  // A window context: draws onto a surface owned by the window layer. Logical (0, 0) is
  // at origin on the surface, and nothing outside clip (surface coordinates) is touched.
  void AttachSurface(Surface* surface, POINT origin, const RECT& clip);
  Surface* GetTargetSurface() const;

  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  CPen* GetCurrentPen() const;
  CBrush* GetCurrentBrush() const;
  CFont* GetCurrentFont() const;
  CBitmap* GetCurrentBitmap() const;

  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const;
  int SetBkMode(int mode);
  int GetBkMode() const;

  // Saves the selected objects, colours, mode and current position; RestoreDC takes a
  // number SaveDC returned, or -1 for the latest.
  int SaveDC();
  BOOL RestoreDC(int savedState);

  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(const RECT* rect);
  BOOL RoundRect(int left, int top, int right, int bottom, int width, int height);
  BOOL Ellipse(int left, int top, int right, int bottom);
  BOOL Ellipse(const RECT* rect);
  BOOL Polygon(const POINT* points, int count);
  COLORREF SetPixel(int x, int y, COLORREF color);
  COLORREF GetPixel(int x, int y) const;
  CPoint MoveTo(int x, int y);
  BOOL LineTo(int x, int y);
  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);
  // Returns the height of the drawn text, 0 on failure.
  int DrawText(const CString& text, RECT* rect, UINT format);

 private:
  friend BOOL DrawIconEx(CDC*, int, int, HICON, int, int, UINT, void*, UINT);
  friend BOOL GetTextExtentExPointW(CDC*, const CString&, int, int*, int*, SIZE*);
  struct State;
  std::unique_ptr<State> m_state;
};

// Measures text in the context's selected font (no maximum width: fit and partial widths
// may be null). Single line, as the platform measures it.
BOOL GetTextExtentExPointW(CDC* dc, const CString& text, int maxExtent, int* fit, int* partialWidths, SIZE* size);
