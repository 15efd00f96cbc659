#include "tvorsatzzeichen.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include "uifonts.h"

namespace mensurio::ui {

QString TVorsatzzeichen::CardText() {
  static const char* const kLines[] = {
      "Vorsätze und Vorsatzzeichen", "",
      " da = Deka  = 10^1",  " h  = Hekto = 10^2",  " k  = Kilo  = 10^3",  " M  = Mega  = 10^6",
      " G  = Giga  = 10^9",  " T  = Tera  = 10^12", " -------------------",
      " d  = Dezi  = 10^-1", " c  = Zenti = 10^-2", " m  = Milli = 10^-3", " µ  = Mikro = 10^-6",
      " n  = Nano  = 10^-9", " p  = Piko  = 10^-12", " f  = Femto = 10^-15", " a  = Atto  = 10^-18",
  };
  QStringList lines;
  for (const char* line : kLines) lines << QString::fromUtf8(line);
  return lines.join('\n');
}

TVorsatzzeichen::TVorsatzzeichen(QWidget* parent)
    : DialogFrame("Vorsatzzeichen", "Vorsatzzeichen", 268, 311, parent) {
  setModal(false);
  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setGeometry(9, 8, 249, 249);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Vorsatzzeichen = new QPlainTextEdit(this);
  Vorsatzzeichen->setObjectName("Vorsatzzeichen");
  Vorsatzzeichen->setGeometry(17, 16, 233, 233);
  Vorsatzzeichen->setFont(PixelFont("Courier", 11));
  Vorsatzzeichen->setReadOnly(true);
  Vorsatzzeichen->setEnabled(false);
  Vorsatzzeichen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Vorsatzzeichen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette p = Vorsatzzeichen->palette();
  p.setColor(QPalette::Disabled, QPalette::Text, Qt::black);  // readable although disabled
  Vorsatzzeichen->setPalette(p);
  OKBtn = MakePushButton(this, "OKBtn", QString::fromUtf8("Schließen"), {96, 272, 75, 25});
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TVorsatzzeichen::OKBtnClick);
}

void TVorsatzzeichen::showEvent(QShowEvent* event) {
  if (Vorsatzzeichen->document()->isEmpty()) Vorsatzzeichen->setPlainText(CardText());
  DialogFrame::showEvent(event);
}

void TVorsatzzeichen::OKBtnClick() { hide(); }

}  // namespace mensurio::ui
