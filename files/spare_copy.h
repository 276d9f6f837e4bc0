#pragma once
// Keeping bytes that a write is about to replace: they go to a new file beside the
// file they came from, under a name no file has yet.
#include <string>
#include <string_view>

namespace filmotas {

// Writes `bytes` to `path` + `suffix`, or, when that name is taken, to the first free
// one of `path` + `suffix` + ".1", ".2", …; the new file and its name reach the disk
// before it returns. Returns the name used. Failures throw and leave no new file.
std::string saveSpareCopy(const std::string& path, const std::string& suffix, std::string_view bytes);

}  // namespace filmotas
