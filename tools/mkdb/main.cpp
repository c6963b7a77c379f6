// routedrill-mkdb OUT FILE.sql...: builds the lab database OUT from SQL scripts (schema first)
// and sets the data-source password the program connects with.
#include <iostream>
#include <string>
#include <vector>

#include "platform/db/db.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: routedrill-mkdb OUT FILE.sql...\n";
    return 2;
  }
  std::vector<std::string> files(argv + 2, argv + argc);
  try {
    rd::db::CreateDatabase(argv[1], files, "Qorva47");
  } catch (const rd::db::DbError& e) {
    std::cerr << "routedrill-mkdb: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
