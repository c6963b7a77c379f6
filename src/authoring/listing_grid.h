// The listings of the authoring windows: a grid whose heading row comes from a format string
// and whose data rows, from row 1, hold the listed rows. The grid keeps the rows its design
// gives it and grows beyond them with a longer listing, so every listed row is shown and can be
// picked.
#pragma once

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
// number of rows listed, plus one. More rows than kMostRows are not listed: the grid keeps only
// its headings, a message box says so, naming `holder`, which has the rows, and `what` they are,
// and the result is 1.
int ShowListing(forms::Runtime& ui, forms::Grid& grid, const std::string& format,
                const std::vector<ListingRow>& rows, const std::string& holder,
                const std::string& what);
// Empties the grid, headings included, back to its design rows.
void ClearListing(forms::Grid& grid);

}  // namespace rd
