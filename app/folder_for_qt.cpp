#include "app/folder_for_qt.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>

namespace filmotas::app {

FolderForQt::FolderForQt(const std::string& folder) : name_(QFile::decodeName(folder.c_str())) {
  if (QFile::encodeName(name_).toStdString() == folder) return;
  held_ = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (held_ >= 0) name_ = QStringLiteral("/proc/self/fd/%1").arg(held_);
}

FolderForQt::~FolderForQt() {
  if (held_ >= 0) ::close(held_);
}

}  // namespace filmotas::app
