#pragma once
// One running game per data folder: two copies would share "Temp.dat" and
// "Config.dat" and spoil each other's files. The claim is a lock on the folder itself,
// so no lock file is ever left behind, and the kernel drops it when a copy crashes.
#include <string>

namespace filmotas::ui {

inline constexpr const char* kAlreadyRunningText = "Filmotas ya se está ejecutando.";
inline constexpr const char* kAlreadyRunningTitle = "Filmotas";

class FolderClaim {
 public:
  explicit FolderClaim(const std::string& folder);
  ~FolderClaim();
  FolderClaim(const FolderClaim&) = delete;
  FolderClaim& operator=(const FolderClaim&) = delete;

  // False when another running copy holds the folder. A folder that cannot be opened
  // for locking at all is not held by anyone, so the game may run there.
  bool acquired() const { return acquired_; }

 private:
  int fd_ = -1;
  bool acquired_ = false;
};

}  // namespace filmotas::ui
