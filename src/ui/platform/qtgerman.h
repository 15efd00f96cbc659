// Qt's own texts in German: the entry's context menu ("&Rückgängig",
// "&Kopieren"), the help viewer's menu, the key names of the menu short cuts
// ("Strg+C", "Strg+Entf"). The translation comes with Qt's translations
// package; without it these texts stay English and the program runs as
// before.
#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace mensurio::ui {

// Installs Qt's German translation from `directory` (Qt's translations
// directory by default) into the application, which owns it. Returns the
// installed translator, or nullptr when none could be loaded.
QTranslator* InstallQtGerman(QCoreApplication& app, const QString& directory = {});

}  // namespace mensurio::ui
