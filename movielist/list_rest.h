#pragma once
// The bytes after the movie list's last whole record are no title, but they may be
// something the player wants: a text file saved under the list's name, the start of a
// title cut short. Every write that would replace them (an append, a rewrite that drops
// or corrects that entry) calls this first.
#include <string>

namespace filmotas {

// The name the rest is saved under, beside the list: "Filmotas.dat.resto", then
// "Filmotas.dat.resto.1", "Filmotas.dat.resto.2", … when taken.
inline constexpr const char* kRestSuffix = ".resto";

// Saves the bytes after the list's last whole record beside it, flushed to the disk;
// nothing when the list ends with a whole record or is missing. Failures throw, and the
// write that was to follow must not take place.
void saveListRest(const std::string& listPath);

}  // namespace filmotas
