#pragma once
// Faults of files for the file layer's tests: a disk that fills, and the failure an
// operation reports.
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstdint>
#include <functional>

#include "files/failure.h"
#include "files/write_call.h"

namespace filmotas::testing {

// The number of the failure that `operation` reports; 0 when none.
template <typename Operation>
int failureOf(Operation&& operation) {
  try {
    operation();
  } catch (const Failure& f) {
    return f.number();
  }
  return 0;
}

// A disk with room for `bytes` more bytes, as the file layer's WriteCall: every write goes
// through until the room is used up, short where it runs out, then "disk full".
struct ScriptedDisk {
  explicit ScriptedDisk(std::size_t bytes = SIZE_MAX) : room(bytes) {}
  WriteCall write() {
    return [this](int fd, const char* bytes, std::size_t count) -> ssize_t {
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
  std::function<void()> whileWriting;   // runs inside every write, as another program would
};

}  // namespace filmotas::testing
