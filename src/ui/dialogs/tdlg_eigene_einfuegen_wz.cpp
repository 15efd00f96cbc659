#include "tdlg_eigene_einfuegen_wz.h"

#include <QLineEdit>

#include "ownunit.h"
#include "qttext.h"
#include "storabletext.h"
#include "tmywindow.h"
#include "widgets.h"

namespace mensurio::ui {

TDlg_eigene_einfuegen_WZ::TDlg_eigene_einfuegen_WZ(TMyWindow& main)
    : MaintenanceDialog(main, &TMyWindow::unit_inserted, "Dlg_eigene_einfuegen_WZ", QString::fromUtf8("Eigene Einheit einfügen - Weltzeit"), 317, 197,
                     {8, 8, 300, 137}, 156) {
  PlaceLabel(this, "Label1", "Name der Einheit:", 32, 27);
  PlaceLabel(this, "Label2", "Kurzzeichen:", 32, 51);
  PlaceLabel(this, "Label3", "Sommerzeit (von..bis):", 32, 75);
  PlaceLabel(this, "Label5", "Zeitdifferenz zur Weltzeit in Minuten:", 16, 99);
  Edit1 = PlaceEdit(this, "Edit1", 144, 24, 153);
  Edit2 = PlaceEdit(this, "Edit2", 144, 48, 153);
  Edit3 = PlaceEdit(this, "Edit3", 144, 72, 153);
  Edit5 = PlaceEdit(this, "Edit5", 208, 96, 89);
}

QWidget* TDlg_eigene_einfuegen_WZ::FirstEdit() const { return Edit1; }

void TDlg_eigene_einfuegen_WZ::FormShow() {
  Edit1->setMaxLength(34);
  Edit2->setMaxLength(20);
  Edit3->setMaxLength(32);
  Edit5->setMaxLength(4);
}

void TDlg_eigene_einfuegen_WZ::OKBtnClick() {
  if (!TextsStorable({Edit1, Edit2, Edit3}, main_.platform().boxes)) return;
  OwnWorldTimeTexts texts{ToCp1252(Edit1->text()), ToCp1252(Edit2->text()), ToCp1252(Edit3->text()),
                          ToCp1252(Edit5->text())};
  if (InsertOwnUnit(main_.area_index, texts, main_.platform().boxes) == OwnUnitResult::BadFactor) {
    Edit5->setFocus();
    return;
  }
  Succeed();
}


}  // namespace mensurio::ui
