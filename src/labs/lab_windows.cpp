#include "labs/lab_windows.h"

#include <memory>

#include "labs/form25.h"
#include "labs/form26.h"
#include "labs/form27.h"
#include "labs/form28.h"
#include "labs/form32.h"

namespace rd {

void RegisterLabWindows(App& app) {
  app.AddWindow(std::make_unique<Form25>(app));
  app.AddWindow(std::make_unique<Form26>(app));
  app.AddWindow(std::make_unique<Form27>(app));
  app.AddWindow(std::make_unique<Form28>(app));
  app.AddWindow(std::make_unique<Form32>(app));
}

}  // namespace rd
