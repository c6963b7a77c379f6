// Views of the controls with items or cells: combo box, list box and grid.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <string>
#include <vector>

#include "gui/control_view.h"

namespace rd::gui {

// Opening the list runs DropDown first (handlers fill the list there), then shows the items;
// choosing one sets ListIndex and Text and runs Click. An editable combo also takes typed text:
// each edit sets Text, clears ListIndex and runs Change.
class ComboView : public ControlView {
 public:
  ComboView(forms::ComboBox& combo, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;

 private:
  class Box;
  void Choose(int index);
  void Type(const QString& text);

  forms::ComboBox& combo_;
  Box* qt_;
  std::vector<std::string> items_;
  std::string text_;
  int listIndex_ = -2;
};

// Clicking an item sets ListIndex and Text and runs Click.
class ListBoxView : public ControlView {
 public:
  ListBoxView(forms::ListBox& list, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;

 private:
  forms::ListBox& list_;
  QListWidget* qt_;
  std::vector<std::string> items_;
  int listIndex_ = -2;
};

// Every cell. The first fixed row is drawn as the column headings and the first fixed column as
// the row headings (their shared cell in the corner), so they stay in place while the cells
// scroll; further fixed rows and columns are shaded cells. Clicking a cell makes it the current
// cell (Row, Col) and runs Click, a double click DblClick; a key that moves the current cell
// makes the cell it reaches current.
class GridView : public ControlView {
 public:
  GridView(forms::Grid& grid, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Brings cells and headings in step with the grid; true when anything changed.
  bool SyncCells();
  void SyncCorner();
  void PaintCorner();
  void CellEvent(int row, int col, const std::function<void()>& handler);

  forms::Grid& grid_;
  QTableWidget* qt_;
  QAbstractButton* corner_ = nullptr;  // the table's corner, where the headings meet
  std::vector<std::vector<std::string>> cells_;
  int fixedRows_ = -1;
  int fixedCols_ = -1;
  int headRows_ = 0;  // grid rows drawn as the column headings: 1 or 0
  int headCols_ = 0;  // grid columns drawn as the row headings: 1 or 0
};

}  // namespace rd::gui
