#include "gui/list_views.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyleOptionHeader>
#include <QStylePainter>

#include "gui/qt_text.h"

namespace rd::gui {
namespace {

QStringList ToQtList(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) out.push_back(ToQtText(item));
  return out;
}

}  // namespace

// A combo whose list, when the user opens it, is first brought up to date by the runtime.
class ComboView::Box : public QComboBox {
 public:
  Box(QWidget* parent, std::function<void()> beforePopup)
      : QComboBox(parent), beforePopup_(std::move(beforePopup)) {}
  void showPopup() override {
    beforePopup_();
    QComboBox::showPopup();
  }

 private:
  std::function<void()> beforePopup_;
};

ComboView::ComboView(forms::ComboBox& combo, QWidget* canvas, EventGate& gate)
    : ControlView(combo, gate), combo_(combo) {
  qt_ = new Box(canvas, [this] {
    this->gate().Run([this](forms::Runtime& rt) {
      rt.RunEvent([&] {
        rt.SetFocus(&combo_);
        if (combo_.DropDown) combo_.DropDown();
      });
    });
  });
  QObject::connect(qt_, &QComboBox::activated, this, [this](int index) { Choose(index); });
  if (combo.Editable) {
    qt_->setEditable(true);
    qt_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(qt_->lineEdit(), &QLineEdit::textEdited, this,
                     [this](const QString& text) { Type(text); });
  }
  Attach(qt_);
}

void ComboView::Type(const QString& text) {
  gate().Run([this, typed = FromQt(text)](forms::Runtime& rt) {
    rt.RunEvent([&] {
      rt.SetFocus(&combo_);
      combo_.Text = typed;
      combo_.ListIndex = -1;
      if (combo_.Change) combo_.Change();
    });
  });
}

void ComboView::Choose(int index) {
  gate().Run([this, index](forms::Runtime& rt) {
    rt.RunEvent([&] {
      if (index < 0 || index >= combo_.ListCount()) return;
      combo_.ListIndex = index;
      combo_.Text = combo_.Items[static_cast<size_t>(index)];
      if (combo_.Click) combo_.Click();
    });
  });
}

// The shown text is the combo's Text: the chosen item, or else a text of its own (a prompt
// such as "Select"), shown as the placeholder of an empty choice.
void ComboView::SyncContent() {
  const bool itemsChanged = combo_.Items != items_;
  if (!itemsChanged && combo_.Text == text_ && combo_.ListIndex == listIndex_) return;
  const QSignalBlocker block(qt_);
  if (itemsChanged) {
    items_ = combo_.Items;
    qt_->clear();
    qt_->addItems(ToQtList(items_));
  }
  text_ = combo_.Text;
  listIndex_ = combo_.ListIndex;
  if (combo_.Editable) {  // the box shows the text, typed or chosen
    if (FromQt(qt_->currentText()) != text_) qt_->setEditText(ToQtText(text_));
    return;
  }
  const bool showsItem = listIndex_ >= 0 && listIndex_ < combo_.ListCount() &&
                         items_[static_cast<size_t>(listIndex_)] == text_;
  qt_->setPlaceholderText(showsItem ? QString() : ToQtText(text_));
  qt_->setCurrentIndex(showsItem ? listIndex_ : -1);
}

ListBoxView::ListBoxView(forms::ListBox& list, QWidget* canvas, EventGate& gate)
    : ControlView(list, gate), list_(list), qt_(new QListWidget(canvas)) {
  QObject::connect(qt_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = qt_->row(item);
    this->gate().Run([this, row](forms::Runtime& rt) {
      rt.RunEvent([&] {
        if (row < 0 || row >= list_.ListCount()) return;
        rt.SetFocus(&list_);
        list_.ListIndex = row;
        list_.Text = list_.Items[static_cast<size_t>(row)];
        if (list_.Click) list_.Click();
      });
    });
  });
  Attach(qt_);
}

void ListBoxView::SyncContent() {
  if (list_.Items == items_ && list_.ListIndex == listIndex_) return;
  const QSignalBlocker block(qt_);
  if (list_.Items != items_) {
    items_ = list_.Items;
    qt_->clear();
    qt_->addItems(ToQtList(items_));
  }
  listIndex_ = list_.ListIndex;
  qt_->setCurrentRow(listIndex_);
}

GridView::GridView(forms::Grid& grid, QWidget* canvas, EventGate& gate)
    : ControlView(grid, gate), grid_(grid), qt_(new QTableWidget(canvas)) {
  for (QHeaderView* header : {qt_->horizontalHeader(), qt_->verticalHeader()}) {
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  qt_->setCornerButtonEnabled(false);
  corner_ = qt_->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (corner_ != nullptr) corner_->installEventFilter(this);
  qt_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  qt_->setSelectionMode(QAbstractItemView::SingleSelection);
  QObject::connect(qt_, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
    if (row >= 0 && col >= 0) CellEvent(row, col, nullptr);
  });
  QObject::connect(qt_, &QTableWidget::cellClicked, this,
                   [this](int row, int col) { CellEvent(row, col, grid_.Click); });
  QObject::connect(qt_, &QTableWidget::cellDoubleClicked, this,
                   [this](int row, int col) { CellEvent(row, col, grid_.DblClick); });
  Attach(qt_);
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == corner_ && event->type() == QEvent::Paint) {
    PaintCorner();
    return true;
  }
  return ControlView::eventFilter(watched, event);
}

// The cell (row, col) of the table is the grid's cell below and right of its headings.
void GridView::CellEvent(int row, int col, const std::function<void()>& handler) {
  gate().Run([&](forms::Runtime& rt) {
    rt.RunEvent([&] {
      rt.SetFocus(&grid_);
      grid_.Row = row + headRows_;
      grid_.Col = col + headCols_;
      if (handler) handler();
    });
  });
}

void GridView::SyncContent() {
  if (SyncCells()) SyncCorner();
  const int row = grid_.Row - headRows_;
  const int col = grid_.Col - headCols_;
  const bool onCell = row >= 0 && row < qt_->rowCount() && col >= 0 && col < qt_->columnCount();
  if (onCell ? qt_->currentRow() != row || qt_->currentColumn() != col
             : qt_->currentIndex().isValid()) {
    const QSignalBlocker block(qt_);
    qt_->setCurrentCell(onCell ? row : -1, onCell ? col : -1);
  }
}

bool GridView::SyncCells() {
  const int rows = grid_.Rows();
  const int cols = grid_.Cols();
  bool changed = static_cast<int>(cells_.size()) != rows || grid_.FixedRows != fixedRows_ ||
                 grid_.FixedCols != fixedCols_;
  for (int r = 0; r < rows && !changed; ++r) {
    const auto& row = cells_[static_cast<size_t>(r)];
    changed = static_cast<int>(row.size()) != cols;
    for (int c = 0; c < cols && !changed; ++c) {
      changed = row[static_cast<size_t>(c)] != grid_.TextMatrix(r, c);
    }
  }
  if (!changed) return false;
  const QSignalBlocker block(qt_);
  fixedRows_ = grid_.FixedRows;
  fixedCols_ = grid_.FixedCols;
  headRows_ = fixedRows_ > 0 && rows > 0 ? 1 : 0;
  headCols_ = fixedCols_ > 0 && cols > 0 ? 1 : 0;
  cells_.assign(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols)));
  qt_->setRowCount(rows - headRows_);
  qt_->setColumnCount(cols - headCols_);
  qt_->horizontalHeader()->setVisible(headRows_ > 0);
  qt_->verticalHeader()->setVisible(headCols_ > 0);
  const QBrush fixed = qt_->palette().button();
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      std::string& cell = cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
      cell = grid_.TextMatrix(r, c);
      const int row = r - headRows_;
      const int col = c - headCols_;
      if (row < 0 && col < 0) continue;  // the corner: SyncCorner shows it
      auto* item = new QTableWidgetItem(ToQtText(cell));
      if (row < 0) {
        qt_->setHorizontalHeaderItem(col, item);
      } else if (col < 0) {
        qt_->setVerticalHeaderItem(row, item);
      } else {
        if (r < fixedRows_ || c < fixedCols_) item->setBackground(fixed);
        qt_->setItem(row, col, item);
      }
    }
  }
  qt_->resizeColumnsToContents();
  return true;
}

// The corner shows the heading of the heading column, and the row headings are wide enough
// for it.
void GridView::SyncCorner() {
  if (corner_ == nullptr) return;
  const QString text =
      headRows_ > 0 && headCols_ > 0 ? ToQtText(cells_.front().front()) : QString();
  corner_->setText(text);
  QHeaderView* rowHeadings = qt_->verticalHeader();
  QStyleOptionHeader option;
  option.initFrom(rowHeadings);
  option.text = text;
  rowHeadings->setMinimumWidth(
      text.isEmpty()
          ? 0
          : rowHeadings->style()
                ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), rowHeadings)
                .width());
  corner_->update();
}

// Drawn as a heading among the others, in their colours (the corner of a table is otherwise a
// blank button, disabled here so that a click on it selects nothing).
void GridView::PaintCorner() {
  QStyleOptionHeader option;
  option.initFrom(qt_->horizontalHeader());
  option.rect = corner_->rect();
  option.text = corner_->text();
  option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  option.position = QStyleOptionHeader::OnlyOneSection;
  QStylePainter painter(corner_);
  painter.drawControl(QStyle::CE_Header, option);
}

}  // namespace rd::gui
