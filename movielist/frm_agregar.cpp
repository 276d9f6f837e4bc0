// The append of the add-movie dialog.
#include "movielist/frm_agregar.h"

#include "files/windows1252.h"
#include "engine/handler_guard.h"
#include "movielist/list_append.h"
#include "movielist/title_entry.h"

namespace filmotas {

namespace {

constexpr const char* kUnencodableText = "El título contiene caracteres que no se pueden guardar: ";
constexpr const char* kListFullText =
    "La lista ya tiene 32767 filmotas, el máximo que admite el programa.";

}  // namespace

bool FrmAgregar::cmdAceptar_Click(const std::string& txtIntroducir) {
  return runHandler(game_.messageBoxes(), [&] { return append(txtIntroducir); });
}

bool FrmAgregar::append(const std::string& txtIntroducir) {
  if (isBlankTitle(txtIntroducir)) {
    game_.messageBoxes().beep();   // an empty title could only ever be a miss and a win at once
    return false;
  }
  const auto codes = windows1252::encode(txtIntroducir);
  if (!codes) {
    game_.messageBoxes().show(kUnencodableText + windows1252::unencodable(txtIntroducir),
                              kAddDialogTitle, box::kExclamation);
    return false;
  }
  return appendToList(*codes);
}

// The position comes from the file as it is now, so a stale count can neither overwrite
// a title nor leave a gap.
bool FrmAgregar::appendToList(const std::string& codes) {
  ListAppend list(game_.dataFolder().path(kMovieListFile));
  const std::int64_t wholeRecords = list.wholeRecords();
  if (wholeRecords >= kMostTitles) {
    game_.messageBoxes().show(kListFullText, kAddDialogTitle, box::kExclamation);
    return false;
  }
  list.append({codes});   // on the disk before the next title: a power cut costs this one at most
  game_.listNowHolds(static_cast<std::int16_t>(wholeRecords + 1));
  return true;
}

}  // namespace filmotas
