#include "shell/row_limit.h"

namespace rd {

std::string TooManyRows(const std::string& holder, size_t count, const std::string& rows,
                        const std::string& consequence) {
  return holder + " has " + std::to_string(count) + " " + rows +
         ", more than the 32,767 that can be counted, so " + consequence;
}

}  // namespace rd
