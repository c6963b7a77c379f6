#include "gui/list_views.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>

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
  qt_->horizontalHeader()->hide();
  qt_->verticalHeader()->hide();
  qt_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  qt_->setSelectionMode(QAbstractItemView::SingleSelection);
  QObject::connect(qt_, &QTableWidget::cellClicked, this,
                   [this](int row, int col) { CellEvent(row, col, grid_.Click); });
  QObject::connect(qt_, &QTableWidget::cellDoubleClicked, this,
                   [this](int row, int col) { CellEvent(row, col, grid_.DblClick); });
  Attach(qt_);
}

void GridView::CellEvent(int row, int col, const std::function<void()>& handler) {
  gate().Run([&](forms::Runtime& rt) {
    rt.RunEvent([&] {
      rt.SetFocus(&grid_);
      grid_.Row = row;
      grid_.Col = col;
      if (handler) handler();
    });
  });
}

void GridView::SyncContent() {
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
  if (changed) {
    const QSignalBlocker block(qt_);
    fixedRows_ = grid_.FixedRows;
    fixedCols_ = grid_.FixedCols;
    cells_.assign(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols)));
    qt_->setRowCount(rows);
    qt_->setColumnCount(cols);
    const QBrush fixed = qt_->palette().button();
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < cols; ++c) {
        std::string& cell = cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
        cell = grid_.TextMatrix(r, c);
        auto* item = new QTableWidgetItem(ToQtText(cell));
        if (r < fixedRows_ || c < fixedCols_) item->setBackground(fixed);
        qt_->setItem(r, c, item);
      }
    }
    qt_->resizeColumnsToContents();
  }
  if (grid_.Row >= 0 && grid_.Row < rows && grid_.Col >= 0 && grid_.Col < cols &&
      (qt_->currentRow() != grid_.Row || qt_->currentColumn() != grid_.Col)) {
    const QSignalBlocker block(qt_);
    qt_->setCurrentCell(grid_.Row, grid_.Col);
  }
}

}  // namespace rd::gui
