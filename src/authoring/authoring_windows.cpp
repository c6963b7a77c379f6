#include "authoring/authoring_windows.h"

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

void RegisterAuthoringWindows(App& app) {
  app.AddWindow(std::make_unique<Form4>(app));
  app.AddWindow(std::make_unique<Form6>(app));
  app.AddWindow(std::make_unique<Form21>(app));
  app.AddWindow(std::make_unique<Form24>(app));
  app.AddWindow(std::make_unique<Form29>(app));
  app.AddWindow(std::make_unique<Form30>(app));
  app.AddWindow(std::make_unique<Form20>(app));
  app.AddWindow(std::make_unique<Form22>(app));
  app.AddWindow(std::make_unique<Form23>(app));
  app.AddWindow(std::make_unique<Form31>(app));
}

}  // namespace rd
