#pragma once
// Where the copy that plays in a data folder takes the requests of later copies: a folder
// that only the player may write, so nobody else can take the socket's name first, put a
// socket of their own in its place or listen there instead. The player's runtime folder
// ($XDG_RUNTIME_DIR) when it is such a folder, with one socket per data folder named after
// that folder's identity; otherwise the data folder itself when only the player may write
// there; otherwise nowhere, and a later copy only says that the game is running.
//
// The folder stays open, so its checks and its use concern the same folder, and the socket
// is reached through /proc/self/fd, so a long folder name still fits a socket address.
#include <optional>
#include <string>

namespace filmotas::app {

class SocketPlace {
 public:
  // `runtimeFolder` is $XDG_RUNTIME_DIR, empty when unset.
  static std::optional<SocketPlace> find(const std::string& dataFolder, const std::string& runtimeFolder);

  SocketPlace(SocketPlace&& other) noexcept;
  SocketPlace& operator=(SocketPlace&&) = delete;
  ~SocketPlace();

  int folder() const { return folder_; }   // a descriptor of the folder (O_PATH)
  const std::string& name() const { return name_; }
  std::string address() const;             // the socket's path, through the folder's descriptor

 private:
  SocketPlace(int folder, std::string name) : folder_(folder), name_(std::move(name)) {}

  int folder_;
  std::string name_;
};

}  // namespace filmotas::app
