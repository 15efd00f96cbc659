// The readable description of the origin images (resources/origins.txt) and
// its drawing.
//
// A design starts with a line "design CODES LABEL" (CODES: "36" or a list
// such as "5-20,41-49,59"; LABEL: the origin name, "Frei" for unassigned
// codes) and is followed by drawing commands, one a line, painted in order.
// Coordinates are pixels of the 32 x 16 image with (0,0) at the top left and
// fractions allowed; the 2x image is drawn from the same description at twice
// the scale. Colours are "#rrggbb". A '#' followed by a blank (or ending the
// line) begins a comment. Commands:
//
//   fill C                          the whole image
//   hstripes C[:W] C[:W] ...        horizontal stripes from the top, W = weight (1)
//   vstripes C[:W] C[:W] ...        vertical stripes from the left
//   rect X Y W H C [sharp]          sharp: edges on whole device pixels, as
//                                   stripe edges are (for cantons over stripes)
//   cross X Y T C                   bars of thickness T across the whole image,
//                                   the vertical one centred on X, the other on Y
//   plus X Y A T C                  free-standing cross, arms A from the centre
//   disc X Y R C
//   ellipse X Y RX RY C
//   ring X Y R T C                  circle line of thickness T
//   oval X Y RX RY T C              ellipse line of thickness T
//   pie X Y R START SPAN C          angles in degrees, counter-clockwise from 3 o'clock
//   arc X Y R START SPAN T C        circle arc line of thickness T
//   crescent X Y R X2 Y2 R2 C       disc X,Y,R without the disc X2,Y2,R2
//   star X Y R N C [INNER [TURN]]   N points, inner radius INNER x R, point up,
//                                   turned TURN degrees clockwise
//   polygon C X,Y X,Y X,Y ...
//   line X1 Y1 X2 Y2 T C            straight line with flat ends
//   path T C X,Y X,Y ...            open line through the points, mitred corners
//   text X Y W H C [bold] [serif] "TEXT"
//                                   the text scaled to fit the box, centred in it
//   repeat N DX DY COMMAND          COMMAND N times, each copy shifted by DX,DY
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <stdexcept>
#include <string>
#include <vector>

class QPainter;

namespace mensurio::imagegen {

constexpr int kImageWidth = 32;
constexpr int kImageHeight = 16;
constexpr int kImageCount = 91;

// A fault in a description; what() reads "FILE:LINE: message".
struct DesignError : std::runtime_error {
  DesignError(const std::string& file, int line, const std::string& message);
  std::string file;
  int line;
  std::string message;
};

enum class Op {
  Fill,
  HStripes,
  VStripes,
  Rect,
  Cross,
  Plus,
  Disc,
  Ellipse,
  Ring,
  Pie,
  Arc,
  Crescent,
  Oval,
  Star,
  Polygon,
  Line,
  Path,
  Text
};

struct Stripe {
  QColor colour;
  double weight = 1;
};

struct Shape {
  Op op = Op::Fill;
  QColor colour;
  std::vector<double> values;   // the numbers of the command, in order
  std::vector<QPointF> points;  // polygon and path
  std::vector<Stripe> stripes;  // hstripes and vstripes
  QString text;
  bool bold = false;
  bool serif = false;
  bool sharp = false;
  QPointF shift;  // from repeat
  int line = 0;
};

struct Design {
  std::vector<int> codes;
  std::string label;
  std::vector<Shape> shapes;
  int line = 0;
};

class DesignSet {
 public:
  std::vector<Design> designs;
  // The design of origin code 1..91, nullptr when there is none.
  const Design* ForCode(int code) const;
};

// Parses a description; throws DesignError naming `file` and the line at the
// first fault. A complete set (every code 1..91 exactly once) is demanded
// when `complete` is true.
DesignSet ParseDesigns(const std::string& text, const std::string& file, bool complete = true);
// A list of origin codes such as "5-20,41-49,59"; throws DesignError.
std::vector<int> ParseCodeList(const std::string& text);
// Reads and parses a file.
DesignSet LoadDesigns(const std::string& path);

// Paints a design into the 32 x 16 rectangle at the painter's origin, scaled.
void PaintDesign(QPainter& painter, const Design& design, int scale);
// One image, 32*scale x 16*scale pixels.
QImage RenderDesign(const Design& design, int scale);
// All 91 images side by side, image k-1 for origin code k.
QImage RenderStrip(const DesignSet& set, int scale);

}  // namespace mensurio::imagegen
