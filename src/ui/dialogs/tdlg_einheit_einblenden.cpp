#include "tdlg_einheit_einblenden.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "qttext.h"
#include "tmywindow.h"
#include "uifonts.h"
#include "unitrow.h"
#include "widgets.h"

namespace mensurio::ui {

TDlg_Einheit_einblenden::TDlg_Einheit_einblenden(TMyWindow& main)
    : DialogFrame("Dlg_Einheit_einblenden", "Ausgeblendete Einheiten wieder einblenden", 317, 293, &main),
      main_(main) {
  PlaceLabel(this, "Label1", "Gebiet:", 16, 12);
  Label2 = PlaceLabel(this, "Label2", "", 64, 12, Qt::blue);
  Label3 = PlaceLabel(this, "Label3", "", 16, 36);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(16, 56, 285, 150);
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  BitBtn1 = MakePushButton(this, "BitBtn1", "Markierte Einheit einblenden", {16, 216, 285, 25});
  BitBtn2 = MakePushButton(this, "BitBtn2", "Alle Einheiten einblenden", {16, 252, 180, 25});
  OKBtn = MakePushButton(this, "OKBtn", "Beenden", {206, 252, 95, 25});
  OKBtn->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &TDlg_Einheit_einblenden::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, [this] {
    BitBtn2Click();
    accept();
  });
  connect(OKBtn, &QPushButton::clicked, this, [this] {
    OKBtnClick();
    accept();
  });
}

void TDlg_Einheit_einblenden::reject() {
  // Esc and the close box leave as "Beenden" does, so that units re-shown
  // one by one reach the main list.
  OKBtnClick();
  accept();
}

void TDlg_Einheit_einblenden::showEvent(QShowEvent* event) {
  FormShow();
  DialogFrame::showEvent(event);
  OKBtn->setFocus();
  // The list is built once the dialog is on the screen, so that a message
  // about the data file stands over the dialog.
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) FormActivate();
  });
}

void TDlg_Einheit_einblenden::hideEvent(QHideEvent* event) {
  FormHide();
  DialogFrame::hideEvent(event);
}

void TDlg_Einheit_einblenden::FormShow() {
  Label2->setText(QString::fromUtf8(AreaCatalogue(main_.area_index).name));
  Label3->setText("Ausgeblendete Einheiten:");
  SetTextColor(Label3, Qt::black);
  BitBtn1->setEnabled(true);
  BitBtn2->setEnabled(true);
}

void TDlg_Einheit_einblenden::FormActivate() {
  HiddenUnits hidden = ListHiddenUnits(main_.area_index, main_.platform().boxes);
  for (const HiddenUnitLine& line : hidden.lines) {
    ListBox1->addItem(FromCp1252(line.text));
    lines_.push_back(line.object);
  }
  if (hidden.read_failed) return;
  FocusFirstLine();
  if (ListBox1->count() == 0) {
    Label3->setText("Es sind keine Einheiten ausgeblendet!");
    SetTextColor(Label3, kRed);
    BitBtn1->setEnabled(false);
    BitBtn2->setEnabled(false);
  }
}

void TDlg_Einheit_einblenden::FocusFirstLine() {
  ListBox1->setFocus();
  ListBox1->clearSelection();
  if (ListBox1->count() == 0) return;
  ListBox1->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
}

void TDlg_Einheit_einblenden::BitBtn1Click() {
  std::vector<TDatenobject> marked;
  for (int i = 0; i < ListBox1->count(); ++i)
    if (ListBox1->item(i)->isSelected()) marked.push_back(lines_[static_cast<size_t>(i)]);
  if (!marked.empty() &&
      ReshowUnits(main_.area_index, marked, main_.platform().boxes) == InPlaceResult::FileChanged) {
    FormHide();  // the lines are out of date: list the file anew
    FormActivate();
    return;
  }
  for (int i = ListBox1->count() - 1; i >= 0; --i) {
    if (!ListBox1->item(i)->isSelected()) continue;
    delete ListBox1->takeItem(i);
    lines_.erase(lines_.begin() + i);
  }
  FocusFirstLine();
}

void TDlg_Einheit_einblenden::BitBtn2Click() {
  main_.results_valid = false;
  ReshowUnits(main_.area_index, lines_, main_.platform().boxes);
  ReloadMainList();
}

void TDlg_Einheit_einblenden::OKBtnClick() {
  if (!BitBtn1->isEnabled()) return;  // nothing was hidden: the main list stays
  main_.results_valid = false;
  ReloadMainList();
}

void TDlg_Einheit_einblenden::ReloadMainList() {
  main_.LoadUnits();
  main_.FillUnitList();
  main_.ListBoxEinheit->setFocus();
  main_.ShowSelectedUnit();
}

void TDlg_Einheit_einblenden::FormHide() {
  ListBox1->clear();
  lines_.clear();
}

}  // namespace mensurio::ui
