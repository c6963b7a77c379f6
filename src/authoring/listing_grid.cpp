#include "authoring/listing_grid.h"

#include <algorithm>

namespace rd {

std::string InstructionsFormat() { return "<index|<Instruction" + std::string(141, ' '); }

std::string CommandsFormat(int commandWidth) {
  return "<index|<command" + std::string(static_cast<size_t>(commandWidth), ' ') + "|<response" +
         std::string(30, ' ') + "|<commandprompt|<responseprompt";
}

int16_t ShowListing(forms::Grid& grid, const std::string& format,
                    const std::vector<ListingRow>& rows) {
  grid.Clear();
  grid.SetRows(std::max(grid.DesignRows(), static_cast<int>(rows.size()) + 1));
  grid.SetFormatString(format);
  int16_t next = 1;
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
