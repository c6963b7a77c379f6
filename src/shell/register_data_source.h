// Registration of the lab database's data source for the current user.
#pragma once

#include <string>

namespace rd {

// Writes the data source's three keys and fourteen values to the per-user registry store, in
// their fixed order, overwriting what they held. Registry results are ignored. Needs dsnName set.
void RegisterDataSource(const std::string& dsnName);

}  // namespace rd
