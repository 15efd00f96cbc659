#include "design.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>

namespace mensurio::imagegen {

DesignError::DesignError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message),
      file(file),
      line(line),
      message(message) {}

const Design* DesignSet::ForCode(int code) const {
  for (const Design& d : designs)
    if (std::find(d.codes.begin(), d.codes.end(), code) != d.codes.end()) return &d;
  return nullptr;
}

namespace {

// Coordinates, sizes and angles beyond this are certainly typing errors.
constexpr double kLargest = 1000;
constexpr int kMostRepeats = 100;

struct Token {
  std::string text;
  bool quoted = false;
};

class LineParser {
 public:
  LineParser(const std::string& file, int line) : file_(file), line_(line) {}

  [[noreturn]] void Fail(const std::string& message) const { throw DesignError(file_, line_, message); }

  // Splits a line into words and quoted texts; a '#' that starts a word and
  // is followed by a blank or the end of the line begins a comment.
  std::vector<Token> Split(const std::string& text) const {
    std::vector<Token> tokens;
    size_t i = 0;
    const size_t n = text.size();
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (i < n) {
      if (blank(text[i])) {
        ++i;
        continue;
      }
      if (text[i] == '#' && (i + 1 == n || blank(text[i + 1]))) break;
      Token t;
      if (text[i] == '"') {
        t.quoted = true;
        ++i;
        bool closed = false;
        while (i < n) {
          char c = text[i++];
          if (c == '"') {
            closed = true;
            break;
          }
          if (c == '\\' && i < n && (text[i] == '"' || text[i] == '\\')) c = text[i++];
          t.text += c;
        }
        if (!closed) Fail("Anführungszeichen nicht geschlossen");
        if (i < n && !blank(text[i])) Fail("Leerzeichen nach dem Text erwartet");
      } else {
        while (i < n && !blank(text[i])) {
          if (text[i] == '"') Fail("Anführungszeichen mitten im Wort");
          t.text += text[i++];
        }
      }
      tokens.push_back(std::move(t));
    }
    return tokens;
  }

  double Number(const Token& t) const {
    double v = 0;
    const char* b = t.text.data();
    const char* e = b + t.text.size();
    if (!t.quoted && !t.text.empty() && *b == '+') ++b;
    auto [p, ec] = std::from_chars(b, e, v);
    if (t.quoted || t.text.empty() || ec != std::errc() || p != e || !std::isfinite(v))
      Fail("keine Zahl: \"" + t.text + "\"");
    if (std::fabs(v) > kLargest) Fail("Zahl außerhalb von -1000 bis 1000: \"" + t.text + "\"");
    return v;
  }

  double Positive(const Token& t) const {
    double v = Number(t);
    if (v <= 0) Fail("Zahl größer als 0 erwartet: \"" + t.text + "\"");
    return v;
  }

  int Integer(const Token& t, int lo, int hi, const std::string& what) const {
    int v = 0;
    const char* b = t.text.data();
    const char* e = b + t.text.size();
    auto [p, ec] = std::from_chars(b, e, v);
    if (t.quoted || t.text.empty() || ec != std::errc() || p != e || v < lo || v > hi)
      Fail(what + " von " + std::to_string(lo) + " bis " + std::to_string(hi) + " erwartet: \"" + t.text +
           "\"");
    return v;
  }

  QColor Colour(const Token& t) const {
    const std::string& s = t.text;
    bool ok = !t.quoted && s.size() == 7 && s[0] == '#' && std::all_of(s.begin() + 1, s.end(), [](char c) {
      return std::isxdigit(static_cast<unsigned char>(c));
    });
    if (!ok) Fail("keine Farbe (#rrggbb): \"" + s + "\"");
    return QColor(QString::fromStdString(s));
  }

  QPointF Point(const Token& t) const {
    size_t comma = t.text.find(',');
    if (t.quoted || comma == std::string::npos || t.text.find(',', comma + 1) != std::string::npos)
      Fail("Punkt X,Y erwartet: \"" + t.text + "\"");
    Token x{t.text.substr(0, comma)};
    Token y{t.text.substr(comma + 1)};
    return QPointF(Number(x), Number(y));
  }

  Stripe StripeOf(const Token& t) const {
    size_t colon = t.text.find(':');
    Stripe s;
    s.colour = Colour(Token{t.text.substr(0, colon), t.quoted});
    if (colon != std::string::npos) s.weight = Positive(Token{t.text.substr(colon + 1)});
    return s;
  }

 private:
  std::string file_;
  int line_;
};

// One command with fixed arguments: 'n' number, 'p' number > 0, 'c' colour,
// 'i' whole number of star points, 'f' fraction (0,1], 's' the word "sharp";
// after '|' optional.
struct Signature {
  const char* name;
  Op op;
  const char* args;
  const char* form;
};

const Signature kSignatures[] = {
    {"fill", Op::Fill, "c", "fill FARBE"},
    {"hstripes", Op::HStripes, nullptr, "hstripes FARBE[:GEWICHT] ..."},
    {"vstripes", Op::VStripes, nullptr, "vstripes FARBE[:GEWICHT] ..."},
    {"rect", Op::Rect, "nnppc|s", "rect X Y B H FARBE [sharp]"},
    {"cross", Op::Cross, "nnpc", "cross X Y DICKE FARBE"},
    {"plus", Op::Plus, "nnppc", "plus X Y ARM DICKE FARBE"},
    {"disc", Op::Disc, "nnpc", "disc X Y R FARBE"},
    {"ellipse", Op::Ellipse, "nnppc", "ellipse X Y RX RY FARBE"},
    {"ring", Op::Ring, "nnppc", "ring X Y R DICKE FARBE"},
    {"oval", Op::Oval, "nnpppc", "oval X Y RX RY DICKE FARBE"},
    {"pie", Op::Pie, "nnpnnc", "pie X Y R ANFANG BOGEN FARBE"},
    {"arc", Op::Arc, "nnpnnpc", "arc X Y R ANFANG BOGEN DICKE FARBE"},
    {"crescent", Op::Crescent, "nnpnnpc", "crescent X Y R X2 Y2 R2 FARBE"},
    {"star", Op::Star, "nnpic|fn", "star X Y R ZACKEN FARBE [INNEN [DREHUNG]]"},
    {"polygon", Op::Polygon, nullptr, "polygon FARBE X,Y X,Y X,Y ..."},
    {"line", Op::Line, "nnnnpc", "line X1 Y1 X2 Y2 DICKE FARBE"},
    {"path", Op::Path, nullptr, "path DICKE FARBE X,Y X,Y ..."},
    {"text", Op::Text, nullptr, "text X Y B H FARBE [bold] [serif] \"TEXT\""},
};

const Signature* FindSignature(const std::string& name) {
  for (const Signature& s : kSignatures)
    if (name == s.name) return &s;
  return nullptr;
}

// Parses tokens[first..] as one drawing command (possibly a repeat) and
// appends its shapes.
void ParseCommand(const LineParser& p, const std::vector<Token>& tokens, size_t first, int line,
                  QPointF shift, std::vector<Shape>& out) {
  const std::string& name = tokens[first].text;
  if (tokens[first].quoted) p.Fail("Befehl erwartet, nicht Text in Anführungszeichen");
  const size_t argc = tokens.size() - first - 1;
  auto arg = [&](size_t k) -> const Token& { return tokens[first + 1 + k]; };

  if (name == "repeat") {
    if (argc < 4) p.Fail("falsche Zahl von Angaben; Form: repeat ANZAHL DX DY BEFEHL ...");
    int count = p.Integer(arg(0), 1, kMostRepeats, "Anzahl");
    double dx = p.Number(arg(1));
    double dy = p.Number(arg(2));
    for (int k = 0; k < count; ++k)
      ParseCommand(p, tokens, first + 4, line, shift + QPointF(dx * k, dy * k), out);
    return;
  }
  if (name == "design") p.Fail("\"design\" kann nicht wiederholt werden");

  const Signature* sig = FindSignature(name);
  if (!sig) p.Fail("unbekannter Befehl \"" + name + "\"");
  auto wrongCount = [&]() { p.Fail(std::string("falsche Zahl von Angaben; Form: ") + sig->form); };

  Shape s;
  s.op = sig->op;
  s.shift = shift;
  s.line = line;

  switch (sig->op) {
    case Op::HStripes:
    case Op::VStripes:
      if (argc < 1) wrongCount();
      for (size_t k = 0; k < argc; ++k) s.stripes.push_back(p.StripeOf(arg(k)));
      break;
    case Op::Polygon:
      if (argc < 4) wrongCount();
      s.colour = p.Colour(arg(0));
      for (size_t k = 1; k < argc; ++k) s.points.push_back(p.Point(arg(k)));
      break;
    case Op::Path:
      if (argc < 4) wrongCount();
      s.values.push_back(p.Positive(arg(0)));
      s.colour = p.Colour(arg(1));
      for (size_t k = 2; k < argc; ++k) s.points.push_back(p.Point(arg(k)));
      break;
    case Op::Text: {
      if (argc < 6) wrongCount();
      for (size_t k = 0; k < 4; ++k) s.values.push_back(k < 2 ? p.Number(arg(k)) : p.Positive(arg(k)));
      s.colour = p.Colour(arg(4));
      for (size_t k = 5; k + 1 < argc; ++k) {
        const Token& t = arg(k);
        if (!t.quoted && t.text == "bold" && !s.bold)
          s.bold = true;
        else if (!t.quoted && t.text == "serif" && !s.serif)
          s.serif = true;
        else
          p.Fail("unbekannte Schriftangabe \"" + t.text + "\" (bold, serif)");
      }
      const Token& last = arg(argc - 1);
      if (!last.quoted) p.Fail("Text in Anführungszeichen am Zeilenende erwartet");
      if (last.text.empty()) p.Fail("leerer Text");
      s.text = QString::fromStdString(last.text);
      break;
    }
    default: {
      std::string pattern = sig->args;
      size_t bar = pattern.find('|');
      size_t required = bar == std::string::npos ? pattern.size() : bar;
      if (bar != std::string::npos) pattern.erase(bar, 1);
      if (argc < required || argc > pattern.size()) wrongCount();
      for (size_t k = 0; k < argc; ++k) {
        switch (pattern[k]) {
          case 'n':
            s.values.push_back(p.Number(arg(k)));
            break;
          case 'p':
            s.values.push_back(p.Positive(arg(k)));
            break;
          case 'i':
            s.values.push_back(p.Integer(arg(k), 3, 64, "Zackenzahl"));
            break;
          case 'f': {
            double f = p.Number(arg(k));
            if (f <= 0 || f > 1)
              p.Fail("Anteil größer als 0 und höchstens 1 erwartet: \"" + arg(k).text + "\"");
            s.values.push_back(f);
            break;
          }
          case 'c':
            s.colour = p.Colour(arg(k));
            break;
          case 's':
            if (arg(k).quoted || arg(k).text != "sharp")
              p.Fail("\"sharp\" oder nichts erwartet: \"" + arg(k).text + "\"");
            s.sharp = true;
            break;
        }
      }
      break;
    }
  }
  out.push_back(std::move(s));
}

std::vector<int> ParseCodes(const LineParser& p, const Token& t) {
  std::vector<int> codes;
  if (t.quoted) p.Fail("Herkunftsnummern erwartet: \"" + t.text + "\"");
  std::stringstream in(t.text);
  std::string item;
  while (std::getline(in, item, ',')) {
    size_t dash = item.find('-');
    int lo = p.Integer(Token{item.substr(0, dash)}, 1, kImageCount, "Herkunft");
    int hi =
        dash == std::string::npos ? lo : p.Integer(Token{item.substr(dash + 1)}, 1, kImageCount, "Herkunft");
    if (hi < lo) p.Fail("Bereich " + item + " läuft rückwärts");
    for (int c = lo; c <= hi; ++c) codes.push_back(c);
  }
  if (codes.empty() || t.text.back() == ',') p.Fail("Herkunftsnummern erwartet: \"" + t.text + "\"");
  return codes;
}

}  // namespace

DesignSet ParseDesigns(const std::string& text, const std::string& file, bool complete) {
  DesignSet set;
  std::map<int, int> lineOfCode;
  std::stringstream in(text);
  std::string raw;
  int line = 0;
  auto finish = [&]() {
    if (!set.designs.empty() && set.designs.back().shapes.empty())
      throw DesignError(file, set.designs.back().line, "Entwurf ohne Zeichenbefehle");
  };
  while (std::getline(in, raw)) {
    ++line;
    LineParser p(file, line);
    std::vector<Token> tokens = p.Split(raw);
    if (tokens.empty()) continue;
    if (!tokens[0].quoted && tokens[0].text == "design") {
      finish();
      if (tokens.size() < 3) p.Fail("falsche Zahl von Angaben; Form: design NUMMERN NAME");
      Design d;
      d.line = line;
      d.codes = ParseCodes(p, tokens[1]);
      for (size_t k = 2; k < tokens.size(); ++k) d.label += (k > 2 ? " " : "") + tokens[k].text;
      for (int c : d.codes) {
        auto [it, fresh] = lineOfCode.emplace(c, line);
        if (!fresh)
          p.Fail("Herkunft " + std::to_string(c) + " schon in Zeile " + std::to_string(it->second) +
                 " beschrieben");
      }
      set.designs.push_back(std::move(d));
      continue;
    }
    if (set.designs.empty()) p.Fail("Zeichenbefehl vor der ersten \"design\"-Zeile");
    ParseCommand(p, tokens, 0, line, QPointF(), set.designs.back().shapes);
  }
  finish();
  if (complete) {
    for (int c = 1; c <= kImageCount; ++c)
      if (!lineOfCode.count(c))
        throw DesignError(file, line, "kein Entwurf für Herkunft " + std::to_string(c));
  }
  return set;
}

std::vector<int> ParseCodeList(const std::string& text) {
  return ParseCodes(LineParser("--codes", 0), Token{text});
}

DesignSet LoadDesigns(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DesignError(path, 0, "Datei nicht lesbar");
  std::string text((std::istreambuf_iterator<char>(in)), {});
  return ParseDesigns(text, path.substr(path.find_last_of('/') + 1));
}

namespace {

// Stripe edges fall on whole device pixels, so that narrow stripes stay clean.
std::vector<double> StripeEdges(const std::vector<Stripe>& stripes, double extent, int scale) {
  double total = 0;
  for (const Stripe& s : stripes) total += s.weight;
  std::vector<double> edges{0};
  double sum = 0;
  for (const Stripe& s : stripes) {
    sum += s.weight;
    edges.push_back(std::round(sum / total * extent * scale) / scale);
  }
  edges.back() = extent;
  return edges;
}

QPainterPath TextPath(const Shape& s) {
  QFont font(s.serif ? "DejaVu Serif" : "DejaVu Sans");
  font.setPixelSize(100);
  font.setBold(s.bold);
  font.setKerning(true);
  QPainterPath raw;
  raw.addText(0, 0, font, s.text);
  QRectF box = raw.boundingRect();
  const double x = s.values[0], y = s.values[1], w = s.values[2], h = s.values[3];
  if (box.isEmpty()) return {};
  double k = std::min(w / box.width(), h / box.height());
  QTransform t;
  t.translate(x + w / 2, y + h / 2);
  t.scale(k, k);
  t.translate(-box.center().x(), -box.center().y());
  return t.map(raw);
}

void PaintShape(QPainter& g, const Shape& s, int scale) {
  const auto& v = s.values;
  g.setPen(Qt::NoPen);
  g.setBrush(s.colour);
  auto stroke = [&](double width, Qt::PenJoinStyle join = Qt::MiterJoin) {
    QPen pen(s.colour, width, Qt::SolidLine, Qt::FlatCap, join);
    g.setPen(pen);
    g.setBrush(Qt::NoBrush);
  };
  switch (s.op) {
    case Op::Fill:
      g.drawRect(QRectF(0, 0, kImageWidth, kImageHeight));
      break;
    case Op::HStripes: {
      auto edges = StripeEdges(s.stripes, kImageHeight, scale);
      for (size_t k = 0; k < s.stripes.size(); ++k)
        g.fillRect(QRectF(0, edges[k], kImageWidth, edges[k + 1] - edges[k]), s.stripes[k].colour);
      break;
    }
    case Op::VStripes: {
      auto edges = StripeEdges(s.stripes, kImageWidth, scale);
      for (size_t k = 0; k < s.stripes.size(); ++k)
        g.fillRect(QRectF(edges[k], 0, edges[k + 1] - edges[k], kImageHeight), s.stripes[k].colour);
      break;
    }
    case Op::Rect:
      if (s.sharp) {
        auto snap = [scale](double a) { return std::round(a * scale) / scale; };
        const double x0 = snap(v[0]), y0 = snap(v[1]), x1 = snap(v[0] + v[2]), y1 = snap(v[1] + v[3]);
        g.fillRect(QRectF(x0, y0, x1 - x0, y1 - y0), s.colour);
      } else {
        g.drawRect(QRectF(v[0], v[1], v[2], v[3]));
      }
      break;
    case Op::Oval:
      stroke(v[4]);
      g.drawEllipse(QPointF(v[0], v[1]), v[2], v[3]);
      break;
    case Op::Cross:
      g.drawRect(QRectF(v[0] - v[2] / 2, -1, v[2], kImageHeight + 2));
      g.drawRect(QRectF(-1, v[1] - v[2] / 2, kImageWidth + 2, v[2]));
      break;
    case Op::Plus:
      g.drawRect(QRectF(v[0] - v[3] / 2, v[1] - v[2], v[3], 2 * v[2]));
      g.drawRect(QRectF(v[0] - v[2], v[1] - v[3] / 2, 2 * v[2], v[3]));
      break;
    case Op::Disc:
      g.drawEllipse(QPointF(v[0], v[1]), v[2], v[2]);
      break;
    case Op::Ellipse:
      g.drawEllipse(QPointF(v[0], v[1]), v[2], v[3]);
      break;
    case Op::Ring:
      stroke(v[3]);
      g.drawEllipse(QPointF(v[0], v[1]), v[2], v[2]);
      break;
    case Op::Pie:
      g.drawPie(QRectF(v[0] - v[2], v[1] - v[2], 2 * v[2], 2 * v[2]), int(std::lround(v[3] * 16)),
                int(std::lround(v[4] * 16)));
      break;
    case Op::Arc:
      stroke(v[5]);
      g.drawArc(QRectF(v[0] - v[2], v[1] - v[2], 2 * v[2], 2 * v[2]), int(std::lround(v[3] * 16)),
                int(std::lround(v[4] * 16)));
      break;
    case Op::Crescent: {
      // The subtraction flattens the circles into polygons; done on a fine
      // grid, their corners stay far below a pixel.
      constexpr double kFine = 256;
      QPainterPath outer, inner;
      outer.addEllipse(QPointF(v[0], v[1]) * kFine, v[2] * kFine, v[2] * kFine);
      inner.addEllipse(QPointF(v[3], v[4]) * kFine, v[5] * kFine, v[5] * kFine);
      g.scale(1 / kFine, 1 / kFine);
      g.drawPath(outer.subtracted(inner));
      break;
    }
    case Op::Star: {
      const int n = int(v[3]);
      double inner = v.size() > 4 ? v[4]
                     : n >= 5     ? std::cos(2 * std::numbers::pi / n) / std::cos(std::numbers::pi / n)
                                  : 0.4;
      double turn = v.size() > 5 ? v[5] : 0;
      QPolygonF star;
      for (int k = 0; k < 2 * n; ++k) {
        double a = (turn - 90 + k * 180.0 / n) * std::numbers::pi / 180;
        double r = k % 2 ? v[2] * inner : v[2];
        star << QPointF(v[0] + r * std::cos(a), v[1] + r * std::sin(a));
      }
      g.drawPolygon(star);
      break;
    }
    case Op::Polygon:
      g.drawPolygon(QPolygonF(QList<QPointF>(s.points.begin(), s.points.end())), Qt::WindingFill);
      break;
    case Op::Line:
      stroke(v[4]);
      g.drawLine(QPointF(v[0], v[1]), QPointF(v[2], v[3]));
      break;
    case Op::Path:
      stroke(v[0]);
      g.drawPolyline(QPolygonF(QList<QPointF>(s.points.begin(), s.points.end())));
      break;
    case Op::Text:
      g.fillPath(TextPath(s), s.colour);
      break;
  }
}

}  // namespace

void PaintDesign(QPainter& g, const Design& design, int scale) {
  g.save();
  g.setRenderHint(QPainter::Antialiasing);
  g.setRenderHint(QPainter::TextAntialiasing);
  g.scale(scale, scale);
  g.setClipRect(QRectF(0, 0, kImageWidth, kImageHeight), Qt::IntersectClip);
  for (const Shape& s : design.shapes) {
    g.save();
    g.translate(s.shift);
    PaintShape(g, s, scale);
    g.restore();
  }
  g.restore();
}

QImage RenderDesign(const Design& design, int scale) {
  QImage image(kImageWidth * scale, kImageHeight * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter g(&image);
  PaintDesign(g, design, scale);
  g.end();
  return image;
}

QImage RenderStrip(const DesignSet& set, int scale) {
  QImage strip(kImageWidth * scale * kImageCount, kImageHeight * scale, QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter g(&strip);
  for (int code = 1; code <= kImageCount; ++code) {
    const Design* d = set.ForCode(code);
    if (!d) continue;
    g.save();
    g.translate((code - 1) * kImageWidth * scale, 0);
    PaintDesign(g, *d, scale);
    g.restore();
  }
  g.end();
  return strip;
}

}  // namespace mensurio::imagegen
