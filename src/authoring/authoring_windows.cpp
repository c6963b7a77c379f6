#include "authoring/authoring_windows.h"

#include <array>
#include <memory>

#include "authoring/form20.h"
#include "authoring/form21.h"
#include "authoring/form22.h"
#include "authoring/form23.h"
#include "authoring/form24.h"
#include "authoring/form29.h"
#include "authoring/form30.h"
#include "authoring/form31.h"
#include "authoring/form4.h"
#include "authoring/form6.h"

namespace rd {
namespace {

template <class... W>
struct WindowSet {
  static void Register(App& app) { (app.AddWindow(std::make_unique<W>(app)), ...); }
  static std::array<forms::Form*, sizeof...(W)> Of(const App& app) { return {&app.Window<W>()...}; }
};

// Every window of the administrator area, the login first.
using AdministratorArea =
    WindowSet<Form4, Form6, Form21, Form24, Form29, Form30, Form20, Form22, Form23, Form31>;

}  // namespace

void RegisterAuthoringWindows(App& app) { AdministratorArea::Register(app); }

forms::Form& AdministratorEntry(const App& app) {
  for (forms::Form* window : AdministratorArea::Of(app)) {
    if (window->IsLoaded()) return *window;
  }
  return app.Window<Form4>();
}

}  // namespace rd
