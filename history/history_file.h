#pragma once
// "Historial.tsv" on disk: one line appended per game, read whole for the statistics, and
// replaced by its header alone when the player clears it. No other write touches it.
#include <string>
#include <string_view>

namespace filmotas {

// Appends one game's line (ended by LF) in one write, flushed to disk. A new or empty
// file gets the header first; a file whose last line was cut short gets a line break
// first, so the new game is not glued onto it. On a failure, which throws Failure, the
// file is cut back to what it held before.
void appendToHistory(const std::string& path, std::string_view line);

// The whole record; a missing file is an empty record. Other failures throw.
std::string readHistory(const std::string& path);

// "Borrar historial": the header alone, written to a new file that is renamed over the
// old one. A failure throws Failure (70 when the folder takes no new file) and leaves
// the record as it was.
void clearHistory(const std::string& path);

}  // namespace filmotas
