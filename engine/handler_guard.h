#pragma once
// An event handler of any window of the game runs to its end whatever fails inside it: a numbered failure is shown in the general error box, and so is any
// other exception, under the number the game gives it (7 when memory ran out, 51 for
// anything else), and the program goes on.
#include <string>
#include <type_traits>

#include "engine/ports.h"

namespace filmotas {

// The general error box's text for the exception being handled now.
std::string currentErrorText();

// Shows the general error box for the exception being handled now; a box that cannot be
// shown is given up silently.
void tellCurrentError(MessageBoxPort& boxes) noexcept;

// Runs `handler`; when it throws, tells the player and returns an empty result (false,
// nothing).
template <typename Handler>
std::invoke_result_t<Handler> runHandler(MessageBoxPort& boxes, Handler&& handler) noexcept {
  try {
    return handler();
  } catch (...) {
    tellCurrentError(boxes);
    return std::invoke_result_t<Handler>();
  }
}

}  // namespace filmotas
