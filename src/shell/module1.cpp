#include "shell/module1.h"

namespace rd {

std::string ConnectionString(const Module1& g) {
  return "DSN=" + g.gDsnName + ";pwd=" + g.gDbPassword + ";";
}

}  // namespace rd
