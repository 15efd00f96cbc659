#include "ratestand.h"

#include <QDate>
#include <QFrame>

#include "summertime.h"
#include "tmywindow.h"
#include "uifonts.h"

namespace mensurio::ui {
namespace {

constexpr const char* kLabelName = "Label_Kursstand";

// Below the picture of the earth, across the panel.
QLabel* RateStandLabel(QWidget* panel) {
  if (auto* label = panel->findChild<QLabel*>(kLabelName)) return label;
  auto* label = new QLabel(panel);
  label->setObjectName(kLabelName);
  label->setGeometry(4, 222, panel->width() - 8, 36);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setFont(SmallFont());
  SetTextColor(label, kBlue);
  return label;
}

}  // namespace

Date Today() {
  QDate d = QDate::currentDate();
  return Date{std::chrono::year(d.year()), std::chrono::month(static_cast<unsigned>(d.month())),
              std::chrono::day(static_cast<unsigned>(d.day()))};
}

void ShowRateStand(TMyWindow& window) {
  QLabel* label = RateStandLabel(window.Panel1);
  QString text;
  if (KindOfArea(window.area_index) == AreaKind::Currency) {
    if (std::optional<Date> stand = NewestStand(window.units))
      text = QString::fromUtf8(RateAgeText(*stand, Today()));
  } else if (KindOfArea(window.area_index) == AreaKind::WorldTime) {
    text = QString::fromUtf8(window.summer_time->StandText());
  }
  label->setText(text);
  label->setVisible(!text.isEmpty());
}

}  // namespace mensurio::ui
