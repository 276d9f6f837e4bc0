#include "app/socket_place.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace filmotas::app {

namespace {

// The socket's name in the data folder itself: hidden, like the state of other programs.
const char* const kNameInDataFolder = ".filmotas.socket";

// The folder opened for use, when it is a folder of the player's that no one else may write.
int openPlayersOwn(const std::string& path) {
  if (path.empty() || path.front() != '/') return -1;   // a relative runtime folder is not one
  const int folder = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return -1;
  struct stat status {};
  if (::fstat(folder, &status) == 0 && status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0) {
    return folder;
  }
  ::close(folder);
  return -1;
}

// One data folder, however its path is spelled: its device and its inode.
std::optional<std::string> runtimeName(const std::string& dataFolder) {
  struct stat status {};
  if (::stat(dataFolder.c_str(), &status) != 0) return std::nullopt;
  char name[64];
  std::snprintf(name, sizeof name, "filmotas-%llx-%llx.socket", static_cast<unsigned long long>(status.st_dev),
                static_cast<unsigned long long>(status.st_ino));
  return name;
}

}  // namespace

std::optional<SocketPlace> SocketPlace::find(const std::string& dataFolder, const std::string& runtimeFolder) {
  if (const int runtime = openPlayersOwn(runtimeFolder); runtime >= 0) {
    if (auto name = runtimeName(dataFolder)) return SocketPlace(runtime, std::move(*name));
    ::close(runtime);
    return std::nullopt;
  }
  if (const int data = openPlayersOwn(dataFolder); data >= 0) return SocketPlace(data, kNameInDataFolder);
  return std::nullopt;
}

SocketPlace::SocketPlace(SocketPlace&& other) noexcept : folder_(other.folder_), name_(std::move(other.name_)) {
  other.folder_ = -1;
}

SocketPlace::~SocketPlace() {
  if (folder_ >= 0) ::close(folder_);
}

std::string SocketPlace::address() const { return "/proc/self/fd/" + std::to_string(folder_) + "/" + name_; }

}  // namespace filmotas::app
