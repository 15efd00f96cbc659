#include "qttext.h"

#include "text.h"

namespace mensurio::ui {

QString FromUtf8(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QString FromCp1252(std::string_view cp1252) { return FromUtf8(Cp1252ToUtf8(cp1252)); }

std::string ToCp1252(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar c : text) {
    QByteArray utf8 = QString(c).toUtf8();
    auto byte = Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
    out += byte && byte->size() == 1 ? (*byte)[0] : '?';
  }
  return out;
}

QString PlainTextToolTip(const QString& text) {
  return "<p style='white-space:pre'>" + text.toHtmlEscaped() + "</p>";
}

}  // namespace mensurio::ui
