#pragma once
// The list window frmListaFilmotas without its widgets: it reads the whole movie list,
// narrows it as the player types, and corrects, removes, imports and exports titles.
// Like the add-movie dialog it reaches the game through GameLink and leaves the game in
// progress alone: the game hears the new count at once, so the About box counts the new
// number and the next game draws from the new list.
// Every operation is an event handler that runs to its end: whatever fails inside is
// told in the general error box (see handler_guard.h) and the window goes on.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_link.h"
#include "movielist/list_import.h"
#include "movielist/list_snapshot.h"

namespace filmotas {

inline constexpr const char* kListWindowTitle = "Lista de filmotas";
// The file dialogs' captions, and the titles of the boxes that tell how each went.
inline constexpr const char* kImportTitle = "Importar filmotas";
inline constexpr const char* kExportTitle = "Exportar filmotas";
inline constexpr const char* kImportedTitle = "Filmotas importadas";
inline constexpr const char* kExportedTitle = "Filmotas exportadas";
inline constexpr const char* kRemoveTitle = "Quitar filmotas";

class FrmListaFilmotas {
 public:
  // `boxes` shows the window's message boxes, above the window itself.
  FrmListaFilmotas(GameLink& game, MessageBoxPort& boxes);

  // Reads the list; a failure is shown in the general error box and leaves it empty.
  void Form_Load();

  const ListSnapshot& list() const { return list_; }

  // The entries that show for the filter box's text (UTF-8) and the duplicates box.
  std::vector<std::int32_t> shownEntries(std::string_view typed, bool duplicatesOnly);
  // The count under the list: "1 registro", "12 registros", "3 de 12 registros".
  std::string countCaption(std::size_t shown) const;

  // Each of these returns true when the list changed. On false the list and the window
  // are as before, and the player has been told why, unless he said no. A write that
  // replaces the bytes after the list's last whole record saves them first (list_rest.h).
  // While the file holds more than 32767 records, nothing but removing what lies beyond
  // them changes it: a rewrite would lose it.
  bool correct(std::int32_t entry, const std::string& title);   // title in UTF-8
  bool remove(const std::vector<std::int32_t>& entries);          // asks first
  bool importFile(const std::string& path, ImportProgress& progress);   // tells how it went
  void exportFile(const std::string& path);                       // tells how it went

 private:
  bool refusesTitle(const std::string& title);
  bool refusesRewrite(const std::vector<std::int32_t>& entries);
  bool rewrite(const std::string& bytes, const std::vector<std::int32_t>& entries);
  bool importFrom(const std::string& path, ImportProgress& progress);
  void reload();

  GameLink& game_;
  MessageBoxPort& boxes_;
  ListSnapshot list_;
  std::vector<bool> duplicates_;
  bool duplicatesKnown_ = false;
};

}  // namespace filmotas
