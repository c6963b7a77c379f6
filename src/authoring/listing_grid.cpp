#include "authoring/listing_grid.h"

#include <algorithm>

#include "shell/row_limit.h"

namespace rd {

std::string InstructionsFormat() { return "<index|<Instruction" + std::string(141, ' '); }

std::string CommandsFormat(int commandWidth) {
  return "<index|<command" + std::string(static_cast<size_t>(commandWidth), ' ') + "|<response" +
         std::string(30, ' ') + "|<commandprompt|<responseprompt";
}

int ShowListing(forms::Runtime& ui, forms::Grid& grid, const std::string& format,
                const std::vector<ListingRow>& rows, const std::string& holder,
                const std::string& what) {
  ClearListing(grid);
  grid.SetFormatString(format);
  if (rows.size() > kMostRows) {
    ui.MsgBox(TooManyRows(holder, rows.size(), what, "they are not listed"),
              services::vbExclamation);
    return 1;
  }
  grid.SetRows(std::max(grid.DesignRows(), static_cast<int>(rows.size()) + 1));
  int next = 1;
  for (const ListingRow& row : rows) {
    for (size_t col = 0; col < row.size(); ++col) {
      grid.SetTextMatrix(next, static_cast<int>(col), row[col]);
    }
    ++next;
  }
  return next;
}

void ClearListing(forms::Grid& grid) {
  grid.Clear();
  grid.SetRows(grid.DesignRows());
}

}  // namespace rd
