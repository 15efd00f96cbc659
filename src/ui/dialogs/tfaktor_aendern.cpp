#include "tfaktor_aendern.h"

#include <QLabel>
#include <QLineEdit>

#include "factorchange.h"
#include "factordialog.h"
#include "format.h"
#include "qttext.h"
#include "tmywindow.h"
#include "widgets.h"

namespace mensurio::ui {

TFaktor_aendern::TFaktor_aendern(TMyWindow& main)
    : MaintenanceDialog(main, &TMyWindow::factor_changed, "Faktor_aendern", QString::fromUtf8("Umrechnungsfaktor ändern"), 268, 214, {8, 8, 252, 158},
                     180) {
  PlaceLabel(this, "Label1", "Gebiet:", 32, 24);
  PlaceLabel(this, "Label3", "Land:", 32, 48);
  PlaceLabel(this, "Label5", "1", 32, 72);
  PlaceLabel(this, "Label7", "entspricht:", 32, 96);
  Label2 = PlaceLabel(this, "Label2", "", 112, 24, Qt::blue);
  Label4 = PlaceLabel(this, "Label4", "", 112, 48, Qt::blue);
  Label6 = PlaceLabel(this, "Label6", "", 48, 72, Qt::blue);
  Edit1 = PlaceEdit(this, "Edit1", 32, 120, 113);
  Label8 = PlaceLabel(this, "Label8", "", 152, 123);
}

QWidget* TFaktor_aendern::FirstEdit() const { return Edit1; }

void TFaktor_aendern::FormShow() {
  const TAusgabetextobject& entry = SelectedEntry(main_);
  ShowUnitCaptions(main_, entry, Label2, Label4, Label6);
  Label8->setText(QString::fromUtf8(AreaCatalogue(main_.area_index).base_unit));
  Edit1->setText(FromCp1252(FormatFactorText(entry.record.Factor(), 17)));
}

void TFaktor_aendern::OKBtnClick() {
  FactorChangeResult r =
      ChangeFactor(main_.area_index, SelectedEntry(main_), ToCp1252(Edit1->text()), main_.platform().boxes);
  FinishFactorChange(*this, main_, r, Edit1);
}


}  // namespace mensurio::ui
