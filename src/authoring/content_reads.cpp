#include "authoring/content_reads.h"

#include <functional>
#include <unordered_map>

namespace rd {
namespace {

constexpr const char* kLabs = "select * from labs";
constexpr const char* kSublabs = "select * from sublab";
constexpr const char* kSublabLookup = "select * from sublab ";
constexpr const char* kInstructions = "select * from instructions ";
constexpr const char* kCommands = "select * from comrestble ";

// Reads `sql` row by row in stored order until `visit` returns true.
void ReadRows(db::Connection& conn, const char* sql,
              const std::function<bool(const db::Recordset&)>& visit) {
  db::Recordset rs;
  rs.Open(sql, conn, db::adOpenDynamic, -1, -1);
  for (; !rs.EOF_(); rs.MoveNext()) {
    if (visit(rs)) break;
  }
}

std::vector<std::string> Column(db::Connection& conn, const char* sql, int pos) {
  std::vector<std::string> out;
  ReadRows(conn, sql, [&](const db::Recordset& rs) {
    out.push_back(rs.Field(pos).Text());
    return false;
  });
  return out;
}

// Field `pos` of the first row whose field 1 equals `name`.
std::optional<db::Value> FieldOfNamed(db::Connection& conn, const char* sql,
                                      const std::string& name, int pos) {
  std::optional<db::Value> found;
  ReadRows(conn, sql, [&](const db::Recordset& rs) {
    if (rs.Field(1).Text() != name) return false;
    found = rs.Field(pos);
    return true;
  });
  return found;
}

std::optional<int16_t> IndexOfNamed(db::Connection& conn, const char* sql,
                                    const std::string& name) {
  const std::optional<db::Value> index = FieldOfNamed(conn, sql, name, 0);
  return index ? std::optional<int16_t>(index->Int16()) : std::nullopt;
}

// The texts of fields 0 to `last` of the current row.
ListingRow FieldsUpTo(const db::Recordset& rs, int last) {
  ListingRow row;
  for (int i = 0; i <= last; ++i) row.push_back(rs.Field(i).Text());
  return row;
}

// Fields first to last of every row whose field `refPos` is `ref`.
std::vector<ListingRow> RowsOf(db::Connection& conn, const char* sql, int refPos, int16_t ref,
                               int last) {
  std::vector<ListingRow> out;
  ReadRows(conn, sql, [&](const db::Recordset& rs) {
    if (rs.Field(refPos).Int16() == ref) out.push_back(FieldsUpTo(rs, last));
    return false;
  });
  return out;
}

constexpr int kCommandRef = 6;   // comrestble.ref1
constexpr int kCommandLast = 4;  // the listed fields end with comrestble.resprompt

}  // namespace

std::vector<std::string> LabNames(db::Connection& conn) { return Column(conn, kLabs, 1); }

std::vector<std::string> SublabNames(db::Connection& conn) { return Column(conn, kSublabs, 1); }

std::optional<int16_t> LabIndex(db::Connection& conn, const std::string& name) {
  return IndexOfNamed(conn, kLabs, name);
}

std::optional<int16_t> SublabIndex(db::Connection& conn, const std::string& name) {
  return IndexOfNamed(conn, kSublabLookup, name);
}

std::optional<std::string> SublabDescription(db::Connection& conn, const std::string& name) {
  const std::optional<db::Value> description = FieldOfNamed(conn, kSublabLookup, name, 3);
  return description ? std::optional<std::string>(description->Text()) : std::nullopt;
}

std::vector<ListingRow> InstructionsOf(db::Connection& conn, int16_t sublab) {
  return RowsOf(conn, kInstructions, 2, sublab, 1);
}

std::vector<ListingRow> CommandsOf(db::Connection& conn, int16_t instruction) {
  return RowsOf(conn, kCommands, kCommandRef, instruction, kCommandLast);
}

std::vector<ListingRow> CommandsOfSublab(db::Connection& conn, int16_t sublab) {
  std::vector<int16_t> steps;
  ReadRows(conn, kInstructions, [&](const db::Recordset& rs) {
    if (rs.Field(2).Int16() == sublab) steps.push_back(rs.Field(0).Int16());
    return false;
  });
  if (steps.empty()) return {};
  // The commands table is read once, whatever the number of steps.
  std::unordered_map<int16_t, std::vector<ListingRow>> commandsOfStep;
  for (const int16_t step : steps) commandsOfStep[step];
  ReadRows(conn, kCommands, [&](const db::Recordset& rs) {
    const auto step = commandsOfStep.find(rs.Field(kCommandRef).Int16());
    if (step != commandsOfStep.end()) step->second.push_back(FieldsUpTo(rs, kCommandLast));
    return false;
  });
  std::vector<ListingRow> out;
  for (const int16_t step : steps) {
    const std::vector<ListingRow>& commands = commandsOfStep[step];
    out.insert(out.end(), commands.begin(), commands.end());
  }
  return out;
}

std::optional<std::string> InstructionText(db::Connection& conn, int16_t index) {
  std::optional<std::string> text;
  ReadRows(conn, kInstructions, [&](const db::Recordset& rs) {
    if (rs.Field(0).Int16() != index) return false;
    text = rs.Field(1).Text();
    return true;
  });
  return text;
}

std::optional<CommandTexts> CommandAt(db::Connection& conn, int16_t index) {
  std::optional<CommandTexts> texts;
  ReadRows(conn, kCommands, [&](const db::Recordset& rs) {
    if (rs.Field(0).Int16() != index) return false;
    texts = CommandTexts{rs.Field(1).Text(), rs.Field(2).Text(), rs.Field(3).Text(),
                         rs.Field(4).Text()};
    return true;
  });
  return texts;
}

}  // namespace rd
