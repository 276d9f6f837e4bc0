#pragma once
// A folder's name as the game window takes it: Qt text, which holds UTF-8 names only. A
// name in another encoding would reach a folder of another name (its bytes replaced), so
// two folders could share one game; such a folder is reached instead through a descriptor
// held open for the rest of the run (/proc/self/fd/N), and every file lands in the folder
// that was named, byte for byte.
#include <QString>
#include <string>

namespace filmotas::app {

class FolderForQt {
 public:
  explicit FolderForQt(const std::string& folder);
  ~FolderForQt();
  FolderForQt(const FolderForQt&) = delete;
  FolderForQt& operator=(const FolderForQt&) = delete;

  const QString& name() const { return name_; }

 private:
  int held_ = -1;
  QString name_;
};

}  // namespace filmotas::app
