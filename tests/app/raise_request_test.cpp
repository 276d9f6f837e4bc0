// Where the playing copy listens, and a later copy's request: answered, or given up in time
// whatever sits at the socket.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "app/raise_request.h"
#include "app/socket_place.h"
#include "support/fakes.h"

namespace filmotas::app {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kShortLimit = 100ms;
constexpr uid_t kNobody = 65534;

ino_t inodeOf(const std::string& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_ino;
}

struct Folders : testing::TempFolder {
  Folders() {
    fs::create_directory(file("data"));
    fs::permissions(file("data"), fs::perms::owner_all);
  }
  std::string folder(const std::string& name, int mode) const {
    fs::create_directory(file(name));
    ::chmod(file(name).c_str(), static_cast<mode_t>(mode));
    return file(name);
  }
  std::optional<SocketPlace> place(const std::string& runtime) const { return SocketPlace::find(file("data"), runtime); }
};

TEST(SocketPlace, OnlyAFolderNoOneElseMayWrite) {
  const struct {
    const char* runtime;   // under the temporary folder; "" unset
    int runtimeMode;
    int dataMode;
    const char* chosen;    // "runtime", "data" or "" for none
    bool another = false;  // the runtime folder is another user's (checked when run as root)
  } cases[] = {
      {"run", 0700, 0700, "runtime"},
      {"run", 0700, 0700, "data", true},
      {"run", 0755, 0777, "runtime"},   // the data folder's mode is no matter then
      {"run", 0775, 0700, "data"},      // others may write: never the runtime folder
      {"run", 01777, 0755, "data"},     // a shared folder like /tmp
      {"", 0, 0700, "data"},
      {"missing", -1, 0700, "data"},
      {"", 0, 0757, ""},         // others may write there too
  };
  for (const auto& c : cases) {
    if (c.another && ::geteuid() != 0) continue;
    Folders folders;
    ::chmod(folders.file("data").c_str(), static_cast<mode_t>(c.dataMode));
    std::string runtime;
    if (*c.runtime) runtime = c.runtimeMode < 0 ? folders.file(c.runtime) : folders.folder(c.runtime, c.runtimeMode);
    if (c.another && ::chown(runtime.c_str(), kNobody, kNobody) != 0) FAIL() << "chown";
    const auto place = folders.place(runtime);
    const std::string chosen = c.chosen;
    ASSERT_EQ(place.has_value(), !chosen.empty()) << c.runtime << " " << std::oct << c.runtimeMode;
    if (!place) continue;
    EXPECT_EQ(inodeOf("/proc/self/fd/" + std::to_string(place->folder())),
              inodeOf(folders.file(chosen == "runtime" ? c.runtime : "data"))) << c.runtime << " " << std::oct << c.runtimeMode;
  }
}

TEST(SocketPlace, RelativeRuntimeFolderIsIgnoredAndEachDataFolderHasItsOwnSocket) {
  Folders folders;
  const std::string runtime = folders.folder("run", 0700);
  fs::create_directory(folders.file("otra"));
  const auto one = folders.place(runtime);
  const auto spelledOtherwise = SocketPlace::find(folders.file("run/../data"), runtime);
  const auto other = SocketPlace::find(folders.file("otra"), runtime);
  ASSERT_TRUE(one && spelledOtherwise && other);
  EXPECT_EQ(one->name(), spelledOtherwise->name());
  EXPECT_NE(one->name(), other->name());
  EXPECT_EQ(folders.place("run")->name(), ".filmotas.socket");   // relative: the data folder
}

// A listener at the place that never takes a request, its queue filled with `waiting` ones.
int deafListener(const SocketPlace& place, int waiting) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, place.address().c_str());
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::listen(fd, 0);
  for (int i = 0; i < waiting; ++i) {
    const int asking = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ::connect(asking, reinterpret_cast<sockaddr*>(&address), sizeof address);   // kept open: it waits
  }
  return fd;
}

TEST(RaiseRequest, AnsweredOnlyByACopyThatTakesIt) {
  Folders folders;
  const auto place = folders.place("");
  ASSERT_TRUE(place);
  EXPECT_FALSE(askToShow(*place, kShortLimit)) << "nobody there";
  const int deaf = deafListener(*place, 0);
  EXPECT_FALSE(askToShow(*place, kShortLimit)) << "a listener that never takes a request";
  ::close(deaf);
  ::unlink(folders.file("data/.filmotas.socket").c_str());
  const int full = deafListener(*place, 3);
  EXPECT_FALSE(askToShow(*place, kShortLimit)) << "a queue that is full";
  ::close(full);

  const int listener = listenForRequests(*place);   // the socket left behind goes first
  ASSERT_GE(listener, 0);
  EXPECT_EQ(fs::status(folders.file("data/.filmotas.socket")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  std::thread playing([listener] {
    pollfd waiting{listener, POLLIN, 0};
    ::poll(&waiting, 1, 10000);
    takeRequest(listener);
  });
  EXPECT_TRUE(askToShow(*place, 10s));
  playing.join();
  EXPECT_FALSE(takeRequest(listener)) << "no request waiting";
  stopListening(listener, *place);
  EXPECT_FALSE(fs::exists(folders.file("data/.filmotas.socket")));
}

TEST(RaiseRequest, AFileThatIsNotASocketIsLeftAlone) {
  Folders folders;
  folders.write("data/.filmotas.socket", "mío");
  const auto place = folders.place("");
  EXPECT_EQ(listenForRequests(*place), -1);
  EXPECT_EQ(folders.read("data/.filmotas.socket"), "mío");
}

}  // namespace
}  // namespace filmotas::app
