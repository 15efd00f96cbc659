// Runs a function once a widget has been painted for the first time: the
// work that can wait until the window is on the screen.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace mensurio::ui {

class AfterFirstPaint : public QObject {
 public:
  // The function runs from the event loop, after the paint event that
  // brought the widget on the screen has been handled; the object deletes
  // itself then.
  AfterFirstPaint(QWidget& widget, std::function<void()> then) : QObject(&widget), then_(std::move(then)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !fired_) {
      fired_ = true;
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] {
        then_();
        deleteLater();
      });
    }
    return false;
  }

 private:
  std::function<void()> then_;
  bool fired_ = false;
};

}  // namespace mensurio::ui
