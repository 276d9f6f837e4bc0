#pragma once
// The one call through which the file layer writes bytes, so tests can make a disk fail at
// any write.
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string_view>

namespace filmotas {

// Writes up to `count` bytes to an open file and returns how many it wrote, or -1 with
// errno set, as ::write does. Tests pass one that fails partway.
using WriteCall = std::function<ssize_t(int fd, const char* bytes, std::size_t count)>;
ssize_t systemWrite(int fd, const char* bytes, std::size_t count);

// Makes an open file's data reach the disk: 0, or -1 with errno set, as ::fdatasync does.
using FlushCall = std::function<int(int fd)>;
int systemFlush(int fd);

// Writes every byte at the file's position, going on after short writes; throws the
// Failure of the first write that fails.
void writeAll(int fd, std::string_view bytes, const WriteCall& write = systemWrite);

}  // namespace filmotas
