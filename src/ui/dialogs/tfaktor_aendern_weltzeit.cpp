#include "tfaktor_aendern_weltzeit.h"

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

TFaktor_aendern_Weltzeit::TFaktor_aendern_Weltzeit(TMyWindow& main)
    : MaintenanceDialog(main, &TMyWindow::factor_changed, "Faktor_aendern_Weltzeit", QString::fromUtf8("Umrechnungsfaktor ändern - Weltzeit"), 289, 292,
                     {8, 8, 273, 234}, 252) {
  PlaceLabel(this, "Label1", "Gebiet:", 40, 24);
  PlaceLabel(this, "Label3", "Land:", 40, 48);
  PlaceLabel(this, "Label5", "Einheit:", 40, 72);
  PlaceLabel(this, "Label6", "Zeitdifferenz zur Weltzeit:", 40, 96);
  Label2 = PlaceLabel(this, "Label2", "", 88, 24, Qt::blue);
  Label4 = PlaceLabel(this, "Label4", "", 88, 48, Qt::blue);
  Label7 = PlaceLabel(this, "Label7", "", 88, 72, Qt::blue);
  Edit1 = PlaceEdit(this, "Edit1", 40, 112, 113);
  PlaceLabel(this, "Label8", "Minuten", 160, 115);
  auto* panel = new QGroupBox(this);
  panel->setObjectName("Panel1");
  panel->setGeometry(36, 144, 201, 81);
  auto* title = PlaceLabel(panel, "Label9", "Angabe für Info-Feld:", 8, 6);
  QFont underlined = title->font();
  underlined.setUnderline(true);
  title->setFont(underlined);
  PlaceLabel(panel, "Label10", "Sommerzeit (+ 1 Stunde) von..bis", 8, 28);
  Edit2 = PlaceEdit(panel, "Edit2", 16, 48, 153, 32);
}

QWidget* TFaktor_aendern_Weltzeit::FirstEdit() const { return Edit1; }

void TFaktor_aendern_Weltzeit::FormShow() {
  const TAusgabetextobject& entry = SelectedEntry(main_);
  ShowUnitCaptions(main_, entry, Label2, Label4, Label7);
  Edit2->setMaxLength(32);
  Edit2->setText(FromCp1252(TrimRightBlanks(FieldText(entry.record.validity))));
  Edit1->setText(FromCp1252(WorldTimeMinutesText(entry.record.Factor())));
}

void TFaktor_aendern_Weltzeit::OKBtnClick() {
  if (!TextsStorable({Edit2}, main_.platform().boxes)) return;
  FactorChangeResult r = ChangeWorldTimeFactor(main_.area_index, SelectedEntry(main_), ToCp1252(Edit1->text()),
                                               ToCp1252(Edit2->text()), main_.platform().boxes);
  FinishFactorChange(*this, main_, r, Edit1);
}


}  // namespace mensurio::ui
