#include "qtmessageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "qttext.h"

namespace mensurio::ui {
namespace {

QMessageBox::Icon IconOf(BoxKind kind) {
  switch (kind) {
    case BoxKind::Warning: return QMessageBox::Warning;
    case BoxKind::Error: return QMessageBox::Critical;
    case BoxKind::Information: return QMessageBox::Information;
    case BoxKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// A box waits for the user: the normal pointer over it, even while the
// command that shows it has the hourglass up.
class NormalCursorWhileWaiting {
 public:
  NormalCursorWhileWaiting() : busy_(QApplication::overrideCursor() != nullptr) {
    if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~NormalCursorWhileWaiting() {
    if (busy_) QApplication::restoreOverrideCursor();
  }

 private:
  bool busy_;
};

// A box stands over the dialog that asks for it, else over the main window.
QWidget* BoxParent(QWidget* owner) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal ? modal : owner;
}

int RunBox(QMessageBox& box) {
  NormalCursorWhileWaiting cursor;
  box.setTextFormat(Qt::PlainText);  // texts may quote names from the data files
  return box.exec();
}

void RunOkBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text) {
  QMessageBox box(icon, caption, text, QMessageBox::NoButton, BoxParent(owner));
  QPushButton* ok = box.addButton("OK", QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  RunBox(box);
}

}  // namespace

QString BoxTitle(BoxKind kind) {
  switch (kind) {
    case BoxKind::Warning: return "Warnung";
    case BoxKind::Error: return "Fehler";
    case BoxKind::Information: return "Information";
    case BoxKind::Confirmation: return QString::fromUtf8("Bestätigen");
  }
  return {};
}

void QtMessageBoxes::Show(BoxKind kind, const std::string& text) {
  RunOkBox(owner_, IconOf(kind), BoxTitle(kind), FromUtf8(text));
}

bool QtMessageBoxes::AskYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, BoxTitle(BoxKind::Confirmation), FromUtf8(text), QMessageBox::NoButton,
                  BoxParent(owner_));
  QPushButton* yes = box.addButton("&Ja", QMessageBox::YesRole);
  QPushButton* no = box.addButton("&Nein", QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  RunBox(box);
  return box.clickedButton() == yes;
}

void QtMessageBoxes::ShowPlain(const std::string& caption, const std::string& text) {
  RunOkBox(owner_, QMessageBox::NoIcon, FromUtf8(caption), FromUtf8(text));
}

void QtMessageBoxes::ReportError(const std::string& text) {
  RunOkBox(owner_, QMessageBox::Critical, "Mensurio", FromUtf8(text));
}

}  // namespace mensurio::ui
