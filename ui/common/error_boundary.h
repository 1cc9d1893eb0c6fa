// The one place where the window's exceptions end. Every handler of a menu
// item, button, slider, spin field or list runs through RunHandler: an
// exception abandons the handler where it was raised, the error box shows
// its message, and the program carries on. No exception ever travels
// through Qt's event dispatch.
#pragma once

#include <functional>
#include <utility>

#include "volemo_error.h"

namespace volemo {

// A failure of the window itself; what() is UTF-8, as every exception text
// of the program.
class WindowError : public Error {
 public:
  using Error::Error;
};

void RunHandler(const std::function<void()>& handler);

// A slot for any signal that runs f through RunHandler.
template <class F>
auto Handler(F f) {
  return [f = std::move(f)] { RunHandler(f); };
}

}  // namespace volemo
