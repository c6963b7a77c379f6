// The listings of the authoring windows: a grid whose heading row comes from a format string
// and whose data rows, from row 1, hold the listed rows. The grid keeps the rows its design
// gives it and grows beyond them with a longer listing, so every listed row is shown and can be
// picked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "authoring/content_reads.h"
#include "platform/forms/forms.h"

namespace rd {

// Headings of a listing of steps: index and instruction.
std::string InstructionsFormat();
// Headings of a listing of expected commands: index, command, response, command prompt and
// response prompt; `commandWidth` blanks widen the command column.
std::string CommandsFormat(int commandWidth);

// Clears the grid, sets the headings of `format` and writes `rows` from row 1 on; the grid has
// its design rows or, for a longer listing, as many as hold it. Returns the next free row: the
// number of rows listed, plus one.
int16_t ShowListing(forms::Grid& grid, const std::string& format,
                    const std::vector<ListingRow>& rows);
// Empties the grid, headings included, back to its design rows.
void ClearListing(forms::Grid& grid);

}  // namespace rd
