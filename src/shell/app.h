// The application object: shared program state plus the window runtime (windows, focus,
// send-keys, message boxes, dialogs, clock). Every routine that needs either takes an App&.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <typeindex>

#include "platform/forms/forms.h"
#include "shell/module1.h"

namespace rd {

struct App {
  explicit App(forms::Runtime& runtime) : ui(runtime) {}
  Module1 g;
  forms::Runtime& ui;

  // Registers the one window of type W with the runtime; Window<W>() finds it from then on.
  template <class W>
  W& AddWindow(std::unique_ptr<W> window) {
    W& added = *window;
    windows_[std::type_index(typeid(W))] = &added;
    ui.Register(std::move(window));
    return added;
  }

  // The window of type W; throws std::logic_error when none was added.
  template <class W>
  W& Window() const {
    const auto it = windows_.find(std::type_index(typeid(W)));
    if (it == windows_.end()) throw std::logic_error("window not registered");
    return static_cast<W&>(*it->second);
  }

 private:
  std::map<std::type_index, forms::Form*> windows_;
};

}  // namespace rd
