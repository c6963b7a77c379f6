// The program finds its run folder when started from elsewhere.
#include "gui/run_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/test_workdir.h"

namespace rd::gui {
namespace {

TEST(RunFolder, PrefersTheCurrentFolderThenTheRunFolderBesideTheProgram) {
  test::TestWorkdir work;
  const std::filesystem::path root = work.path();
  std::filesystem::create_directories(root / "build" / "bin");
  std::filesystem::create_directories(root / "build" / "run");
  std::filesystem::create_directories(root / "elsewhere");
  const std::filesystem::path bin = root / "build" / "bin";

  // Neither holds the database: stay.
  EXPECT_EQ(ChooseRunFolder(root / "elsewhere", bin), root / "elsewhere");
  std::ofstream(root / "build" / "run" / "commandsbackup.mdb") << "";
  EXPECT_EQ(ChooseRunFolder(root / "elsewhere", bin), root / "build" / "run");
  std::ofstream(root / "elsewhere" / "commandsbackup.mdb") << "";
  EXPECT_EQ(ChooseRunFolder(root / "elsewhere", bin), root / "elsewhere");
}

}  // namespace
}  // namespace rd::gui
