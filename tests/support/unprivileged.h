// Runs a check in a child process as a user whom file permissions bind: the tests of read-only
// files must not pass by accident when the suite runs as root, who may write anything.
//
//   EXPECT_EQ(test::AsUnprivilegedUser(work.path(), [&] { return Refused() ? "" : "saved"; }), "");
//
// The child makes `tree` readable and enterable by everyone (what must be writable the test
// makes so itself before the call), drops to the "nobody" user when it runs as root, and runs
// check; what check returns (empty for success, else what went wrong, or the message of an
// exception) comes back to the caller.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

namespace rd::test {

inline std::string AsUnprivilegedUser(const std::filesystem::path& tree,
                                      const std::function<std::string()>& check) {
  namespace fs = std::filesystem;
  int fds[2];
  if (pipe(fds) != 0) return "pipe failed";
  const pid_t child = fork();
  if (child < 0) return "fork failed";
  if (child == 0) {
    close(fds[0]);
    std::error_code ec;
    const auto open = fs::perms::others_read | fs::perms::group_read | fs::perms::owner_read;
    const auto enter = fs::perms::others_exec | fs::perms::group_exec | fs::perms::owner_exec;
    fs::permissions(tree, open | enter, fs::perm_options::add, ec);
    for (const auto& entry : fs::recursive_directory_iterator(tree, ec)) {
      fs::permissions(entry.path(), entry.is_directory() ? open | enter : open,
                      fs::perm_options::add, ec);
    }
    constexpr uid_t kNobody = 65534;
    std::string result;
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      result = "could not drop root privileges";
    } else {
      try {
        result = check();
      } catch (const std::exception& e) {
        result = e.what();
      }
    }
    const ssize_t written = write(fds[1], result.data(), result.size());
    _exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
  }
  close(fds[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the check's process failed";
  return result;
}

}  // namespace rd::test
