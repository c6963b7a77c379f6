// Views of the controls with items or cells: combo box, list box and grid.
#pragma once

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

// Every cell, fixed rows and columns shaded; clicking a cell makes it the current cell (Row,
// Col) and runs Click, a double click DblClick.
class GridView : public ControlView {
 public:
  GridView(forms::Grid& grid, QWidget* canvas, EventGate& gate);

 protected:
  void SyncContent() override;

 private:
  void CellEvent(int row, int col, const std::function<void()>& handler);

  forms::Grid& grid_;
  QTableWidget* qt_;
  std::vector<std::vector<std::string>> cells_;
  int fixedRows_ = -1;
  int fixedCols_ = -1;
};

}  // namespace rd::gui
