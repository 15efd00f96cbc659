// One row of the unit list: result, name from a third of the width, origin
// image at the right end; odd rows silver unless selected in the focused list.
// A selected row on silver (the list is not focused) has black text and a
// frame in the highlight colour: white on silver could not be read.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QPixmap>
#include <QStyledItemDelegate>

#include <functional>

namespace mensurio::ui {

struct UnitRowContent {
  QString name;
  QString result;  // empty when no results are shown
  QPixmap image;
  QString origin;  // the origin's name, for screen readers
};

// What a screen reader says of a row: "result, name, origin" (without the
// result while none is shown).
QString AccessibleRowText(const UnitRowContent& content);

struct UnitRowState {
  bool selected = false;
  bool focused = false;  // the list has the keyboard focus
};

// Draws one row into rect (ListBoxEinheitDrawItem).
void DrawUnitRow(QPainter& painter, const QRect& rect, int row, const UnitRowState& state,
                 const UnitRowContent& content, const QPalette& palette, const QFont& font);

// The rows of the unit list: only their number; what a row shows comes from
// the window's content source when it is drawn or searched by typing.
class UnitRows : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
  // The name (typing in the list finds rows by it), the tooltip, and for
  // screen readers the accessible text and the tooltip as plain text.
  QVariant data(const QModelIndex& index, int role) const override;
  void Reset(int rows);
  void Remove(int row);

 private:
  friend class UnitListBox;
  int rows_ = 0;
  std::function<UnitRowContent(int row)> content_;
  std::function<QString(int row)> tooltip_;
};

// The owner-drawn list box ListBoxEinheit: fixed rows of 16 pixels, drawn by
// DrawUnitRow from the content the window supplies; Enter is a signal. The
// list keeps no copy of the units, only their count.
class UnitListBox : public QListView {
  Q_OBJECT
 public:
  using ContentSource = std::function<UnitRowContent(int row)>;
  explicit UnitListBox(QWidget* parent = nullptr);
  void SetContentSource(ContentSource source);
  // The tooltip of a row (rich text; empty for none), asked when it is shown.
  void SetToolTipSource(std::function<QString(int row)> source);
  UnitRowContent Content(int row) const { return source_ ? source_(row) : UnitRowContent{}; }

  // As many rows as the window has units now; no row is current after it.
  void SetRowCount(int rows);
  // Takes a row out (after its unit has left the window's list).
  void RemoveRow(int row);
  int count() const { return rows_.rowCount(); }
  // The current row, -1 for none.
  int currentRow() const { return currentIndex().row(); }
  void setCurrentRow(int row) { setCurrentIndex(rows_.index(row)); }

  // The first visible line and scrolling back to it.
  int TopIndex() const;
  void SetTopIndex(int row);

 signals:
  void EnterPressed();
  void currentRowChanged(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  UnitRows rows_;
  ContentSource source_;
};

}  // namespace mensurio::ui
