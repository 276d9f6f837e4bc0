#include "settings/display_state.h"

namespace filmotas {

int DisplayState::outerHeight() const {
  if (mostrarOpciones_) return verBarra_ ? 4125 : 3810;
  return verBarra_ ? 2750 : 2435;
}

}  // namespace filmotas
