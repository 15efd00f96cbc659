#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace mensurio::ui {

QString QtClipboard::Text() const { return QGuiApplication::clipboard()->text(); }

void QtClipboard::SetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace mensurio::ui
