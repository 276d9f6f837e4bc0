#include "ui/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace filmotas::ui {

FolderClaim::FolderClaim(const std::string& folder) {
  fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) {
    acquired_ = true;
    return;
  }
  int result;
  do {
    result = ::flock(fd_, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  acquired_ = result == 0 || errno != EWOULDBLOCK;
}

FolderClaim::~FolderClaim() {
  if (fd_ >= 0) ::close(fd_);   // closing the descriptor releases the lock
}

}  // namespace filmotas::ui
