#pragma once
// The add-movie dialog frmAgregar without its widgets: the append behind its "Aceptar"
// button. The dialog keeps nothing of its own; it reaches the game through GameLink.
#include <string>

#include "engine/game_link.h"

namespace filmotas {

// The dialog's caption, also the title of its message boxes.
inline constexpr const char* kAddDialogTitle = "Agregar filmotas";
// The explanation above the text box.
inline constexpr const char* kAddDialogExplanation = "Introduce el título de la película";

class FrmAgregar {
 public:
  explicit FrmAgregar(GameLink& game) : game_(game) {}

  // The "Aceptar" button (and Enter in the text box): appends `txtIntroducir` (UTF-8,
  // as the box holds it) to the movie list as the record right after the list's last
  // whole record, counted now from the file itself, and tells the game the list now
  // holds that count plus one.
  // A title already in the list is appended like any other; an empty title or one of
  // spaces only is refused with the system's beep.
  //
  // Bytes after the last whole record are saved beside the list first (see list_rest.h).
  //
  // Returns true when the title was appended, and flushed to the disk: the dialog then
  // empties its text box. On false the title stays in the box, the file is exactly as
  // it was and the player has been told why through the game's message boxes:
  // - a character with no Windows-1252 code: "El título contiene caracteres que no se
  //   pueden guardar: " and those characters (code 48);
  // - the list already holds 32767 titles (code 48);
  // - the list cannot be opened or written (read-only, full disk, a folder of that
  //   name, a title longer than 50 characters), or its rest cannot be saved, or
  //   anything else fails: the general error box.
  bool cmdAceptar_Click(const std::string& txtIntroducir);

 private:
  bool append(const std::string& txtIntroducir);
  // Writes the encoded title behind the list's last whole record; false when the
  // list is full. Failures of the file reach the caller.
  bool appendToList(const std::string& codes);

  GameLink& game_;
};

}  // namespace filmotas
