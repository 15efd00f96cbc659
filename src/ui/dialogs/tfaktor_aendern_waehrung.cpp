#include "tfaktor_aendern_waehrung.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "factordialog.h"
#include "format.h"
#include "qttext.h"
#include "storabletext.h"
#include "text.h"
#include "tmywindow.h"
#include "widgets.h"

namespace mensurio::ui {

TFaktor_aendern_Waehrung::TFaktor_aendern_Waehrung(TMyWindow& main)
    : MaintenanceDialog(main, &TMyWindow::factor_changed, "Faktor_aendern_Waehrung", QString::fromUtf8("Umrechnungsfaktor ändern - Währung"), 311, 309,
                     {8, 8, 295, 250}, 268) {
  PlaceLabel(this, "Label1", "Gebiet:", 24, 24);
  PlaceLabel(this, "Label3", "Land:", 24, 48);
  PlaceLabel(this, "Label5", "1", 24, 72);
  PlaceLabel(this, "Label7", "entspricht:", 24, 91);
  Label2 = PlaceLabel(this, "Label2", "", 88, 24, Qt::blue);
  Label4 = PlaceLabel(this, "Label4", "", 88, 48, Qt::blue);
  Label6 = PlaceLabel(this, "Label6", "", 40, 72, Qt::blue);
  Edit1 = PlaceEdit(this, "Edit1", 88, 88, 113);
  Label8 = PlaceLabel(this, "Label8", "", 216, 91);
  auto* panel = new QGroupBox(this);
  panel->setObjectName("Panel1");
  panel->setGeometry(24, 128, 257, 113);
  auto* title = PlaceLabel(panel, "Label9", "Angaben für Info-Feld:", 8, 8);
  QFont underlined = title->font();
  underlined.setUnderline(true);
  title->setFont(underlined);
  PlaceLabel(panel, "Label10", "Stand:", 8, 35);
  PlaceLabel(panel, "Label11", "Wert bzw.ca.Wert:", 8, 59);
  Edit2 = PlaceEdit(panel, "Edit2", 112, 32, 121);
  Edit3 = PlaceEdit(panel, "Edit3", 112, 56, 121);
}

QWidget* TFaktor_aendern_Waehrung::FirstEdit() const { return Edit1; }

void TFaktor_aendern_Waehrung::FormShow() {
  const TAusgabetextobject& entry = SelectedEntry(main_);
  ShowUnitCaptions(main_, entry, Label2, Label4, Label6);
  Label8->setText(QString::fromUtf8(AreaCatalogue(main_.area_index).base_unit));
  Edit2->setMaxLength(32);
  Edit2->setText(FromCp1252(TrimRightBlanks(FieldText(entry.record.validity))));
  Edit3->setMaxLength(21);
  Edit3->setText(FromCp1252(TrimRightBlanks(FieldText(entry.record.approx_value))));
  Edit1->setText(FromCp1252(FormatFactorText(entry.record.Factor(), 13)));
}

void TFaktor_aendern_Waehrung::OKBtnClick() {
  if (!TextsStorable({Edit2, Edit3}, main_.platform().boxes)) return;
  FactorChangeResult r =
      ChangeCurrencyFactor(main_.area_index, SelectedEntry(main_), ToCp1252(Edit1->text()),
                           ToCp1252(Edit2->text()), ToCp1252(Edit3->text()), main_.platform().boxes);
  FinishFactorChange(*this, main_, r, Edit1);
}


}  // namespace mensurio::ui
