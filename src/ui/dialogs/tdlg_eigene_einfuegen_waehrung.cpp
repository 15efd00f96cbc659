#include "tdlg_eigene_einfuegen_waehrung.h"

#include <QLabel>
#include <QLineEdit>

#include "ownunit.h"
#include "qttext.h"
#include "storabletext.h"
#include "tmywindow.h"
#include "widgets.h"

namespace mensurio::ui {

TDlg_eigene_einfuegen_Waehrung::TDlg_eigene_einfuegen_Waehrung(TMyWindow& main)
    : MaintenanceDialog(main, &TMyWindow::unit_inserted, "Dlg_eigene_einfuegen_Waehrung", QString::fromUtf8("Eigene Einheit einfügen - Währung"), 317,
                     252, {8, 8, 300, 193}, 212) {
  PlaceLabel(this, "Label1", QString::fromUtf8("Name der Währung:"), 32, 27);
  PlaceLabel(this, "Label2", "Kurzzeichen:", 32, 51);
  PlaceLabel(this, "Label3", "Wert bwz. ca.Wert:", 32, 75);
  PlaceLabel(this, "Label7", QString::fromUtf8("(für Info-Feld)"), 32, 88);
  PlaceLabel(this, "Label4", "Stand (Datum):", 32, 115);
  PlaceLabel(this, "Label5", "1 eigene Einheit entspricht (Umrechnungsfaktor);", 32, 136);
  Edit1 = PlaceEdit(this, "Edit1", 144, 24, 153);
  Edit2 = PlaceEdit(this, "Edit2", 144, 48, 153);
  Edit3 = PlaceEdit(this, "Edit3", 144, 72, 153);
  Edit4 = PlaceEdit(this, "Edit4", 144, 112, 153);
  Edit5 = PlaceEdit(this, "Edit5", 32, 160, 89);
  Label6 = PlaceLabel(this, "Label6", "", 128, 163);
}

QWidget* TDlg_eigene_einfuegen_Waehrung::FirstEdit() const { return Edit1; }

void TDlg_eigene_einfuegen_Waehrung::FormShow() {
  Edit1->setMaxLength(34);
  Edit2->setMaxLength(20);
  Edit3->setMaxLength(33);
  Edit4->setMaxLength(32);
  Label6->setText(QString::fromUtf8(AreaCatalogue(main_.area_index).base_unit));
}

void TDlg_eigene_einfuegen_Waehrung::OKBtnClick() {
  if (!TextsStorable({Edit1, Edit2, Edit3, Edit4}, main_.platform().boxes)) return;
  OwnCurrencyTexts texts{ToCp1252(Edit1->text()), ToCp1252(Edit2->text()), ToCp1252(Edit3->text()),
                         ToCp1252(Edit4->text()), ToCp1252(Edit5->text())};
  if (InsertOwnUnit(main_.area_index, texts, main_.platform().boxes) == OwnUnitResult::BadFactor) {
    Edit5->setFocus();
    return;
  }
  Succeed();
}


}  // namespace mensurio::ui
