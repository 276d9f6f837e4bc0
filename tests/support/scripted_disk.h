#pragma once
// A disk with room for a given number of bytes, for the file layer's WriteCall: every
// write goes through until the room is used up, short where it runs out, then "disk full".
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstdint>
#include <functional>

#include "files/write_call.h"

namespace filmotas::testing {

struct ScriptedDisk {
  explicit ScriptedDisk(std::size_t bytes = SIZE_MAX) : room(bytes) {}
  WriteCall write() {
    return [this](int fd, const char* bytes, std::size_t count) -> ssize_t {
      ++calls;
      if (whileWriting) whileWriting();
      if (room == 0) {
        errno = ENOSPC;
        return -1;
      }
      const ssize_t n = ::write(fd, bytes, std::min(count, room));
      if (n > 0) room -= static_cast<std::size_t>(n);
      return n;
    };
  }
  std::size_t room;
  int calls = 0;
  std::function<void()> whileWriting;   // runs inside every write, as another program would
};

}  // namespace filmotas::testing
