// The drawn pictures besides the origin images: the button glyphs, the
// earth picture of the information panel and the program icon.
#pragma once

#include <QImage>
#include <QPointF>

class QPainter;

namespace mensurio::imagegen {

enum class GlyphKind { Convert, Search, Hide, Info };
constexpr GlyphKind kGlyphKinds[] = {GlyphKind::Convert, GlyphKind::Search, GlyphKind::Hide, GlyphKind::Info};
constexpr int kGlyphSizes[] = {16, 24, 32, 48};
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kEarthWidth = 120;
constexpr int kEarthHeight = 90;

// "convert", "search", "hide", "info": the part of the glyph file names.
const char* GlyphName(GlyphKind kind);

// A glyph of size x size pixels on a transparent ground.
QImage RenderGlyph(GlyphKind kind, int size);

// The globe: Europe, Africa and the Atlantic seen from space, continents
// simplified. `detail` adds the grid of meridians and parallels.
void PaintGlobe(QPainter& painter, QPointF centre, double radius, bool detail);

// The earth picture, 120 x 90 times scale, a globe before the night sky.
QImage RenderEarth(int scale);

// The program icon (a globe with a ruler laid across it), size x size.
QImage RenderProgramIcon(int size);

}  // namespace mensurio::imagegen
