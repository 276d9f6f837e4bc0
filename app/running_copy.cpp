#include "app/running_copy.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QWidget>
#include <cstring>
#include <optional>

namespace filmotas::app {

namespace {

constexpr int kWaitingCopies = 4;

std::optional<sockaddr_un> addressOf(const QByteArray& path) {
  sockaddr_un address{};
  if (path.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return std::nullopt;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  return address;
}

int openSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0); }

void raise(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  window->raise();
  window->activateWindow();
}

}  // namespace

QString runningCopyName(const QString& dataFolder) {
  const QByteArray folder = QDir(dataFolder).canonicalPath().toUtf8();
  const QString hash = QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
  QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (runtime.isEmpty()) runtime = QDir::tempPath();
  return runtime + QStringLiteral("/filmotas-") + hash;
}

// Without the socket the game still runs; only the raising is lost.
RunningCopy::RunningCopy(const QString& name, QWidget* window)
    : path_(QFile::encodeName(name)), window_(window) {
  const auto address = addressOf(path_);
  if (!address) return;
  ::unlink(path_.constData());
  fd_ = openSocket();
  if (fd_ < 0) return;
  if (::bind(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 ||
      ::listen(fd_, kWaitingCopies) != 0) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &RunningCopy::answer);
}

RunningCopy::~RunningCopy() {
  if (fd_ < 0) return;
  delete notifier_;
  ::close(fd_);
  ::unlink(path_.constData());
}

void RunningCopy::answer() {
  const int connection = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
  if (connection >= 0) ::close(connection);
  bringForward();
}

// A window that is not shown yet (the start-up is still asking something) stays hidden;
// an open message box or dialog comes up over the game window.
void RunningCopy::bringForward() {
  if (window_->isVisible()) raise(window_);
  if (QWidget* modal = QApplication::activeModalWidget()) raise(modal);
}

bool askRunningCopyToShow(const QString& name) {
  const auto address = addressOf(QFile::encodeName(name));
  if (!address) return false;
  const int fd = openSocket();
  if (fd < 0) return false;
  const bool answered = ::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0;
  ::close(fd);
  return answered;
}

}  // namespace filmotas::app
