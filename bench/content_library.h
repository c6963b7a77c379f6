// A lab content library far larger than the shipped one, as a training centre that authors its
// own exercises for years might have: `exercises` exercises of `steps` steps of `commands`
// commands each, all on R1 at the prompt ">", keyed 1, 2, ... in stored order. Exercise e is
// named "Exercise e"; command c of step s of it is "ping 10.e.s.c".
#pragma once

#include <fstream>
#include <string>

#include "platform/db/db.h"
#include "shell/register_data_source.h"

struct LibraryShape {
  int exercises;
  int steps;     // per exercise
  int commands;  // per step
};

inline constexpr const char* kBenchPassword = "Qorva47";

inline std::string ExerciseName(int exercise) { return "Exercise " + std::to_string(exercise); }

inline std::string CommandText(int exercise, int step, int command) {
  return "ping 10." + std::to_string(exercise) + "." + std::to_string(step) + "." +
         std::to_string(command);
}

// Builds the library as "commandsbackup.mdb" in the current folder, with the logo the lab
// windows show, and registers the data source "cmds1" for it.
inline void BuildLibrary(const LibraryShape& shape) {
  {
    std::ofstream sql("library.sql", std::ios::binary);
    sql << "BEGIN;\nINSERT INTO labs VALUES (1, 'CLI Fundamental Labs');\n";
    int step = 0;
    int command = 0;
    for (int e = 1; e <= shape.exercises; ++e) {
      sql << "INSERT INTO sublab VALUES (" << e << ", '" << ExerciseName(e)
          << "', 'nill', 'nill', 'nill', 'nill', 1);\n";
      for (int s = 1; s <= shape.steps; ++s) {
        sql << "INSERT INTO instructions VALUES (" << ++step << ", 'Step " << s << "', " << e
            << ", 'nill', 'nill', 'R1');\n";
        for (int c = 1; c <= shape.commands; ++c) {
          sql << "INSERT INTO comrestble VALUES (" << ++command << ", '" << CommandText(e, s, c)
              << "', 'nill', '>', '>', 'nill', " << step << ");\n";
        }
      }
    }
    sql << "COMMIT;\n";
  }
  rd::db::CreateDatabase("commandsbackup.mdb", {RD_SOURCE_DIR "/data/schema.sql", "library.sql"},
                         kBenchPassword);
  std::ofstream("simulator-logo.gif", std::ios::binary) << "GIF89a";
  rd::RegisterDataSource("cmds1");
}
