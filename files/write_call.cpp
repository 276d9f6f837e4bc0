#include "files/write_call.h"

#include <unistd.h>

#include <cerrno>

#include "files/failure.h"

namespace filmotas {

ssize_t systemWrite(int fd, const char* bytes, std::size_t count) { return ::write(fd, bytes, count); }

int systemFlush(int fd) { return ::fdatasync(fd); }

void writeAll(int fd, std::string_view bytes, const WriteCall& write) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw failureFromErrno(n < 0 ? errno : EIO);
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace filmotas
