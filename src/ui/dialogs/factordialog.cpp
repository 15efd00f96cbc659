#include "factordialog.h"

#include <QDialog>
#include <QLineEdit>

#include "qttext.h"
#include "text.h"
#include "tmywindow.h"

namespace mensurio::ui {

TAusgabetextobject& SelectedEntry(TMyWindow& main) {
  return main.units.at(static_cast<size_t>(main.SelectedIndex()));
}

void ShowUnitCaptions(TMyWindow& main, const TAusgabetextobject& entry, QLabel* area, QLabel* country,
                      QLabel* name) {
  area->setText(QString::fromUtf8(AreaCatalogue(main.area_index).name));
  country->setText(QString::fromUtf8(OriginName(entry.origin())));
  name->setText(FromCp1252(entry.name()));
}

void FinishFactorChange(QDialog& dialog, TMyWindow& main, FactorChangeResult result, QLineEdit* factor_edit) {
  switch (result) {
    case FactorChangeResult::BadInput:
      factor_edit->setFocus();
      break;
    case FactorChangeResult::Failed:
      break;
    case FactorChangeResult::FileChanged:
      main.factor_changed = false;
      dialog.reject();
      main.ComboBox1Change();  // the list no longer matches the file
      break;
    case FactorChangeResult::Changed:
      main.factor_changed = true;
      dialog.accept();
      break;
  }
}

}  // namespace mensurio::ui
