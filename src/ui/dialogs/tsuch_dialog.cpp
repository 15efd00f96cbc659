#include "tsuch_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "ioerror.h"
#include "jump.h"
#include "qttext.h"
#include "tmywindow.h"
#include "unitrow.h"
#include "widgets.h"

namespace mensurio::ui {

TSuch_Dialog::TSuch_Dialog(TMyWindow& main)
    : DialogFrame("Such_Dialog", "Einheiten suchen", 317, 347, &main), main_(main) {
  RadioGroup1 = new QGroupBox("Suchen nach", this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(16, 8, 285, 45);
  RadioName = new QRadioButton("Name", RadioGroup1);
  RadioName->setGeometry(16, 18, 120, 20);
  RadioSymbol = new QRadioButton(QString::fromUtf8("Abkürzung"), RadioGroup1);
  RadioSymbol->setGeometry(152, 18, 120, 20);
  RadioName->setChecked(true);
  PlaceLabel(this, "Label1", "Suchbegriff:", 16, 67);
  Edit1 = PlaceEdit(this, "Edit1", 96, 64, 205, 20);
  PlaceLabel(this, "Label2", "Gefundene Einheiten:", 16, 96);
  PlaceLabel(this, "Label3", "Anzahl:", 200, 96);
  Label4 = PlaceLabel(this, "Label4", "0", 248, 96);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(16, 116, 285, 180);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  OKBtn = MakePushButton(this, "OKBtn", "Suche starten", {16, 308, 95, 25});
  HelpBtn = MakePushButton(this, "HelpBtn", "Gehe zu", {111, 308, 95, 25});
  CancelBtn = MakePushButton(this, "CancelBtn", "Beenden", {206, 308, 95, 25});
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TSuch_Dialog::OKBtnClick);
  connect(HelpBtn, &QPushButton::clicked, this, &TSuch_Dialog::HelpBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TSuch_Dialog::showEvent(QShowEvent* event) {
  FormShow();
  DialogFrame::showEvent(event);
  Edit1->setFocus();
}

void TSuch_Dialog::FormShow() {
  Edit1->setMaxLength(20);
  HelpBtn->setEnabled(ListBox1->count() > 0);
}

void TSuch_Dialog::OKBtnClick() {
  ListBox1->clear();
  hits_.clear();
  SearchMode mode = RadioSymbol->isChecked() ? SearchMode::Symbol : SearchMode::Name;
  SearchResult result = SearchUnits(mode, ToCp1252(Edit1->text()));
  if (result.file_failed) main_.platform().boxes.Show(BoxKind::Error, kSearchFileMissingMessage);
  hits_ = std::move(result.hits);
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(result.lines.size()));
  for (const std::string& line : result.lines) lines << FromCp1252(line);
  ListBox1->addItems(lines);
  Label4->setText(QString::number(ListBox1->count()));
  if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
  ListBox1->setFocus();
  HelpBtn->setEnabled(!hits_.empty());
}

void TSuch_Dialog::HelpBtnClick() {
  int row = ListBox1->currentRow();
  if (row < 0 || row >= static_cast<int>(hits_.size())) return;
  const TSuchobjekt hit = hits_[static_cast<size_t>(row)];
  try {
    switch (ConfirmJump(hit, main_.origin_visible, main_.platform().boxes)) {
      case JumpAnswer::Go: break;
      case JumpAnswer::Stay: return;
      case JumpAnswer::FileChanged: return OKBtnClick();  // the hits are out of date
    }
  } catch (const IoError& e) {
    main_.platform().boxes.ReportError(IoErrorReport(e.code()));
    return;
  }
  main_.results_valid = false;
  main_.ComboBox1->setCurrentIndex(hit.area_index - 1);
  main_.ComboBox1Change();
  if (auto target = FindJumpTarget(main_.units, hit)) main_.SelectRow(static_cast<int>(*target));
  main_.ShowSelectedUnit();
  accept();
}

}  // namespace mensurio::ui
