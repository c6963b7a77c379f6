#include "interpreter/config_write.h"

#include <vector>

#include "device/apply_config.h"

namespace rd::interp {

void WriteConfig(App& app, const TreeNode& node, const std::string& cmdText) {
  std::vector<std::string> names = node.paramNames;
  switch (ApplyConfigCommand(app, names, cmdText)) {
    case ConfigResult::Applied:
    case ConfigResult::AddressInUse:
      return;
    case ConfigResult::MissingVariable:
      app.g.gResponse = "nill";
      return;
  }
}

}  // namespace rd::interp
