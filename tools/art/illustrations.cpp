#include "illustrations.h"

#include <cmath>
#include <numbers>

#include "art_style.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMaroon = RGB(128, 0, 0);

constexpr double kPi = std::numbers::pi;

std::vector<Point2> Mapped(const Placement& place, const std::vector<Point2>& local) {
  std::vector<Point2> out;
  out.reserve(local.size());
  for (const Point2& p : local) out.push_back(place.Map(p));
  return out;
}

// An ellipse as a polygon, so that it turns with its placement.
std::vector<Point2> EllipsePoints(Point2 centre, double rx, double ry, double fromDegrees = 0, double toDegrees = 360) {
  constexpr int kSteps = 48;
  std::vector<Point2> points;
  for (int i = 0; i <= kSteps; ++i) {
    const double a = (fromDegrees + (toDegrees - fromDegrees) * i / kSteps) * kPi / 180;
    points.push_back({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)});
  }
  return points;
}

std::vector<Point2> RoundedSquarePoints(Point2 centre, double half, double radius) {
  std::vector<Point2> points;
  const Point2 corners[] = {{half - radius, half - radius},
                            {-half + radius, half - radius},
                            {-half + radius, -half + radius},
                            {half - radius, -half + radius}};
  constexpr int kSteps = 6;
  for (int c = 0; c < 4; ++c) {
    for (int i = 0; i <= kSteps; ++i) {
      const double a = (90.0 * c + 90.0 * i / kSteps) * kPi / 180;
      points.push_back(
          {centre.x + corners[c].x + radius * std::cos(a), centre.y + corners[c].y + radius * std::sin(a)});
    }
  }
  return points;
}

void FillMapped(ArtCanvas& canvas, const Placement& place, const std::vector<Point2>& local, COLORREF color) {
  const std::vector<Point2> points = Mapped(place, local);
  canvas.FillPolygon(points, color);
}

}  // namespace

Point2 Placement::Map(Point2 local) const {
  const double a = degrees * kPi / 180;
  const double c = std::cos(a);
  const double s = std::sin(a);
  return {origin.x + scale * (local.x * c - local.y * s), origin.y + scale * (local.x * s + local.y * c)};
}

void DrawDie(ArtCanvas& canvas, const Placement& place, double size, int value, DieColour colour) {
  // Local units are pixels of the die; the placement only moves and turns it.
  const Placement die{place.origin, place.degrees, 1};
  const double half = size / 2;
  const double radius = size * 0.16;
  const bool red = colour == DieColour::Red;
  FillMapped(canvas, die, RoundedSquarePoints({0, 0}, half, radius), kBlack);
  FillMapped(canvas, die, RoundedSquarePoints({0, 0}, half - 1, radius - 0.5), red ? kBlack : kGrey);
  FillMapped(canvas, die, RoundedSquarePoints({-0.6, -0.6}, half - 1.6, radius - 0.8), red ? kMaroon : kLightGrey);
  FillMapped(canvas, die, RoundedSquarePoints({-0.3, -0.3}, half - 2.2, radius - 1), red ? kRed : art::kWhite);

  const double d = size * 0.27;
  std::vector<Point2> pips;
  if (value % 2 == 1) pips.push_back({0, 0});
  if (value >= 2) pips.insert(pips.end(), {{-d, -d}, {d, d}});
  if (value >= 4) pips.insert(pips.end(), {{d, -d}, {-d, d}});
  if (value == 6) pips.insert(pips.end(), {{-d, 0}, {d, 0}});
  const double r = std::max(0.9, size * 0.095);
  for (const Point2& pip : pips) {
    const Point2 at = die.Map(pip);
    if (red) {
      canvas.FillEllipse(at.x - r, at.y - r, at.x + r, at.y + r, kLightGrey);
      canvas.FillEllipse(at.x - r + 0.3, at.y - r + 0.3, at.x + r, at.y + r, art::kWhite);
    } else {
      canvas.FillEllipse(at.x - r, at.y - r, at.x + r, at.y + r, kBlack);
    }
  }
}

void DrawDiceCup(ArtCanvas& canvas, const Placement& place) {
  constexpr COLORREF kLeather = RGB(150, 70, 25);
  constexpr COLORREF kLeatherDark = RGB(95, 40, 12);
  constexpr COLORREF kLeatherLight = RGB(200, 115, 55);
  constexpr COLORREF kBand = RGB(235, 190, 60);
  constexpr COLORREF kBandDark = RGB(170, 120, 30);
  constexpr COLORREF kInside = RGB(45, 20, 8);
  constexpr double kTop = 0.5;      // half width at the opening
  constexpr double kBottom = 0.42;  // half width at the base
  constexpr double kHeight = 1.2;
  constexpr double kTilt = 0.13;  // half height of the ellipses seen from slightly above
  auto halfWidthAt = [](double y) { return kTop + (kBottom - kTop) * y / kHeight; };

  // Outline, then the body in bands of shading from dark at the edges to light left of centre.
  std::vector<Point2> outline = EllipsePoints({0, kHeight}, kBottom + 0.05, kTilt + 0.05, 0, 180);
  for (const Point2& p : EllipsePoints({0, 0}, kTop + 0.05, kTilt + 0.05, 180, 360)) outline.push_back(p);
  FillMapped(canvas, place, outline, kLeatherDark);
  constexpr int kShades = 10;
  for (int i = 0; i < kShades; ++i) {
    const double inset = static_cast<double>(i) / kShades;
    const double shift = -0.12 * inset;
    std::vector<Point2> body;
    for (const Point2& p : EllipsePoints({shift, kHeight}, kBottom * (1 - inset), kTilt * (1 - inset), 0, 180)) {
      body.push_back(p);
    }
    body.push_back({shift - kTop * (1 - inset), 0});
    body.push_back({shift + kTop * (1 - inset), 0});
    FillMapped(canvas, place, body, art::Blend(kLeather, kLeatherLight, inset * inset));
  }
  // Two bands round the cup.
  for (const double y : {0.22, kHeight - 0.2}) {
    const double w0 = halfWidthAt(y);
    const double w1 = halfWidthAt(y + 0.09);
    std::vector<Point2> band = EllipsePoints({0, y}, w0, kTilt, 0, 180);
    for (const Point2& p : EllipsePoints({0, y + 0.09}, w1, kTilt, 180, 0)) band.push_back(p);
    FillMapped(canvas, place, band, kBandDark);
    std::vector<Point2> shine = EllipsePoints({-0.05, y}, w0 * 0.7, kTilt * 0.7, 0, 180);
    for (const Point2& p : EllipsePoints({-0.05, y + 0.06}, w1 * 0.7, kTilt * 0.7, 180, 0)) shine.push_back(p);
    FillMapped(canvas, place, shine, kBand);
  }
  // The rim and the dark opening.
  FillMapped(canvas, place, EllipsePoints({0, 0}, kTop + 0.05, kTilt + 0.05), kLeatherDark);
  FillMapped(canvas, place, EllipsePoints({0, 0}, kTop, kTilt), kLeatherLight);
  FillMapped(canvas, place, EllipsePoints({0, 0.01}, kTop - 0.06, kTilt - 0.04), kInside);
}

void DrawHeadphones(ArtCanvas& canvas, const Placement& place) {
  constexpr COLORREF kBand = RGB(40, 40, 45);
  constexpr COLORREF kBandShine = RGB(150, 150, 160);
  constexpr COLORREF kCup = RGB(25, 25, 30);
  constexpr COLORREF kCupShine = RGB(90, 90, 100);
  constexpr COLORREF kCushion = RGB(200, 30, 30);
  constexpr COLORREF kCushionDark = RGB(130, 10, 10);

  // The headband: an arch of a ring, with a thin shine along its outer edge.
  auto arch = [](double outer, double inner) {
    std::vector<Point2> points = EllipsePoints({0, 0.35}, outer, outer, 180, 360);
    for (const Point2& p : EllipsePoints({0, 0.35}, inner, inner, 360, 180)) points.push_back(p);
    return points;
  };
  FillMapped(canvas, place, arch(1.0, 0.8), kBand);
  FillMapped(canvas, place, arch(0.95, 0.9), kBandShine);

  for (const double side : {-1.0, 1.0}) {
    const double x = side * 0.88;
    // Slider from the band down into the ear cup.
    FillMapped(canvas, place, {{x - 0.07, 0.3}, {x + 0.07, 0.3}, {x + 0.07, 0.55}, {x - 0.07, 0.55}}, kBandShine);
    // The cup, its cushion turned inwards.
    FillMapped(canvas, place, EllipsePoints({x, 0.8}, 0.22, 0.34), kCup);
    FillMapped(canvas, place, EllipsePoints({x - side * 0.04, 0.74}, 0.1, 0.2), kCupShine);
    FillMapped(canvas, place, EllipsePoints({x - side * 0.2, 0.8}, 0.1, 0.33), kCushionDark);
    FillMapped(canvas, place, EllipsePoints({x - side * 0.22, 0.78}, 0.07, 0.29), kCushion);
  }
}
