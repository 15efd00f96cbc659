#include "storabletext.h"

#include <QLineEdit>

#include "text.h"

namespace mensurio::ui {

bool TextsStorable(std::initializer_list<QLineEdit*> edits, MessageBoxes& boxes) {
  for (QLineEdit* edit : edits) {
    QString composed = edit->text().normalized(QString::NormalizationForm_C);
    if (composed != edit->text()) edit->setText(composed);
    QByteArray utf8 = composed.toUtf8();
    if (auto c = FirstUnstorableCharacter(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())))) {
      boxes.Show(BoxKind::Information, UnstorableCharacterMessage(*c));
      edit->setFocus();
      return false;
    }
  }
  return true;
}

}  // namespace mensurio::ui
