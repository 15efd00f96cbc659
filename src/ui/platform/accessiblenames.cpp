#include "accessiblenames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <cstdlib>

namespace mensurio::ui {
namespace {

bool NeedsName(const QWidget* w) {
  if (!w->accessibleName().isEmpty()) return false;
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text().isEmpty();
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// "&Name der Einheit:" reads "Name der Einheit".
QString Caption(const QLabel* label) {
  QString text = label->text().remove('&').trimmed();
  while (text.endsWith(':') || text.endsWith(';')) text.chop(1);
  return text.trimmed();
}

// The label before the control on its line, else the nearest one above it
// that starts within its width.
QLabel* CaptionOf(const QWidget* control) {
  const QRect c = control->geometry();
  QLabel* before = nullptr;
  QLabel* above = nullptr;
  for (QObject* child : control->parentWidget()->children()) {
    auto* label = qobject_cast<QLabel*>(child);
    if (!label || Caption(label).isEmpty()) continue;
    const QRect l = label->geometry();
    const int text_bottom = l.top() + label->sizeHint().height();
    if (l.left() < c.left() &&
        std::abs(l.top() + label->sizeHint().height() / 2 - c.center().y()) <= c.height() / 2) {
      if (!before || l.left() > before->x()) before = label;
    } else if (text_bottom <= c.top() + 4 && l.left() >= c.left() - 16 && l.left() < c.right()) {
      if (!above || l.top() > above->y() ||
          (l.top() == above->y() && std::abs(l.left() - c.left()) < std::abs(above->x() - c.left())))
        above = label;
    }
  }
  return before ? before : above;
}

}  // namespace

void NameControls(QWidget& window) {
  for (QWidget* w : window.findChildren<QWidget*>()) {
    // Parts of a control (a combo box's list, a spin box's entry) are not
    // controls of their own.
    QWidget* parent = w->parentWidget();
    if (w->window() != &window || !NeedsName(w) || qobject_cast<QComboBox*>(parent) ||
        qobject_cast<QAbstractSpinBox*>(parent))
      continue;
    QString name = w->toolTip();
    if (name.isEmpty()) {
      if (QLabel* caption = CaptionOf(w)) {
        name = Caption(caption);
        // The label also labels the control for the screen reader, which
        // reads a combo box by that relation.
        if (!caption->buddy()) caption->setBuddy(w);
      }
    }
    if (name.isEmpty()) name = window.windowTitle();
    w->setAccessibleName(name);
  }
}

}  // namespace mensurio::ui
