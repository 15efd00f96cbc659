#include "tueberbox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "images.h"
#include "uifonts.h"

namespace mensurio::ui {
namespace {

QLabel* CentredLabel(QWidget* panel, const char* name, const QString& text, int y, const QFont& font) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(name);
  label->setFont(font);
  SetTextColor(label, kBlue);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setGeometry(0, y, panel->width(), 20);
  return label;
}

}  // namespace

TueberBox::TueberBox(QWidget* parent) : DialogFrame("ueberBox", QString::fromUtf8("Über Mensurio"), 228, 427, parent) {
  auto* outer = new QFrame(this);
  outer->setObjectName("Panel1");
  outer->setGeometry(13, 8, 201, 377);
  outer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* panel = new QFrame(outer);
  panel->setGeometry(2, 2, 197, 373);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Label11 = CentredLabel(panel, "Label11", "Mensurio", 60, PixelFont("MS Sans Serif", 13, false, true));
  Label12 = CentredLabel(panel, "Label12", QString::fromUtf8("Version 4.0 für Windows 95"), 90,
                         PixelFont("MS Sans Serif", 11, false, true));
  Image1 = new QLabel(panel);
  Image1->setObjectName("Image1");
  Image1->setGeometry((panel->width() - 32) / 2, 150, 32, 32);
  Image1->setPixmap(ProgramIconPixmap(32));
  OKButton = MakePushButton(this, "OKButton", "OK", {76, 394, 75, 25});
  QFont bold = OKButton->font();
  bold.setBold(true);
  OKButton->setFont(bold);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace mensurio::ui
