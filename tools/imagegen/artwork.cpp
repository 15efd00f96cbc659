#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <vector>

namespace mensurio::imagegen {

const char* GlyphName(GlyphKind kind) {
  switch (kind) {
    case GlyphKind::Convert:
      return "convert";
    case GlyphKind::Search:
      return "search";
    case GlyphKind::Hide:
      return "hide";
    case GlyphKind::Info:
      return "info";
  }
  return "";
}

namespace {

constexpr double kDeg = std::numbers::pi / 180;

struct LonLat {
  double lon, lat;
};
using Outline = std::vector<LonLat>;

// Coarse coast lines (degrees east, degrees north); a few points per
// stretch of coast are enough for a picture a hundred pixels wide.
const std::vector<Outline>& Lands() {
  static const std::vector<Outline> lands = {
      // Africa
      {{-5.9, 35.8},  {-9.8, 31.0},  {-13.0, 27.7}, {-17.0, 21.0}, {-17.5, 14.7}, {-15.0, 11.0},
       {-13.0, 8.5},  {-7.5, 4.4},   {-2.0, 4.8},   {3.0, 6.4},    {6.0, 4.3},    {9.5, 4.0},
       {9.0, 0.0},    {12.0, -5.0},  {13.5, -11.0}, {12.0, -17.0}, {14.5, -23.0}, {16.5, -28.6},
       {18.4, -34.0}, {20.0, -34.8}, {25.6, -34.0}, {31.0, -29.8}, {32.6, -26.0}, {35.5, -23.9},
       {35.0, -20.0}, {40.5, -15.0}, {40.5, -10.5}, {39.3, -6.8},  {39.7, -4.0},  {42.0, -1.0},
       {46.0, 2.0},   {49.0, 6.0},   {51.3, 11.8},  {44.0, 10.5},  {43.3, 11.6},  {39.5, 15.5},
       {37.2, 19.6},  {35.6, 23.9},  {33.8, 27.2},  {32.5, 30.0},  {32.3, 31.3},  {29.9, 31.2},
       {25.0, 31.6},  {20.0, 32.1},  {19.5, 30.3},  {15.5, 32.0},  {11.0, 33.3},  {10.5, 36.9},
       {9.8, 37.3},   {3.0, 36.8},   {-2.0, 35.2}},
      // Madagascar
      {{49.3, -12.0},
       {50.5, -15.5},
       {49.5, -17.0},
       {47.0, -25.0},
       {45.0, -25.5},
       {43.5, -22.0},
       {44.3, -17.0},
       {46.5, -15.5},
       {48.0, -13.5}},
      // Eurasia from Suez round Arabia and India, east and north behind the
      // horizon, and back along Europe's coasts
      {{32.5, 30.0},  {34.3, 27.8},  {34.9, 29.5},  {35.8, 27.0},  {39.0, 22.0},  {41.0, 17.0},
       {43.4, 12.6},  {45.0, 12.8},  {52.0, 15.5},  {55.0, 17.5},  {59.8, 22.5},  {56.5, 24.5},
       {56.3, 26.3},  {54.0, 24.0},  {51.5, 25.5},  {50.0, 26.5},  {48.0, 29.5},  {48.5, 30.0},
       {50.8, 28.9},  {54.0, 26.7},  {56.3, 27.2},  {57.5, 25.6},  {61.6, 25.2},  {67.0, 24.8},
       {68.5, 23.5},  {70.0, 22.5},  {72.8, 21.0},  {72.8, 19.0},  {74.0, 15.0},  {75.0, 12.5},
       {76.3, 9.5},   {77.5, 8.1},   {79.8, 10.3},  {80.3, 13.0},  {82.3, 16.5},  {85.8, 19.8},
       {87.0, 21.5},  {89.0, 22.0},  {91.8, 22.3},  {94.2, 19.5},  {97.6, 16.5},  {98.5, 13.0},
       {99.2, 9.0},   {100.4, 6.0},  {103.4, 1.3},  {104.0, 10.5}, {109.0, 11.5}, {108.0, 16.0},
       {106.7, 20.7}, {113.5, 22.3}, {120.0, 26.0}, {121.9, 31.0}, {120.0, 35.0}, {122.0, 40.0},
       {129.0, 35.0}, {135.0, 43.0}, {141.0, 52.0}, {156.0, 57.0}, {170.0, 60.0}, {180.0, 66.0},
       {170.0, 70.0}, {140.0, 72.5}, {113.0, 73.5}, {100.0, 77.5}, {80.0, 73.5},  {69.0, 73.0},
       {60.0, 69.5},  {53.0, 68.5},  {44.0, 66.0},  {41.0, 67.0},  {33.0, 69.1},  {31.0, 70.3},
       {25.8, 71.1},  {23.7, 70.6},  {19.0, 69.7},  {16.0, 68.5},  {14.4, 67.3},  {12.5, 66.0},
       {9.0, 64.0},   {8.0, 63.5},   {5.0, 62.0},   {5.2, 60.4},   {5.6, 58.9},   {7.0, 58.0},
       {8.0, 58.0},   {10.6, 59.9},  {11.0, 59.0},  {11.8, 58.3},  {12.8, 56.6},  {13.0, 55.4},
       {14.4, 56.0},  {16.6, 57.3},  {18.9, 59.3},  {18.7, 60.2},  {17.5, 62.5},  {22.0, 65.8},
       {25.5, 65.0},  {21.5, 63.3},  {21.5, 61.5},  {22.5, 60.0},  {29.0, 60.2},  {30.3, 59.9},
       {28.0, 59.5},  {23.5, 59.2},  {24.0, 57.0},  {21.5, 57.4},  {21.0, 55.2},  {18.6, 54.4},
       {14.3, 53.9},  {12.0, 54.2},  {10.9, 54.5},  {10.3, 56.3},  {10.6, 57.7},  {8.2, 56.8},
       {8.6, 55.5},   {8.5, 53.9},   {7.0, 53.5},   {5.0, 53.3},   {4.5, 52.5},   {4.4, 51.3},
       {1.6, 50.9},   {0.1, 49.5},   {-1.4, 49.7},  {-1.6, 48.6},  {-4.7, 48.4},  {-2.5, 47.3},
       {-1.2, 46.2},  {-1.5, 43.4},  {-3.8, 43.5},  {-7.7, 43.8},  {-9.3, 43.0},  {-8.7, 41.2},
       {-9.5, 38.7},  {-8.9, 37.0},  {-7.4, 37.2},  {-6.3, 36.5},  {-5.6, 36.0},  {-2.2, 36.7},
       {-0.7, 37.6},  {0.0, 38.7},   {-0.3, 39.5},  {0.8, 40.7},   {2.2, 41.4},   {3.2, 41.9},
       {3.2, 43.0},   {5.3, 43.3},   {7.3, 43.7},   {8.9, 44.4},   {10.5, 42.9},  {12.5, 41.5},
       {14.3, 40.8},  {15.7, 40.0},  {15.6, 38.0},  {17.0, 39.0},  {18.5, 40.1},  {16.2, 41.9},
       {14.0, 42.5},  {12.6, 44.0},  {12.3, 45.4},  {13.7, 45.6},  {16.4, 43.5},  {19.4, 41.8},
       {20.0, 39.6},  {21.1, 37.8},  {22.4, 36.4},  {23.7, 37.9},  {22.9, 40.6},  {26.0, 40.8},
       {26.2, 40.0},  {27.0, 38.4},  {28.0, 36.7},  {30.7, 36.8},  {34.5, 36.8},  {35.8, 36.5},
       {35.5, 33.9},  {34.2, 31.3},  {32.3, 31.3}},
      // Great Britain
      {{-5.7, 50.1}, {-3.5, 50.3}, {-1.0, 50.7}, {1.4, 51.2},  {1.7, 52.6},  {0.3, 53.5},  {-1.6, 55.6},
       {-2.0, 57.5}, {-3.3, 58.6}, {-5.0, 58.6}, {-5.7, 57.5}, {-6.2, 56.3}, {-5.0, 55.8}, {-4.9, 54.8},
       {-3.3, 54.9}, {-3.0, 53.4}, {-4.6, 53.3}, {-4.2, 52.4}, {-5.2, 51.7}, {-3.2, 51.4}, {-4.2, 51.2}},
      // Ireland
      {{-6.0, 52.0},
       {-6.1, 53.3},
       {-5.5, 54.5},
       {-6.2, 55.3},
       {-8.3, 55.2},
       {-10.0, 54.2},
       {-9.5, 53.0},
       {-10.5, 51.8},
       {-8.5, 51.6},
       {-6.3, 52.2}},
      // Iceland
      {{-22.5, 64.0},
       {-24.0, 65.5},
       {-22.0, 66.4},
       {-16.0, 66.5},
       {-13.6, 65.2},
       {-15.0, 64.3},
       {-18.7, 63.4},
       {-22.5, 63.8}},
      // Greenland
      {{-44.0, 59.8},
       {-50.0, 62.0},
       {-53.0, 66.0},
       {-54.0, 70.0},
       {-58.0, 75.5},
       {-66.0, 77.0},
       {-73.0, 78.5},
       {-60.0, 82.0},
       {-35.0, 83.5},
       {-20.0, 82.0},
       {-18.0, 77.0},
       {-19.0, 73.0},
       {-22.0, 70.5},
       {-27.0, 68.5},
       {-33.0, 68.0},
       {-40.0, 65.0},
       {-42.5, 61.0}},
      // Sicily, Sardinia, Corsica, Sri Lanka
      {{12.4, 38.1}, {15.6, 38.3}, {15.1, 36.7}, {12.5, 37.6}},
      {{8.2, 41.0}, {9.7, 41.0}, {9.6, 39.2}, {8.4, 39.0}},
      {{9.4, 43.0}, {9.5, 42.0}, {9.2, 41.4}, {8.6, 41.9}},
      {{80.0, 9.8}, {81.9, 7.5}, {81.0, 6.0}, {79.8, 6.8}},
      // The Americas: east coasts southwards, west coasts northwards
      {{-52.6, 47.5},  {-56.0, 51.5},  {-60.0, 55.0},  {-62.0, 57.5},  {-64.5, 60.3},  {-70.0, 59.0},
       {-78.0, 62.5},  {-66.0, 50.0},  {-64.0, 48.5},  {-66.0, 45.0},  {-70.0, 43.5},  {-70.0, 41.7},
       {-74.0, 40.5},  {-75.5, 35.2},  {-81.0, 31.5},  {-80.0, 27.0},  {-80.4, 25.2},  {-81.8, 26.5},
       {-82.6, 28.0},  {-84.0, 30.0},  {-89.0, 30.3},  {-90.0, 29.0},  {-94.0, 29.5},  {-97.5, 26.0},
       {-97.5, 22.0},  {-96.0, 19.0},  {-94.5, 18.2},  {-91.0, 18.7},  {-90.5, 21.0},  {-87.0, 21.5},
       {-87.5, 16.0},  {-83.3, 15.0},  {-83.6, 11.0},  {-79.5, 9.3},   {-77.0, 8.5},   {-72.0, 12.0},
       {-64.0, 10.5},  {-61.0, 10.5},  {-57.0, 6.0},   {-52.0, 5.0},   {-50.0, 0.0},   {-48.5, -1.3},
       {-44.0, -2.5},  {-39.0, -3.7},  {-35.0, -5.5},  {-34.8, -7.2},  {-35.7, -9.7},  {-38.5, -13.0},
       {-39.0, -17.5}, {-40.3, -20.3}, {-43.2, -23.0}, {-48.5, -26.0}, {-48.6, -28.5}, {-52.1, -32.0},
       {-54.0, -34.5}, {-57.0, -35.5}, {-57.5, -38.2}, {-62.0, -39.0}, {-65.0, -42.0}, {-67.5, -46.0},
       {-68.3, -50.1}, {-69.0, -52.5}, {-68.5, -54.8}, {-74.0, -52.0}, {-75.5, -47.0}, {-73.5, -41.5},
       {-73.2, -37.0}, {-71.6, -33.0}, {-71.3, -29.9}, {-70.4, -23.6}, {-70.3, -18.5}, {-76.0, -14.0},
       {-79.0, -8.0},  {-81.3, -5.0},  {-80.0, -1.0},  {-78.8, 1.8},   {-77.5, 7.5},   {-79.5, 9.3},
       {-85.0, 10.0},  {-92.0, 14.5},  {-100.0, 17.0}, {-105.5, 20.5}, {-110.0, 24.0}, {-117.0, 32.5},
       {-124.0, 40.0}, {-124.5, 48.0}, {-133.0, 55.0}, {-150.0, 60.0}, {-165.0, 62.0}, {-165.0, 68.0},
       {-156.0, 71.3}, {-128.0, 70.0}, {-110.0, 68.0}, {-95.0, 68.0},  {-88.0, 64.0},  {-94.0, 59.0},
       {-82.0, 53.0},  {-78.0, 55.0},  {-78.0, 60.0}},
  };
  return lands;
}

const std::vector<Outline>& Seas() {
  static const std::vector<Outline> seas = {
      // Black Sea
      {{28.0, 41.2},
       {28.0, 43.5},
       {29.7, 45.3},
       {30.7, 46.5},
       {32.5, 46.1},
       {33.5, 44.5},
       {35.0, 45.0},
       {36.5, 45.3},
       {37.7, 44.7},
       {39.7, 43.6},
       {41.6, 41.6},
       {40.0, 41.0},
       {36.3, 41.3},
       {34.0, 42.0},
       {31.0, 41.1}},
      // Caspian Sea
      {{47.0, 45.0},
       {49.0, 46.5},
       {51.5, 47.0},
       {53.0, 45.3},
       {51.2, 44.5},
       {52.8, 42.0},
       {53.0, 40.0},
       {53.9, 37.4},
       {51.0, 36.8},
       {49.0, 37.6},
       {49.5, 40.3},
       {47.5, 42.5}},
  };
  return seas;
}

// The deserts from the Sahara to Arabia, painted over the land only.
const Outline& Deserts() {
  static const Outline deserts = {{-15.0, 20.0}, {-12.0, 28.0}, {-4.0, 31.0}, {5.0, 31.5},  {20.0, 30.0},
                                  {32.0, 29.5},  {38.0, 31.0},  {46.0, 30.0}, {56.0, 23.0}, {54.0, 17.5},
                                  {44.0, 16.0},  {33.0, 16.5},  {24.0, 15.5}, {14.0, 15.0}, {0.0, 16.0}};
  return deserts;
}

// The point of view: over the Sahara, tilted to show Europe.
constexpr double kViewLon = 12;
constexpr double kViewLat = 12;

// Orthographic projection onto the unit disc (y upwards); points behind the
// horizon are laid onto the rim, so that an outline that leaves the visible
// half runs along the edge of the globe.
QPointF Project(LonLat p) {
  const double phi = p.lat * kDeg, lambda = (p.lon - kViewLon) * kDeg, phi0 = kViewLat * kDeg;
  const double x = std::cos(phi) * std::sin(lambda);
  const double y = std::cos(phi0) * std::sin(phi) - std::sin(phi0) * std::cos(phi) * std::cos(lambda);
  const double front = std::sin(phi0) * std::sin(phi) + std::cos(phi0) * std::cos(phi) * std::cos(lambda);
  if (front < 0) {
    const double r = std::hypot(x, y);
    return r > 0 ? QPointF(x / r, y / r) : QPointF(0, 1);
  }
  return QPointF(x, y);
}

bool Visible(LonLat p) {
  const double phi = p.lat * kDeg, lambda = (p.lon - kViewLon) * kDeg, phi0 = kViewLat * kDeg;
  return std::sin(phi0) * std::sin(phi) + std::cos(phi0) * std::cos(phi) * std::cos(lambda) >= 0;
}

QPainterPath OutlinePath(const Outline& outline, QPointF centre, double radius) {
  QPolygonF polygon;
  for (size_t k = 0; k < outline.size(); ++k) {
    LonLat a = outline[k], b = outline[(k + 1) % outline.size()];
    const int steps =
        std::max(1, int(std::ceil(std::max(std::fabs(b.lon - a.lon), std::fabs(b.lat - a.lat)) / 2)));
    for (int s = 0; s < steps; ++s) {
      double t = double(s) / steps;
      QPointF q = Project({a.lon + (b.lon - a.lon) * t, a.lat + (b.lat - a.lat) * t});
      polygon << QPointF(centre.x() + radius * q.x(), centre.y() - radius * q.y());
    }
  }
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

void PaintGraticule(QPainter& g, QPointF centre, double radius) {
  QPen pen(QColor(255, 255, 255, 70), std::max(0.5, radius / 45));
  g.setPen(pen);
  g.setBrush(Qt::NoBrush);
  auto line = [&](auto point, double from, double to) {
    QPainterPath path;
    bool drawing = false;
    for (double t = from; t <= to + 1e-9; t += 2) {
      LonLat p = point(t);
      if (!Visible(p)) {
        drawing = false;
        continue;
      }
      QPointF q = Project(p);
      QPointF s(centre.x() + radius * q.x(), centre.y() - radius * q.y());
      if (drawing)
        path.lineTo(s);
      else
        path.moveTo(s);
      drawing = true;
    }
    g.drawPath(path);
  };
  // Meridians stop short of the poles, where they would run together into a blot.
  for (int lon = -180; lon < 180; lon += 30)
    line([lon](double t) { return LonLat{double(lon), t}; }, -76, 76);
  for (int lat = -60; lat <= 60; lat += 30)
    line([lat](double t) { return LonLat{t, double(lat)}; }, -180, 180);
}

}  // namespace

void PaintGlobe(QPainter& g, QPointF centre, double radius, bool detail) {
  g.save();
  g.setRenderHint(QPainter::Antialiasing);
  QPainterPath disc;
  disc.addEllipse(centre, radius, radius);

  QRadialGradient ocean(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
  ocean.setColorAt(0, QColor("#4aa3e8"));
  ocean.setColorAt(0.6, QColor("#1c62b8"));
  ocean.setColorAt(1, QColor("#0b2f6b"));
  g.fillPath(disc, ocean);

  g.setClipPath(disc);
  QPainterPath land;
  land.setFillRule(Qt::WindingFill);
  for (const Outline& o : Lands()) land.addPath(OutlinePath(o, centre, radius));
  g.fillPath(land, QColor("#3f9a3a"));
  g.save();
  g.setClipPath(land, Qt::IntersectClip);
  g.fillPath(OutlinePath(Deserts(), centre, radius), QColor("#d8c27a"));
  g.restore();
  for (const Outline& o : Seas()) g.fillPath(OutlinePath(o, centre, radius), QColor("#2a74c4"));
  Outline ice;
  for (int lon = -180; lon < 180; lon += 10) ice.push_back({double(lon), 80});
  g.fillPath(OutlinePath(ice, centre, radius), QColor(240, 246, 255, 220));
  if (detail) PaintGraticule(g, centre, radius);

  // Light from the upper left, night towards the lower right.
  QRadialGradient shade(centre - QPointF(radius * 0.45, radius * 0.45), radius * 1.9);
  shade.setColorAt(0, QColor(255, 255, 255, 60));
  shade.setColorAt(0.45, QColor(255, 255, 255, 0));
  shade.setColorAt(0.8, QColor(0, 0, 30, 90));
  shade.setColorAt(1, QColor(0, 0, 30, 170));
  g.fillPath(disc, shade);
  g.setClipping(false);

  g.setPen(QPen(QColor(10, 30, 70, 200), std::max(0.6, radius / 40)));
  g.setBrush(Qt::NoBrush);
  g.drawEllipse(centre, radius, radius);
  g.restore();
}

QImage RenderEarth(int scale) {
  const int w = kEarthWidth * scale, h = kEarthHeight * scale;
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  QPainter g(&image);
  g.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor("#050a1e"));
  sky.setColorAt(1, QColor("#101c40"));
  g.fillRect(image.rect(), sky);
  // Stars at fixed places, so that every build draws the same picture.
  unsigned seed = 20240601;
  for (int k = 0; k < 40; ++k) {
    seed = seed * 1103515245u + 12345u;
    double x = (seed >> 8) % 1000 / 1000.0 * w;
    seed = seed * 1103515245u + 12345u;
    double y = (seed >> 8) % 1000 / 1000.0 * h;
    seed = seed * 1103515245u + 12345u;
    int alpha = 90 + int((seed >> 8) % 150);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 255, 255, alpha));
    g.drawEllipse(QPointF(x, y), 0.45 * scale, 0.45 * scale);
  }
  const QPointF centre(w / 2.0, h / 2.0);
  const double radius = 41.0 * scale;
  QRadialGradient glow(centre, radius * 1.12);
  glow.setColorAt(0.88, QColor(120, 180, 255, 110));
  glow.setColorAt(1, QColor(120, 180, 255, 0));
  g.setBrush(glow);
  g.drawEllipse(centre, radius * 1.12, radius * 1.12);
  PaintGlobe(g, centre, radius, true);
  g.end();
  return image;
}

namespace {

// Glyphs are drawn on a 16 x 16 grid, scaled to the size asked for.
void PaintConvert(QPainter& g) {
  auto arrow = [&](double y, bool right, QColor colour) {
    QPolygonF a;
    if (right)
      a << QPointF(1.5, y - 1) << QPointF(10, y - 1) << QPointF(10, y - 3.2) << QPointF(14.8, y)
        << QPointF(10, y + 3.2) << QPointF(10, y + 1) << QPointF(1.5, y + 1);
    else
      a << QPointF(14.5, y - 1) << QPointF(6, y - 1) << QPointF(6, y - 3.2) << QPointF(1.2, y)
        << QPointF(6, y + 3.2) << QPointF(6, y + 1) << QPointF(14.5, y + 1);
    g.setPen(QPen(colour.darker(160), 0.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    g.setBrush(colour);
    g.drawPolygon(a);
  };
  arrow(4.5, true, QColor("#2e9d3a"));
  arrow(11.5, false, QColor("#2f6fd0"));
}

void PaintSearch(QPainter& g) {
  g.setPen(QPen(QColor("#5b3a24"), 2.6, Qt::SolidLine, Qt::RoundCap));
  g.drawLine(QPointF(9.8, 9.8), QPointF(14.3, 14.3));
  QRadialGradient glass(QPointF(5.2, 5.2), 5);
  glass.setColorAt(0, QColor("#ffffff"));
  glass.setColorAt(1, QColor("#9fd0f5"));
  g.setBrush(glass);
  g.setPen(QPen(QColor("#37474f"), 1.7));
  g.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
}

void PaintHide(QPainter& g) {
  QPainterPath eye;
  eye.moveTo(1, 8);
  eye.quadTo(8, 1.2, 15, 8);
  eye.quadTo(8, 14.8, 1, 8);
  g.setPen(QPen(QColor("#37474f"), 1.2));
  g.setBrush(Qt::white);
  g.drawPath(eye);
  g.setPen(Qt::NoPen);
  g.setBrush(QColor("#1e7fd8"));
  g.drawEllipse(QPointF(8, 8), 2.7, 2.7);
  g.setBrush(QColor("#101010"));
  g.drawEllipse(QPointF(8, 8), 1.2, 1.2);
  g.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap));
  g.drawLine(QPointF(2.5, 14), QPointF(13.5, 2));
  g.setPen(QPen(QColor("#d32f2f"), 1.8, Qt::SolidLine, Qt::RoundCap));
  g.drawLine(QPointF(2.5, 14), QPointF(13.5, 2));
}

void PaintInfo(QPainter& g) {
  QRadialGradient ball(QPointF(6, 5), 9);
  ball.setColorAt(0, QColor("#5c9cf0"));
  ball.setColorAt(1, QColor("#1647a8"));
  g.setPen(QPen(QColor("#0d3277"), 0.7));
  g.setBrush(ball);
  g.drawEllipse(QPointF(8, 8), 7.2, 7.2);
  g.setPen(Qt::NoPen);
  g.setBrush(Qt::white);
  g.drawEllipse(QPointF(8, 4.4), 1.35, 1.35);
  QPainterPath stem;
  stem.moveTo(6.2, 6.6);
  stem.lineTo(9.1, 6.6);
  stem.lineTo(9.1, 11.6);
  stem.lineTo(10.1, 11.6);
  stem.lineTo(10.1, 12.8);
  stem.lineTo(5.9, 12.8);
  stem.lineTo(5.9, 11.6);
  stem.lineTo(6.9, 11.6);
  stem.lineTo(6.9, 7.8);
  stem.lineTo(6.2, 7.8);
  stem.closeSubpath();
  g.drawPath(stem);
}

}  // namespace

QImage RenderGlyph(GlyphKind kind, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter g(&image);
  g.setRenderHint(QPainter::Antialiasing);
  g.scale(size / 16.0, size / 16.0);
  switch (kind) {
    case GlyphKind::Convert:
      PaintConvert(g);
      break;
    case GlyphKind::Search:
      PaintSearch(g);
      break;
    case GlyphKind::Hide:
      PaintHide(g);
      break;
    case GlyphKind::Info:
      PaintInfo(g);
      break;
  }
  g.end();
  return image;
}

QImage RenderProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter g(&image);
  g.setRenderHint(QPainter::Antialiasing);
  const double s = size / 256.0;
  PaintGlobe(g, QPointF(116 * s, 110 * s), 100 * s, size >= 48);

  // The ruler, laid across the lower right of the globe.
  g.save();
  g.translate(136 * s, 176 * s);
  g.rotate(-30);
  const double length = 200 * s, width = std::max(4.0, 50 * s);
  const QRectF body(-length / 2, -width / 2, length, width);
  QLinearGradient wood(0, -width / 2, 0, width / 2);
  wood.setColorAt(0, QColor("#ffe27a"));
  wood.setColorAt(1, QColor("#e2a91e"));
  g.setPen(QPen(QColor("#7a5200"), std::max(0.8, 5 * s)));
  g.setBrush(wood);
  g.drawRoundedRect(body, 6 * s, 6 * s);
  const int ticks = size >= 64 ? 20 : size >= 32 ? 10 : 5;
  g.setPen(QPen(QColor("#4a3200"), std::max(0.8, 4 * s), Qt::SolidLine, Qt::FlatCap));
  for (int k = 1; k < ticks; ++k) {
    double x = body.left() + length * k / ticks;
    double tick = (k % 5 == 0 || ticks <= 5) ? 0.55 : 0.32;
    g.drawLine(QPointF(x, body.top()), QPointF(x, body.top() + width * tick));
  }
  g.restore();
  g.end();
  return image;
}

}  // namespace mensurio::imagegen
