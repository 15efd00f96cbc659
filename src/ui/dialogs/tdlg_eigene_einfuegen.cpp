#include "tdlg_eigene_einfuegen.h"

#include <QLabel>
#include <QLineEdit>

#include "ownunit.h"
#include "qttext.h"
#include "storabletext.h"
#include "tmywindow.h"
#include "widgets.h"

namespace mensurio::ui {

TDlg_eigene_einfuegen::TDlg_eigene_einfuegen(TMyWindow& main)
    : MaintenanceDialog(main, &TMyWindow::unit_inserted, "Dlg_eigene_einfuegen", QString::fromUtf8("Eigene Einheit einfügen"), 317, 252,
                     {8, 8, 300, 193}, 212) {
  PlaceLabel(this, "Label1", "Name der Einheit:", 32, 27);
  PlaceLabel(this, "Label2", "Kurzzeichen:", 32, 51);
  PlaceLabel(this, "Label3", "Weiterer Name:", 32, 75);
  PlaceLabel(this, "Label4", "Einsatzgebiet:", 32, 99);
  PlaceLabel(this, "Label5", "1 eigene Einheit entspricht (Umrechnungsfaktor);", 32, 136);
  Edit1 = PlaceEdit(this, "Edit1", 144, 24, 153);
  Edit2 = PlaceEdit(this, "Edit2", 144, 48, 153);
  Edit3 = PlaceEdit(this, "Edit3", 144, 72, 153);
  Edit4 = PlaceEdit(this, "Edit4", 144, 96, 153);
  Edit5 = PlaceEdit(this, "Edit5", 32, 160, 89);
  Label6 = PlaceLabel(this, "Label6", "", 128, 163);
}

QWidget* TDlg_eigene_einfuegen::FirstEdit() const { return Edit1; }

void TDlg_eigene_einfuegen::FormShow() {
  Edit1->setMaxLength(34);
  Edit2->setMaxLength(20);
  Edit3->setMaxLength(33);
  Edit4->setMaxLength(27);
  Label6->setText(QString::fromUtf8(AreaCatalogue(main_.area_index).base_unit));
}

void TDlg_eigene_einfuegen::OKBtnClick() {
  if (!TextsStorable({Edit1, Edit2, Edit3, Edit4}, main_.platform().boxes)) return;
  OwnUnitTexts texts{ToCp1252(Edit1->text()), ToCp1252(Edit2->text()), ToCp1252(Edit3->text()),
                     ToCp1252(Edit4->text()), ToCp1252(Edit5->text())};
  if (InsertOwnUnit(main_.area_index, texts, main_.platform().boxes) == OwnUnitResult::BadFactor) {
    Edit5->setFocus();
    return;
  }
  Succeed();
}


}  // namespace mensurio::ui
