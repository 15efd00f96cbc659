// Between the core's texts (UTF-8 messages, Windows-1252 record texts) and
// Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace mensurio::ui {

QString FromUtf8(const std::string& utf8);
QString FromCp1252(std::string_view cp1252);
// Characters the code page lacks become '?', so an entry keeps its length
// and its error positions.
std::string ToCp1252(const QString& text);
// Plain text as rich text for a tooltip: shown as typed (no markup, blanks
// kept) and broken into lines only at its own line ends.
QString PlainTextToolTip(const QString& text);

}  // namespace mensurio::ui
