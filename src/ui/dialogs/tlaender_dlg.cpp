#include "tlaender_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QProxyStyle>
#include <QPushButton>

#include "tmywindow.h"

namespace mensurio::ui {
namespace {

// Place of box 1..64: the unit systems in the top row, then six columns.
QPoint BoxPlace(int box) {
  static const int kTopX[] = {15, 125, 275};
  static const int kColumnX[] = {15, 105, 195, 285, 375, 465};
  if (box <= 3) return {kTopX[box - 1], 15};
  int i = box - 4;                 // boxes 4..63 fill columns of ten
  int column = i / 10, row = i % 10;
  if (box == 64) column = 5, row = 10;  // the last column holds eleven
  return {kColumnX[column], 35 + row * 15};
}

// The application's style with a small gap between indicator and caption.
class NarrowCheckBoxStyle : public QProxyStyle {
 public:
  NarrowCheckBoxStyle() : QProxyStyle(nullptr) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_CheckBoxLabelSpacing) return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QStyle* NarrowCheckStyle() {
  static NarrowCheckBoxStyle* style = new NarrowCheckBoxStyle;
  return style;
}

}  // namespace

TLaender_Dlg::TLaender_Dlg(TMyWindow& main)
    : DialogFrame("Laender_Dlg", "Einheiten ein-/ausblenden", 580, 308, &main), main_(main) {
  GroupBox1 = new QGroupBox(this);
  GroupBox1->setObjectName("GroupBox1");
  GroupBox1->setGeometry(7, 4, 566, 216);
  // Six columns of 90 pixels: the narrow face of the dialog font and a
  // small gap beside the indicator keep "Römisches Reich" inside its column.
  QFont narrow = font();
  narrow.setFamily("Liberation Sans Narrow");
  narrow.setPixelSize(11);
  for (int box = 1; box <= kCountryBoxCount; ++box) {
    auto* c = new QCheckBox(GroupBox1);
    c->setFont(narrow);
    c->setStyle(NarrowCheckStyle());
    c->setObjectName(QString("CheckBox%1").arg(box));
    QPoint at = BoxPlace(box);
    int width = box <= 3 ? 148 : 89;
    c->setGeometry(at.x(), at.y(), width, 15);
    CheckBox[static_cast<size_t>(box - 1)] = c;
  }
  OKBtn = MakePushButton(this, "OKBtn", "OK", {8, 240, 75, 25});
  CancelBtn = MakePushButton(this, "CancelBtn", "Abbrechen", {96, 240, 75, 25});
  BitBtn1 = MakePushButton(this, "BitBtn1", "Alle Markierungen ein", {296, 240, 135, 25});
  BitBtn2 = MakePushButton(this, "BitBtn2", "Alle Markierungen aus", {438, 240, 135, 25});
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, [this] {
    OKBtnClick();
    accept();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(BitBtn1, &QPushButton::clicked, this, &TLaender_Dlg::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TLaender_Dlg::BitBtn2Click);
}

void TLaender_Dlg::showEvent(QShowEvent* event) {
  FormShow();
  DialogFrame::showEvent(event);
  OKBtn->setFocus();
}

void TLaender_Dlg::FormShow() {
  for (int box = 1; box <= kCountryBoxCount; ++box) {
    QCheckBox* c = CheckBox[static_cast<size_t>(box - 1)];
    c->setText(QString::fromUtf8(CountryBoxCaption(box)));
    c->setChecked(main_.origin_visible[static_cast<size_t>(CountryBoxOrigin(box))] == 1);
  }
}

void TLaender_Dlg::BitBtn1Click() {
  for (QCheckBox* c : CheckBox) c->setChecked(true);
}

void TLaender_Dlg::BitBtn2Click() {
  for (QCheckBox* c : CheckBox) c->setChecked(false);
}

void TLaender_Dlg::OKBtnClick() {
  for (int box = 1; box <= kCountryBoxCount; ++box)
    main_.origin_visible[static_cast<size_t>(CountryBoxOrigin(box))] =
        CheckBox[static_cast<size_t>(box - 1)]->isChecked() ? 1 : 0;
  main_.results_valid = false;
  main_.LoadUnits();
  main_.FillUnitList();
  if (!main_.units.empty()) main_.SelectRow(0);
  main_.ClearSourceUnit();
  main_.ShowSelectedUnit();
}

}  // namespace mensurio::ui
