#include "uifonts.h"

#include <QApplication>
#include <QWidget>

namespace mensurio::ui {

namespace {

// The free font with the metrics of a family the layout names; looking the
// installed family up directly spares the font system its substitution and
// fallback search.
QString InstalledFamily(const char* family) {
  QString f = QString::fromLatin1(family);
  if (f == "Arial" || f == "MS Sans Serif") return "Liberation Sans";
  if (f == "Courier") return "Liberation Mono";
  return f;
}

}  // namespace

QFont PixelFont(const char* family, int pixels, bool bold, bool underline) {
  QFont f(InstalledFamily(family));
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

QFont LabelFont(bool underline) { return PixelFont("MS Sans Serif", 13, false, underline); }

QFont SmallFont() { return PixelFont("MS Sans Serif", 11); }

void InstallFonts() {
  QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"});
  QFont::insertSubstitutions("Courier", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"});
  QApplication::setFont(SmallFont());
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette p = widget->palette();
  p.setColor(QPalette::WindowText, color);
  p.setColor(QPalette::Text, color);
  p.setColor(QPalette::ButtonText, color);
  widget->setPalette(p);
}

}  // namespace mensurio::ui
