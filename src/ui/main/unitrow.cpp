#include "unitrow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <cmath>

namespace mensurio::ui {
namespace {

constexpr int kRowHeight = 16;
const QColor kSilver(192, 192, 192);

class UnitRowDelegate : public QStyledItemDelegate {
 public:
  explicit UnitRowDelegate(UnitListBox* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    UnitRowState state;
    state.selected = option.state & QStyle::State_Selected;
    state.focused = list_->hasFocus();
    // The row spans the whole client width of the list, as its rectangle does.
    QRect rect(0, option.rect.top(), list_->viewport()->width(), option.rect.height());
    DrawUnitRow(*painter, rect, index.row(), state, list_->Content(index.row()), list_->palette(), list_->font());
  }

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return QSize(list_->viewport()->width(), kRowHeight);
  }

 private:
  UnitListBox* list_;
};

}  // namespace

void DrawUnitRow(QPainter& painter, const QRect& rect, int row, const UnitRowState& state,
                 const UnitRowContent& content, const QPalette& palette, const QFont& font) {
  painter.save();
  // The colours the list box uses for the state: highlight for the selected
  // row, the list's background and black text otherwise.
  QColor fill = state.selected ? palette.color(QPalette::Active, QPalette::Highlight)
                               : palette.color(QPalette::Active, QPalette::Base);
  QColor text = state.selected ? palette.color(QPalette::Active, QPalette::HighlightedText) : QColor(Qt::black);
  const bool silver = row % 2 == 1 && !(state.selected && state.focused);
  if (silver) {
    fill = kSilver;
    text = Qt::black;
  }
  painter.fillRect(rect, fill);
  painter.setFont(font);
  painter.setPen(text);
  int right = rect.left() + rect.width();
  int nameX = static_cast<int>(std::lround(right / 3.0));
  // Both texts start at the row's top left corner of their column and run on
  // unclipped; a single line drawn at its base line needs no text layout.
  const int baseline = rect.top() + painter.fontMetrics().ascent();
  painter.drawText(QPoint(nameX, baseline), content.name);
  if (!content.image.isNull()) painter.drawPixmap(QPoint(right - 2 * rect.height(), rect.top()), content.image);
  if (!content.result.isEmpty()) painter.drawText(QPoint(rect.left(), baseline), content.result);
  if (silver && state.selected) {
    painter.setPen(palette.color(QPalette::Active, QPalette::Highlight));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
  }
  painter.restore();
}

QString AccessibleRowText(const UnitRowContent& content) {
  QStringList parts;
  if (!content.result.isEmpty()) parts << content.result.trimmed();
  parts << content.name.trimmed() << content.origin;
  return parts.join(", ");
}

QVariant UnitRows::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  if (role == Qt::DisplayRole && content_) return content_(index.row()).name;
  if (role == Qt::AccessibleTextRole && content_) return AccessibleRowText(content_(index.row()));
  if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && tooltip_) {
    QString tip = tooltip_(index.row());
    if (tip.isEmpty()) return {};
    // The details of the tooltip, without its markup, describe the row to
    // a screen reader.
    if (role == Qt::AccessibleDescriptionRole) return QTextDocumentFragment::fromHtml(tip).toPlainText();
    return tip;
  }
  return {};
}

void UnitRows::Reset(int rows) {
  beginResetModel();
  rows_ = rows;
  endResetModel();
}

void UnitRows::Remove(int row) {
  if (row < 0 || row >= rows_) return;
  beginRemoveRows({}, row, row);
  --rows_;
  endRemoveRows();
}

UnitListBox::UnitListBox(QWidget* parent) : QListView(parent), rows_(this) {
  setModel(&rows_);
  setItemDelegate(new UnitRowDelegate(this));
  setUniformItemSizes(true);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAccessibleName("Einheiten-Liste");
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { emit currentRowChanged(current.row()); });
}

void UnitListBox::SetContentSource(ContentSource source) {
  source_ = std::move(source);
  rows_.content_ = [this](int row) { return Content(row); };
}

void UnitListBox::SetToolTipSource(std::function<QString(int row)> source) { rows_.tooltip_ = std::move(source); }

void UnitListBox::SetRowCount(int rows) { rows_.Reset(rows); }

void UnitListBox::RemoveRow(int row) { rows_.Remove(row); }

int UnitListBox::TopIndex() const { return verticalScrollBar()->value(); }

void UnitListBox::SetTopIndex(int row) { verticalScrollBar()->setValue(row); }

void UnitListBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit EnterPressed();
    return;
  }
  // Copying is the menu's "Kopieren Rechenergebnis"; while it is disabled the
  // list copies nothing (its own copy would take the unit's name).
  if (event->matches(QKeySequence::Copy)) {
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

}  // namespace mensurio::ui
