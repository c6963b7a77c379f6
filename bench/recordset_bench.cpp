// Reading a whole table through a recordset, as the administrator windows read the commands of
// a sublab: open, then every field of every row to the end. The time per read should grow in
// step with the rows, not with their square.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "bench_workspace.h"
#include "platform/db/db.h"
#include "shell/register_data_source.h"

namespace {

constexpr const char* kPassword = "Qorva47";

// A database whose command table holds `rows` commands, registered as the data source "cmds1".
class Workspace {
 public:
  explicit Workspace(int64_t rows) : folder_("routedrill-recordset-bench") {
    {
      std::ofstream fill("commands.sql", std::ios::binary);
      fill << "BEGIN;\n";
      for (int64_t i = 1; i <= rows; ++i) {
        fill << "INSERT INTO comrestble VALUES (" << i << ", 'show interfaces " << i
             << "', 'nill', '#', '#', NULL, " << (i % 300 + 1) << ");\n";
      }
      fill << "COMMIT;\n";
    }
    rd::db::CreateDatabase("commandsbackup.mdb", {RD_SOURCE_DIR "/data/schema.sql", "commands.sql"},
                           kPassword);
    rd::RegisterDataSource("cmds1");
  }

 private:
  BenchWorkspace folder_;
};

// Argument: the number of rows in the table.
void BM_ReadWholeTable(benchmark::State& state) {
  Workspace workspace(state.range(0));
  rd::db::Connection conn;
  conn.Open(std::string("DSN=cmds1;pwd=") + kPassword + ";");
  for (auto _ : state) {
    rd::db::Recordset rs;
    rs.CursorType = rd::db::adOpenKeyset;
    rs.LockType = rd::db::adLockOptimistic;
    rs.Open("SELECT * from comrestble", conn);
    size_t bytes = 0;
    for (; !rs.EOF_(); rs.MoveNext()) {
      for (int i = 0; i < rs.FieldCount(); ++i) bytes += rs.Field(i).Text().size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadWholeTable)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
