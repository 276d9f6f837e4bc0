// Every exception as the general error box.
#include "engine/handler_guard.h"

#include <new>

#include "files/failure.h"

namespace filmotas {

std::string currentErrorText() {
  try {
    throw;
  } catch (const Failure& f) {
    return generalErrorText(f);
  } catch (const std::bad_alloc&) {
    return "Error 7:\r\n\r\nMemoria insuficiente";
  } catch (...) {
    return "Error 51:\r\n\r\nError interno";
  }
}

void tellCurrentError(MessageBoxPort& boxes) noexcept {
  try {
    boxes.show(currentErrorText(), kGeneralErrorTitle, box::kCritical);
  } catch (...) {   // not even a box: the handler still ends quietly
  }
}

}  // namespace filmotas
