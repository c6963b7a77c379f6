#include "authoring/content_writes.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace rd {
namespace {

using namespace write_queries;

// Opens `sql` for writing: keyset cursor, optimistic locking.
void OpenForUpdate(db::Recordset& rs, const char* sql, db::Connection& conn) {
  rs.CursorType = db::adOpenKeyset;
  rs.LockType = db::adLockOptimistic;
  rs.Open(sql, conn, db::adOpenDynamic, -1, -1);
}

// Moves from the current row to the first row whose index (field 0) is `index`; false at the
// end when none is.
bool MoveToIndex(db::Recordset& rs, int16_t index) {
  for (; !rs.EOF_(); rs.MoveNext()) {
    if (rs.Field(0).Int16() == index) return true;
  }
  return false;
}

// The largest key of the rows met so far, and the key a new row takes after them.
class KeyScan {
 public:
  void Meet(const db::Recordset& rs) { largest_ = std::max(largest_, rs.Field(0).Int16()); }
  int16_t Next(const std::string& table) const {
    if (largest_ == std::numeric_limits<int16_t>::max()) {
      throw db::DbError("no key is left for a new row of " + table + " (the largest is 32767)");
    }
    return static_cast<int16_t>(largest_ + 1);
  }

 private:
  int16_t largest_ = 0;
};

// Reads rs to its end and returns the key for a row added after it.
int16_t NextKey(db::Recordset& rs, const std::string& table) {
  KeyScan keys;
  for (; !rs.EOF_(); rs.MoveNext()) keys.Meet(rs);
  return keys.Next(table);
}

void SetCommandTexts(db::Recordset& rs, const CommandTexts& texts) {
  rs.SetField("command", texts.command);
  rs.SetField("response", texts.response);
  rs.SetField("comprompt", texts.comprompt);
  rs.SetField("resprompt", texts.resprompt);
}

// Deletes the current row at once.
void DeleteCurrent(db::Recordset& rs) {
  rs.Delete(db::adAffectCurrent);
  rs.UpdateBatch(db::adAffectAll);
}

// Deletes every command of the steps `instructions`, reading the commands table once.
void DeleteCommandsOf(db::Connection& conn, const std::unordered_set<int16_t>& instructions) {
  if (instructions.empty()) return;
  db::Recordset commands;
  OpenForUpdate(commands, kCommands, conn);
  for (; !commands.EOF_(); commands.MoveNext()) {
    if (instructions.contains(commands.Field(6).Int16())) DeleteCurrent(commands);
  }
}

// Deletes the first row of `sql` whose index is `index`, then (while it still may undo it all)
// what `dependents` deletes; false when there is no such row.
template <class Dependents>
bool DeleteWithDependents(db::Connection& conn, const char* sql, int16_t index,
                          const Dependents& dependents) {
  db::Transaction transaction(conn);
  db::Recordset rs;
  OpenForUpdate(rs, sql, conn);
  if (!MoveToIndex(rs, index)) return false;
  DeleteCurrent(rs);
  rs.Close();
  dependents();
  transaction.Commit();
  return true;
}

// Adds a row to `sql`, keyed after the largest key, with the fields `fill` sets, under the row
// `parent` of `parentSql`; nothing is written, and nothing returned, when there is no such row.
template <class Fill>
std::optional<int16_t> AddUnder(db::Connection& conn, const char* parentSql, int16_t parent,
                                const char* sql, const std::string& table, const Fill& fill) {
  db::Transaction transaction(conn);
  db::Recordset parents;
  parents.Open(parentSql, conn, db::adOpenDynamic, -1, -1);
  if (!MoveToIndex(parents, parent)) return std::nullopt;
  parents.Close();
  db::Recordset rs;
  OpenForUpdate(rs, sql, conn);
  const int16_t index = NextKey(rs, table);
  rs.AddNew();
  rs.SetField("Index", std::to_string(index));
  fill(rs);
  rs.Update();
  rs.Close();
  transaction.Commit();
  return index;
}

}  // namespace

std::string OrNill(const std::string& text) { return text.empty() ? "nill" : text; }

std::optional<int16_t> AddSublab(db::Connection& conn, const NewSublab& sublab) {
  db::Recordset rs;
  OpenForUpdate(rs, kSublabs, conn);
  KeyScan keys;
  for (; !rs.EOF_(); rs.MoveNext()) {
    keys.Meet(rs);
    if (rs.Field(1).Text() == sublab.name) return std::nullopt;
  }
  const int16_t index = keys.Next("sublab");
  rs.AddNew();
  rs.SetField("Index", std::to_string(index));
  rs.SetField("sublabnane", sublab.name);
  rs.SetField("ref", std::to_string(sublab.lab));
  rs.SetField("Description", sublab.description);
  rs.SetField("networkpath", sublab.networkPath);
  rs.SetField("flashcardtitle", sublab.flashcardTitle);
  rs.SetField("flashcard", sublab.flashcard);
  rs.Update();
  return index;
}

std::optional<int16_t> AddInstruction(db::Connection& conn, const std::string& instruction,
                                      const std::string& device, int16_t sublab) {
  return AddUnder(conn, kSublabs, sublab, kInstructions, "instructions", [&](db::Recordset& rs) {
    rs.SetField("instruction", instruction);
    rs.SetField("device", device);
    rs.SetField("ref", std::to_string(sublab));
  });
}

std::optional<int16_t> AddCommand(db::Connection& conn, const CommandTexts& texts,
                                  int16_t instruction) {
  return AddUnder(conn, kInstructions, instruction, kCommands, "comrestble",
                  [&](db::Recordset& rs) {
                    SetCommandTexts(rs, texts);
                    rs.SetField("ref1", std::to_string(instruction));
                  });
}

bool ChangeInstruction(db::Connection& conn, int16_t index, const std::string& instruction) {
  db::Recordset rs;
  OpenForUpdate(rs, kInstructions, conn);
  if (!MoveToIndex(rs, index)) return false;
  rs.SetField("instruction", instruction);
  rs.Update();
  return true;
}

bool ChangeCommand(db::Connection& conn, int16_t index, const CommandTexts& texts) {
  db::Recordset rs;
  OpenForUpdate(rs, kCommands, conn);
  if (!MoveToIndex(rs, index)) return false;
  SetCommandTexts(rs, texts);
  rs.Update();
  return true;
}

bool DeleteCommand(db::Connection& conn, int16_t index) {
  return DeleteWithDependents(conn, kCommands, index, [] {});
}

bool DeleteInstruction(db::Connection& conn, int16_t index) {
  return DeleteWithDependents(conn, kInstructions, index, [&] { DeleteCommandsOf(conn, {index}); });
}

bool DeleteSublab(db::Connection& conn, int16_t index) {
  return DeleteWithDependents(conn, kSublabs, index, [&] {
    db::Recordset steps;
    OpenForUpdate(steps, kInstructions, conn);
    std::unordered_set<int16_t> deleted;
    for (; !steps.EOF_(); steps.MoveNext()) {
      if (steps.Field(2).Int16() != index) continue;
      deleted.insert(steps.Field(0).Int16());
      DeleteCurrent(steps);
    }
    steps.Close();
    DeleteCommandsOf(conn, deleted);
  });
}

}  // namespace rd
