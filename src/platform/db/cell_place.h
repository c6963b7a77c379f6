// The places of recordset fields, kept for the program's lifetime and described for messages.
#pragma once

#include <cstdint>
#include <string>

#include "platform/db/db.h"

namespace rd::db {

// The one lasting copy of place; equal places give the same pointer.
const CellPlace* InternPlace(const CellPlace& place);

// "table t, column c, row n (k is v)" for the cell of `row` at place: the row by its rowid and
// the value of its table's first column when the query read one table (the key is looked up
// in the file, and left out when that fails), else by its position in the result.
std::string DescribePlace(const CellPlace& place, int64_t row);

}  // namespace rd::db
