#include "terminal/terminal_windows.h"

#include <memory>

#include "terminal/form1.h"
#include "terminal/form2.h"
#include "terminal/form33.h"

namespace rd {

void RegisterTerminalWindows(App& app) {
  app.AddWindow(std::make_unique<Form2>(app));
  app.AddWindow(std::make_unique<Form1>(app));
  app.AddWindow(std::make_unique<Form33>(app));
}

}  // namespace rd
