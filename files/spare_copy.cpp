#include "files/spare_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "files/failure.h"
#include "files/file_open.h"
#include "files/write_call.h"

namespace filmotas {

namespace {

// Enough names for any folder a player keeps; past them something is wrong.
constexpr int kMostNames = 10000;

// A new file of that name only: never an existing one, never through a link.
int createNew(const std::string& name) {
  return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

}  // namespace

std::string saveSpareCopy(const std::string& path, const std::string& suffix, std::string_view bytes) {
  for (int n = 0; n < kMostNames; ++n) {
    const std::string name = path + suffix + (n == 0 ? "" : "." + std::to_string(n));
    const int fd = createNew(name);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) throw failureFromErrno(errno);
    try {
      writeAll(fd, bytes);
      if (::fsync(fd) != 0) throw failureFromErrno(errno);
    } catch (...) {
      ::close(fd);
      ::unlink(name.c_str());
      throw;
    }
    ::close(fd);
    const int folder = ::open(folderOf(name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {   // a folder that cannot be flushed still holds the file
      ::fsync(folder);
      ::close(folder);
    }
    return name;
  }
  throw Failure(failure::kPathFileAccessError);
}

}  // namespace filmotas
