#pragma once
// Replacing a whole file so that a failure at any point leaves either the old file or the
// new one, byte for byte, never a mix: the new bytes go to a new file in the same folder,
// are flushed to disk, and the new file is renamed over the old one.
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace filmotas {

// Writes up to `count` bytes to an open file and returns how many it wrote, or -1 with
// errno set, as ::write does. Tests pass one that fails partway.
using WriteCall = std::function<ssize_t(int fd, const char* bytes, std::size_t count)>;
ssize_t systemWrite(int fd, const char* bytes, std::size_t count);

enum class ReplaceResult { replaced, folderRefused };

// Puts `bytes` in place of the file at `path`, which is created when missing; an existing
// file keeps its permissions and the spelling of its name. `folderRefused` when the folder
// takes no new file: nothing has changed, and the caller may write in place instead. Any
// other failure throws Failure and leaves the file at `path` as it was.
ReplaceResult replaceFile(const std::string& path, std::string_view bytes,
                          const WriteCall& write = systemWrite);

}  // namespace filmotas
