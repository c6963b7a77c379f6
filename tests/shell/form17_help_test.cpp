// The main window's help items: the help viewer at the start page, or a message that names the
// missing file while the program goes on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/app_host.h"
#include "shell/form17.h"
#include "support/test_workdir.h"

namespace rd {
namespace {

TEST(MainWindowHelp, AMissingHelpFileIsNamedAndTheWindowStays) {
  test::TestWorkdir w;
  w.BuildDatabase({"INSERT INTO labs VALUES (1, 'CLI Fundamental Labs');"});
  services::ScriptedServices services;
  auto host = MakeApp(services);
  ASSERT_TRUE(host->Start());
  auto& main = host->ui().Get<Form17>("Form17");
  host->ui().ChooseMenu(main.mnuabout);
  ASSERT_EQ(services.shown.size(), 1u);
  EXPECT_EQ(services.shown[0].kind, "MSGBOX");
  EXPECT_EQ(services.shown[0].text, "The help file help/quillonhelp1.html was not found.");
  EXPECT_TRUE(main.Visible());

  std::filesystem::create_directory("help");
  std::ofstream("help/quillonhelp1.html") << "<html></html>";
  host->ui().ChooseMenu(main.mnucont);
  ASSERT_EQ(services.shown.size(), 2u);
  EXPECT_EQ(services.shown[1].kind, "HELP");
  EXPECT_EQ(services.shown[1].text, "help/quillonhelp1.html");
}

}  // namespace
}  // namespace rd
