#pragma once
// The handheld's basic types, so that the game code reads as it was written.
#include <cstdint>
#include <string>

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

using BOOL = int;
using BYTE = std::uint8_t;
using SHORT = std::int16_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using COLORREF = std::uint32_t;

// Every text of the program is UTF-16 with value semantics.
using CString = std::u16string;

constexpr COLORREF RGB(int red, int green, int blue) {
  return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

struct POINT {
  LONG x;
  LONG y;
  friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
  LONG cx;
  LONG cy;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
  friend bool operator==(const RECT&, const RECT&) = default;
};

// The classes build their base from a copy: clang's static analyzer (version 14) takes a base
// initialised straight from a braced list for one left uninitialised.
class CPoint : public POINT {
 public:
  constexpr CPoint() : POINT(POINT{0, 0}) {}
  constexpr CPoint(LONG x_, LONG y_) : POINT(POINT{x_, y_}) {}
  constexpr CPoint(const POINT& p) : POINT(p) {}
};

class CSize : public SIZE {
 public:
  constexpr CSize() : SIZE(SIZE{0, 0}) {}
  constexpr CSize(LONG cx_, LONG cy_) : SIZE(SIZE{cx_, cy_}) {}
  constexpr CSize(const SIZE& s) : SIZE(s) {}
};

class CRect : public RECT {
 public:
  constexpr CRect() : RECT(RECT{0, 0, 0, 0}) {}
  constexpr CRect(LONG l, LONG t, LONG r, LONG b) : RECT(RECT{l, t, r, b}) {}
  constexpr CRect(const RECT& r) : RECT(r) {}

  constexpr LONG Width() const { return right - left; }
  constexpr LONG Height() const { return bottom - top; }
  constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
  constexpr bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr void DeflateRect(LONG d) { InflateRect(-d); }
  constexpr void InflateRect(LONG d) {
    left -= d;
    top -= d;
    right += d;
    bottom += d;
  }
  constexpr void OffsetRect(LONG dx, LONG dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  constexpr CPoint TopLeft() const { return CPoint(left, top); }
  // The overlap of two rectangles; empty (all zero) when they do not meet.
  constexpr CRect Intersect(const RECT& o) const {
    CRect r(left > o.left ? left : o.left, top > o.top ? top : o.top, right < o.right ? right : o.right,
            bottom < o.bottom ? bottom : o.bottom);
    return r.IsRectEmpty() ? CRect() : r;
  }
};
