// One row of the unit list: result, name from a third of the width, origin
// image at the right end; odd rows silver unless selected in the focused list.
#pragma once

#include <QListWidget>
#include <QPixmap>
#include <QStyledItemDelegate>

#include <functional>

namespace mensurio::ui {

struct UnitRowContent {
  QString name;
  QString result;  // empty when no results are shown
  QPixmap image;
};

struct UnitRowState {
  bool selected = false;
  bool focused = false;  // the list has the keyboard focus
};

// Draws one row into rect (ListBoxEinheitDrawItem).
void DrawUnitRow(QPainter& painter, const QRect& rect, int row, const UnitRowState& state,
                 const UnitRowContent& content, const QPalette& palette, const QFont& font);

// The owner-drawn list box ListBoxEinheit: fixed rows of 16 pixels, drawn by
// DrawUnitRow from the content the window supplies; Enter is a signal.
class UnitListBox : public QListWidget {
  Q_OBJECT
 public:
  using ContentSource = std::function<UnitRowContent(int row)>;
  explicit UnitListBox(QWidget* parent = nullptr);
  void SetContentSource(ContentSource source) { source_ = std::move(source); }
  UnitRowContent Content(int row) const { return source_ ? source_(row) : UnitRowContent{}; }

  // The first visible line and scrolling back to it.
  int TopIndex() const;
  void SetTopIndex(int row);

 signals:
  void EnterPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ContentSource source_;
};

}  // namespace mensurio::ui
