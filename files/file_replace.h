#pragma once
// The one way the game writes a whole file so that a failure at any point leaves the old
// file or the new one, byte for byte, never a mix: the new bytes go to a temporary file in
// the same folder, are flushed to disk, and the temporary file is renamed into place.
#include <string>
#include <string_view>

#include "files/write_call.h"

namespace filmotas {

enum class ReplaceResult { replaced, folderRefused };

// Puts `bytes` in place of the file at `path`, which is created when missing; an existing
// file keeps its permissions and the spelling of its name. A link at `path` is followed
// only as writeTarget allows (the link stays a link), otherwise 70. `folderRefused` when
// the folder takes no new file: nothing has changed, and the caller may write in place
// instead. Any other failure throws Failure and leaves the file at `path` as it was.
ReplaceResult replaceFile(const std::string& path, std::string_view bytes,
                          const WriteCall& write = systemWrite);

// Creates the file at `path` holding `bytes`, whole or not at all; false, with nothing
// changed, when something of that name is there already. Throws Failure.
bool createFile(const std::string& path, std::string_view bytes);

// Removes the temporary files that interrupted writes left in `folder`: the player's own,
// and only those no running write still holds. For the copy that holds the data folder,
// at start; never fails.
void removeStaleTemporaries(const std::string& folder) noexcept;

}  // namespace filmotas
