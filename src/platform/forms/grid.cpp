// The grid: a table of text cells with a current cell.
#include <stdexcept>

#include "platform/forms/forms.h"

namespace rd::forms {

Grid::Grid(Form& parent, std::string name, int rows, int cols)
    : Control(parent, std::move(name), ControlKind::Grid) {
  SetCols(cols);
  SetRows(rows);
}

int Grid::Cols() const { return cols_; }

void Grid::SetRows(int rows) {
  if (rows < 0) throw std::out_of_range("Invalid Rows value: " + std::to_string(rows));
  cells_.resize(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols_)));
}

void Grid::SetCols(int cols) {
  if (cols < 0) throw std::out_of_range("Invalid Cols value: " + std::to_string(cols));
  cols_ = cols;
  for (auto& row : cells_) row.resize(static_cast<size_t>(cols));
}

void Grid::SetFormatString(const std::string& format) {
  std::vector<std::string> headings;
  size_t start = 0;
  while (true) {
    const size_t bar = format.find('|', start);
    std::string heading = format.substr(start, bar == std::string::npos ? bar : bar - start);
    if (!heading.empty() && (heading[0] == '<' || heading[0] == '^' || heading[0] == '>')) {
      heading.erase(0, 1);
    }
    headings.push_back(heading);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  SetCols(static_cast<int>(headings.size()));
  if (cells_.empty()) SetRows(1);
  cells_[0] = headings;
}

void Grid::CheckCell(int row, int col) const {
  if (row < 0 || row >= Rows() || col < 0 || col >= cols_) {
    throw std::out_of_range("Subscript out of range: cell (" + std::to_string(row) + ", " +
                            std::to_string(col) + ") of " + Name());
  }
}

std::string Grid::Text() const { return TextMatrix(Row, Col); }

void Grid::SetText(const std::string& text) { SetTextMatrix(Row, Col, text); }

std::string Grid::TextMatrix(int row, int col) const {
  CheckCell(row, col);
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Grid::SetTextMatrix(int row, int col, const std::string& text) {
  CheckCell(row, col);
  cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
}

void Grid::Clear() {
  for (auto& row : cells_) {
    for (auto& cell : row) cell.clear();
  }
}

std::string Grid::DisplayText() const {
  size_t shown = cells_.size();
  auto empty = [](const std::vector<std::string>& row) {
    for (const std::string& cell : row) {
      if (!cell.empty()) return false;
    }
    return true;
  };
  while (shown > 0 && empty(cells_[shown - 1])) --shown;
  std::string out;
  for (size_t r = 0; r < shown; ++r) {
    if (r > 0) out += CRLF;
    for (size_t c = 0; c < cells_[r].size(); ++c) {
      if (c > 0) out += '|';
      out += cells_[r][c];
    }
  }
  return out;
}

void Grid::SaveDesign() {
  designCommon_ = SaveCommon();
  designCells_ = cells_;
  designCols_ = cols_;
  designed_ = true;
}

void Grid::RestoreDesign() {
  RestoreCommon(designCommon_);
  cells_ = designCells_;
  cols_ = designCols_;
  Row = 0;
  Col = 0;
}

}  // namespace rd::forms
