#include "app/running_copy.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace filmotas::app {

namespace {

constexpr int kConnectTimeoutMs = 1000;

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

RunningCopy::RunningCopy(const QString& name, QWidget* window) : window_(window) {
  QLocalServer::removeServer(name);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      socket->disconnectFromServer();
    }
    bringForward();
  });
  server_.listen(name);   // without the socket the game still runs; only the raising is lost
}

// A window that is not shown yet (the start-up is still asking something) stays hidden;
// an open message box or dialog comes up over the game window.
void RunningCopy::bringForward() {
  if (window_->isVisible()) raise(window_);
  if (QWidget* modal = QApplication::activeModalWidget()) raise(modal);
}

bool askRunningCopyToShow(const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.disconnectFromServer();
  return true;
}

}  // namespace filmotas::app
