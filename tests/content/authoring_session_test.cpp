// An authoring session on the shipped content that adds an exercise with its steps and commands
// and then deletes it leaves the content exactly as shipped, so every content check still holds.
#include <sstream>

#include "content/shipped_content.h"
#include "driver/script_driver.h"

namespace rd::test {
namespace {

class AuthoringSession : public ShippedContent {
 protected:
  std::vector<Row> Content() {
    std::vector<Row> all;
    for (const char* table : {"labs", "sublab", "instructions", "comrestble"}) {
      for (Row& row : Rows(std::string("SELECT * FROM ") + table)) {
        row.insert(row.begin(), table);
        all.push_back(std::move(row));
      }
    }
    return all;
  }

  std::string Run(const std::string& script) {
    std::ostringstream out;
    std::istringstream in(script);
    driver::ScriptDriver driver(out);
    EXPECT_EQ(driver.Run(in), 0) << out.str();
    return out.str();
  }
};

TEST_F(AuthoringSession, ThatAddsAndDeletesAnExerciseLeavesTheContentAsShipped) {
  std::filesystem::copy_file(SourceRunDir() / "simulator-logo.gif", "simulator-logo.gif");
  const std::vector<Row> shipped = Content();
  const std::string added =
      Run("menu Form17 mnuadmin\n"
          "keys Form4 Text1 admin\n"
          "keys Form4 Text2 tulip\n"
          "click Form4 Command2\n"
          "menu Form6 mnulabadd\n"
          "choose Form21 Combo1 Access Lists\n"
          "keys Form21 Text1 Practice ACL\n"
          "click Form21 Command1\n"
          "keys Form29 Text1 {DEL}Enter privileged mode\n"
          "choose Form29 Combo2 R1\n"
          "click Form29 Command1\n"
          "keys Form20 Text1 enable\n"
          "keys Form20 Text3 >\n"
          "keys Form20 Text4 #\n"
          "click Form20 Command1\n"
          "click Form20 Command2\n"
          "keys Form29 Text1 {DEL}Enter configuration mode\n"
          "choose Form29 Combo2 R1\n"
          "click Form29 Command1\n"
          "keys Form20 Text1 configure terminal\n"
          "keys Form20 Text3 #\n"
          "keys Form20 Text4 (config)#\n"
          "click Form20 Command1\n"
          "keys Form20 Text1 exit\n"
          "keys Form20 Text3 (config)#\n"
          "keys Form20 Text4 #\n"
          "click Form20 Command1\n"
          "click Form20 Command3\n"
          "menu Form6 mnulabdel\n"
          "choose Form24 Combo1 Practice ACL\n"
          "show Form24 MSFlexGrid1\n"
          "answer yes\n"
          "click Form24 Command3\n");
  // The new exercise's commands, step by step, before it goes.
  EXPECT_NE(added.find("|enable|nill|>|#\n"), std::string::npos) << added;
  EXPECT_NE(added.find("|configure terminal|nill|#|(config)#\n"), std::string::npos) << added;
  EXPECT_NE(added.find("|exit|nill|(config)#|#\n---"), std::string::npos) << added;
  EXPECT_NE(added.find("record deleted succussfully"), std::string::npos) << added;
  EXPECT_EQ(Content(), shipped);
}

}  // namespace
}  // namespace rd::test
