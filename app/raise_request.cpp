#include "app/raise_request.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

namespace filmotas::app {

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kAnswer = '1';
constexpr int kWaitingRequests = 4;
constexpr int kRetryMs = 10;

std::optional<sockaddr_un> addressOf(const SocketPlace& place) {
  const std::string path = place.address();
  sockaddr_un address{};
  if (path.size() >= sizeof(address.sun_path)) return std::nullopt;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.data(), path.size());
  return address;
}

const sockaddr* generic(const sockaddr_un& address) { return reinterpret_cast<const sockaddr*>(&address); }

int openSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); }

class Socket {
 public:
  Socket() : fd_(openSocket()) {}
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int fd() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// What is left of the time limit, in whole milliseconds rounded up.
int msLeft(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<int>(std::max<long long>(left, 0));
}

// A socket that a copy left behind when it was killed; anything else at that name stays.
bool clearStaleSocket(const SocketPlace& place) {
  struct stat status {};
  if (::fstatat(place.folder(), place.name().c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
  return S_ISSOCK(status.st_mode) && ::unlinkat(place.folder(), place.name().c_str(), 0) == 0;
}

// A copy that takes no requests fills its queue; connecting then fails at once, so it is
// tried again until the deadline.
bool connectBy(int fd, const sockaddr_un& address, Clock::time_point deadline) {
  while (::connect(fd, generic(address), sizeof address) != 0) {
    if (errno != EAGAIN && errno != EINTR) return false;
    const int left = msLeft(deadline);
    if (left == 0) return false;
    ::poll(nullptr, 0, std::min(left, kRetryMs));
  }
  return true;
}

bool answeredBy(int fd, Clock::time_point deadline) {
  pollfd waiting{fd, POLLIN, 0};
  int ready;
  while ((ready = ::poll(&waiting, 1, msLeft(deadline))) < 0 && errno == EINTR) {
  }
  char answer = 0;
  return ready == 1 && ::recv(fd, &answer, 1, 0) == 1 && answer == kAnswer;
}

}  // namespace

int listenForRequests(const SocketPlace& place) {
  const auto address = addressOf(place);
  if (!address || !clearStaleSocket(place)) return -1;
  Socket listener;
  // Only the player's own copies may connect: the socket takes this mode when it is bound.
  if (listener.fd() < 0 || ::fchmod(listener.fd(), S_IRUSR | S_IWUSR) != 0 ||
      ::bind(listener.fd(), generic(*address), sizeof *address) != 0) {
    return -1;
  }
  if (::listen(listener.fd(), kWaitingRequests) != 0) {
    ::unlinkat(place.folder(), place.name().c_str(), 0);
    return -1;
  }
  return listener.release();
}

bool takeRequest(int listener) {
  const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
  if (connection < 0) return false;
  ::send(connection, &kAnswer, 1, MSG_NOSIGNAL);   // an asker that gave up already is no harm
  ::close(connection);
  return true;
}

void stopListening(int listener, const SocketPlace& place) {
  ::close(listener);
  ::unlinkat(place.folder(), place.name().c_str(), 0);
}

bool askToShow(const SocketPlace& place, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  const auto address = addressOf(place);
  const Socket asking;
  return address && asking.fd() >= 0 && connectBy(asking.fd(), *address, deadline) && answeredBy(asking.fd(), deadline);
}

}  // namespace filmotas::app
