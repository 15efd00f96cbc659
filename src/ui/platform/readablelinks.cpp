#include "readablelinks.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace mensurio::ui {
namespace {

constexpr double kReadable = 4.5;

double Luminance(const QColor& c) {
  auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor Mixed(const QColor& from, const QColor& to, double share) {
  return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
                          static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
                          static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

}  // namespace

double Contrast(const QColor& a, const QColor& b) {
  double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableLinkColour(const QPalette& palette) {
  const QColor page = palette.color(QPalette::Active, QPalette::Base);
  const QColor text = palette.color(QPalette::Active, QPalette::Text);
  const QColor link = palette.color(QPalette::Active, QPalette::Link);
  QColor readable = link;
  for (int step = 1; step <= 10 && Contrast(readable, page) < kReadable; ++step) readable = Mixed(link, text, step / 10.0);
  return readable;
}

}  // namespace mensurio::ui
