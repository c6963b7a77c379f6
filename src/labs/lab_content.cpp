#include "labs/lab_content.h"

namespace rd {

LabKey KeyOf(const db::Value& cell) {
  if (cell.Text().find_first_not_of(' ') == std::string::npos) return std::nullopt;
  try {
    return cell.Int16();
  } catch (const db::DbError&) {
    return std::nullopt;
  }
}

bool SameKey(const LabKey& a, const LabKey& b) { return a && b && *a == *b; }

bool CellIs(const db::Value& cell, const std::string& text) {
  return !cell.IsNull() && cell.Text() == text;
}

std::string PromptOf(const std::string& comprompt) { return comprompt == "Null" ? "" : comprompt; }

bool ShowsNoHostName(const std::string& device) { return device == "S1" || device == "S3"; }

std::string ConsoleHostName(const std::string& device) {
  return ShowsNoHostName(device) ? "" : device;
}

std::optional<SublabRow> FindSublab(db::Connection& conn, const std::string& query,
                                    const std::string& name) {
  db::Recordset rs;
  rs.Open(query, conn, db::adOpenDynamic, -1, -1);
  for (; !rs.EOF_(); rs.MoveNext()) {
    if (!CellIs(rs.Field(1), name)) continue;
    return SublabRow{KeyOf(rs.Field(0)), rs.Field(2).Text(), rs.Field(4).Text(),
                     rs.Field(5).Text()};
  }
  return std::nullopt;
}

}  // namespace rd
