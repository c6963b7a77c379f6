#include "terminal/rcon_transfer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "terminal/rcon_format.h"

namespace rd::rcon {
namespace {

constexpr const char* kDeviceTableQuery = " select * from routervariables ";
constexpr const char* kCrLf = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The file's text: a header and one line per row for every working column (2, 4, 6, ...).
std::string ConfigText(db::Connection& conn) {
  db::Recordset rs;
  rs.Open(kDeviceTableQuery, conn, db::adOpenDynamic, -1, -1);
  const int fieldCount = rs.FieldCount();
  std::string text;
  for (int column = 2; column <= fieldCount - 1; column += 2) {
    text += "<" + rs.FieldName(column) + ">" + kCrLf;
    for (; !rs.EOF_(); rs.MoveNext()) {
      text += EscapeKey(rs.Field(0).Text()) + ":" + EscapeValue(rs.Field(column).Text()) + kCrLf;
    }
    if (rs.RecordCount() > 0) rs.MoveFirst();
  }
  rs.Close();
  return text;
}

// A new file beside the target that is removed again unless it took the target's place.
class TempFile {
 public:
  explicit TempFile(const std::filesystem::path& target) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const std::string stem = "." + target.filename().string() + "." + std::to_string(getpid());
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
      path_ = folder / (stem + "." + std::to_string(attempt));
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) break;
    }
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (fd_ != kReplaced && !path_.empty()) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool created() const { return fd_ >= 0; }

  // Writes all of text and makes it durable; false on any failure.
  bool Write(const std::string& text) {
    for (size_t done = 0; done < text.size();) {
      const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<size_t>(n);
    }
    return ::fsync(fd_) == 0;
  }

  // Gives the file the permissions of the file it replaces (when there is one), closes it and
  // puts it in the target's place.
  bool Replace(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) ::fchmod(fd_, st.st_mode & 07777);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || std::rename(path_.c_str(), target.c_str()) != 0) return false;
    fd_ = kReplaced;
    return true;
  }

 private:
  static constexpr int kReplaced = -2;
  std::filesystem::path path_;
  int fd_ = -1;
};

// The lines of text without their line breaks (CR LF or LF), as a line reader returns them.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& source) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(source, ec)) return std::nullopt;
  std::ifstream in(source, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return content.str();
}

}  // namespace

SaveResult SaveConfigFile(db::Connection& conn, const std::filesystem::path& target) {
  std::error_code ec;
  // A link is followed: its file is the one replaced.
  const std::filesystem::path real = std::filesystem::weakly_canonical(target, ec);
  const std::filesystem::path& file = ec ? target : real;
  if (conn.IsOpen() && std::filesystem::equivalent(file, conn.DatabasePath(), ec)) {
    return SaveResult::kTargetIsDatabase;
  }
  if (std::filesystem::is_directory(file, ec)) return SaveResult::kCannotCreate;
  if (std::filesystem::exists(file, ec) && ::access(file.c_str(), W_OK) != 0) {
    return SaveResult::kTargetReadOnly;
  }
  const std::string text = ConfigText(conn);
  TempFile temp(file);
  if (!temp.created()) return SaveResult::kCannotCreate;
  if (!temp.Write(text)) return SaveResult::kCannotWrite;
  return temp.Replace(file) ? SaveResult::kSaved : SaveResult::kCannotReplace;
}

LoadResult LoadConfigFile(db::Connection& conn, const std::filesystem::path& source) {
  const std::optional<std::string> content = ReadWholeFile(source);
  if (!content) return LoadResult::kCannotRead;
  std::string_view text = *content;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (!IsText(text)) return LoadResult::kNotText;
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.empty() || !IsDeviceHeader(lines.front())) return LoadResult::kNoDeviceHeader;

  db::Recordset rs;
  rs.LockType = db::adLockOptimistic;
  rs.CursorLocation = db::adUseServer;
  rs.Open(kDeviceTableQuery, conn, db::adOpenDynamic, -1, -1);
  const int fieldCount = rs.FieldCount();
  db::Transaction transaction(conn);
  int column = 2;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string* line = &lines[i];
    if (StartsBlock(*line)) {
      column += 2;
      // A header on the last line has no value line after it: nothing more to read.
      if (i + 1 == lines.size() || column > fieldCount - 1) break;
      line = &lines[++i];
    }
    if (rs.EOF_()) rs.MoveFirst();
    rs.SetField(column, UnescapeValue(ValueOfLine(*line)));
    rs.Update();
    rs.MoveNext();
  }
  rs.Close();
  transaction.Commit();
  return LoadResult::kLoaded;
}

}  // namespace rd::rcon
