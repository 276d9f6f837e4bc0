// What the file layer does with hostile or unlucky files: links it must not follow, FIFOs
// and devices it must not wait on, a disk that fills in the middle of a write, and the
// temporary files an interrupted write leaves behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <optional>

#include "files/failure.h"
#include "files/file_replace.h"
#include "files/record_codec.h"
#include "files/record_file.h"
#include "files/whole_file.h"
#include "settings/settings_file.h"
#include "support/fakes.h"
#include "support/file_faults.h"

namespace filmotas {
namespace {

namespace fs = std::filesystem;
using testing::failureOf;
using testing::ScriptedDisk;
using testing::TempFolder;

bool runsAsRoot() { return ::geteuid() == 0; }

// "Another user", for files that only root can give away.
constexpr uid_t kOtherUser = 54321;

// Root acting as `uid` while it lives.
class ActingAs {
 public:
  explicit ActingAs(uid_t uid) {
    if (::seteuid(uid) != 0) std::abort();
  }
  ~ActingAs() {
    if (::seteuid(0) != 0) std::abort();   // later tests need their rights back
  }
};

// Builds files, folders, links and FIFOs in a temporary folder, each owned by `owner`.
struct Tree : TempFolder {
  void put(const std::string& name, const std::string& bytes, uid_t owner = ::geteuid()) const {
    write(name, bytes);
    if (::chown(file(name).c_str(), owner, ::getegid()) != 0) std::abort();
  }
  void folder(const std::string& name, mode_t mode, uid_t owner = ::geteuid()) const {
    fs::create_directory(path() / name);
    if (::chown(file(name).c_str(), owner, ::getegid()) != 0 || ::chmod(file(name).c_str(), mode) != 0) std::abort();
  }
  void link(const std::string& name, const std::string& target, uid_t owner = ::geteuid()) const {
    fs::create_symlink(target, path() / name);
    if (::lchown(file(name).c_str(), owner, ::getegid()) != 0) std::abort();
  }
  void fifo(const std::string& name) const {
    if (::mkfifo(file(name).c_str(), 0666) != 0) std::abort();
  }

  // Every entry below the folder: its owner and its bytes, link text or kind.
  std::map<std::string, std::pair<uid_t, std::string>> contents() const {
    std::map<std::string, std::pair<uid_t, std::string>> out;
    for (const auto& entry : fs::recursive_directory_iterator(path())) {
      struct stat st {};
      ::lstat(entry.path().c_str(), &st);
      const std::string name = fs::relative(entry.path(), path()).string();
      std::string what = entry.is_symlink() ? "-> " + fs::read_symlink(entry.path()).string()
                         : S_ISREG(st.st_mode) ? read(name)
                         : S_ISDIR(st.st_mode) ? "folder" : "special";
      out[name] = {st.st_uid, what};
    }
    return out;
  }
};

const std::string kOld = "secreto!";
const std::string kNew = record::encode("ab", 4) + record::encode("cd", 4);

// A whole-file replace and a record write in place, each at `path`.
const std::pair<const char*, std::function<void(const std::string&)>> kWrites[] = {
    {"replace", [](const std::string& path) { replaceFile(path, kNew); }},
    {"in place", [](const std::string& path) { RecordFile(path, 4).writeRecords(1, kNew); }}};

// A link is followed only when it is the player's (or root's, outside a folder others
// may write) and names a regular file of the player's; then that file changes and the
// link stays. Any other link is 70 and nothing anywhere changes.
TEST(Links, FollowedOnlyWhenThePlayersAndToThePlayersFile) {
  const uid_t other = runsAsRoot() ? kOtherUser : ::geteuid();
  // Each link planted, the path written, the failure and the file that changes ("" none).
  const struct Case { const char* what; bool needsRoot, actAsOther; std::function<void(const Tree&)> plant;
                      const char* path; int failure; const char* changed; } cases[] = {
      {"own link to own file", false, false,
       [](const Tree& t) { t.folder("sub", 0755); t.put("sub/privado", kOld); t.link("lista", "sub/privado"); },
       "lista", 0, "sub/privado"},
      {"another user's link", true, false,
       [&](const Tree& t) { t.put("privado", kOld); t.link("lista", "privado", other); }, "lista", 70, ""},
      {"own link to another user's file", true, false,
       [&](const Tree& t) { t.put("privado", kOld, other); t.link("lista", "privado"); }, "lista", 70, ""},
      {"root's link in a folder others may write", true, true,
       [&](const Tree& t) {
         t.folder("suyo", 0755, other); t.put("suyo/privado", kOld, other);
         t.folder("pub", 01777, 0); t.link("pub/lista", "../suyo/privado", 0);
       }, "pub/lista", 70, ""},
      {"root's link in the player's folder", true, true,
       [&](const Tree& t) { t.folder("suyo", 0755, other); t.put("suyo/privado", kOld, other); t.link("suyo/lista", "privado", 0); },
       "suyo/lista", 0, "suyo/privado"},
      {"dangling link", false, false, [](const Tree& t) { t.link("lista", "nada"); }, "lista", 70, ""},
      {"link to a link", false, false,
       [](const Tree& t) { t.put("privado", kOld); t.link("otro", "privado"); t.link("lista", "otro"); }, "lista", 70, ""},
      {"link to a FIFO", false, false, [](const Tree& t) { t.fifo("tubo"); t.link("lista", "tubo"); }, "lista", 70, ""},
  };
  int skipped = 0;
  for (const Case& c : cases) {
    if (c.needsRoot && !runsAsRoot()) {
      ++skipped;
      continue;
    }
    for (const auto& [how, write] : kWrites) {
      SCOPED_TRACE(std::string(c.what) + ", " + how);
      const Tree tree;
      c.plant(tree);
      auto expected = tree.contents();
      {
        std::optional<ActingAs> player;
        if (c.actAsOther) player.emplace(other);
        EXPECT_EQ(failureOf([&] { write(tree.file(c.path)); }), c.failure);
      }
      if (*c.changed) expected[c.changed].second = kNew;
      EXPECT_EQ(tree.contents(), expected);
    }
  }
  if (skipped > 0) GTEST_SKIP() << skipped << " cases need root to give files to another user";
}

// A FIFO, a folder or a device is never waited on: reading, writing in place, replacing
// and the settings' closing write all fail at once, 75 where the name itself is wrong,
// 70 where a link would have to be followed to write.
TEST(SpecialFiles, NeverBlockAndFailWithTheirNumber) {
  ::alarm(20);   // a read that blocks would end the test here instead of hanging
  const struct {
    const char* what;
    std::function<void(const Tree&)> plant;
    int read, inPlace, replace, settings;
  } cases[] = {
      {"FIFO", [](const Tree& t) { t.fifo("Config.dat"); }, 75, 75, 75, 75},
      {"folder", [](const Tree& t) { t.folder("Config.dat", 0755); }, 75, 75, 75, 75},
      {"link to a device", [](const Tree& t) { t.link("Config.dat", "/dev/zero"); }, 75, 70, 70, 75},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Tree tree;
    c.plant(tree);
    const std::string path = tree.file("Config.dat");
    EXPECT_EQ(failureOf([&] { readFileBytes(path); }), c.read);
    EXPECT_EQ(failureOf([&] { RecordFile(path, 4).write(1, "1"); }), c.inPlace);
    EXPECT_EQ(failureOf([&] { replaceFile(path, kNew); }), c.replace);
    EXPECT_EQ(failureOf([&] { writeSettings(path, Settings{}); }), c.settings);
  }
  ::alarm(0);
}

// A disk that fills at any byte of a record write: the file stays as it was, the bytes of
// a damaged incomplete last record included, and reads on; with room for every byte, the
// records are written.
TEST(RecordWrite, AFailureAtAnyBytePutsEveryOldByteBack) {
  const std::string tail("\xb2\x27\x0a\xef", 4);
  const std::string one = record::encode("Uno", 52), two = record::encode("Dos", 52), s = record::encode("s", 52);
  const struct { const char* what; std::string old; std::int64_t first; std::string records, written; } cases[] = {
      {"two records over a damaged tail", one + tail, 2, s + s, one + s + s},
      {"over a middle record", one + two + tail, 1, s, s + two + tail},
      {"past the end", one, 3, s, one + std::string(52, '\0') + s},
  };
  const TempFolder folder;
  for (const auto& c : cases) {
    for (std::size_t room = 0; room <= c.records.size(); ++room) {
      SCOPED_TRACE(std::string(c.what) + ", room for " + std::to_string(room));
      folder.write("Filmotas.dat", c.old);
      RecordFile list(folder.file("Filmotas.dat"), 52);
      ScriptedDisk disk(room);
      const bool fits = room == c.records.size();
      EXPECT_EQ(failureOf([&] { list.writeRecords(c.first, c.records, disk.write()); }), fits ? 0 : 61);
      EXPECT_EQ(folder.read("Filmotas.dat"), fits ? c.written : c.old);
      EXPECT_EQ(list.read(1), fits && c.first == 1 ? "s" : "Uno");
    }
  }
}

// At start the data folder loses the temporary files that killed writes left there, and
// nothing else: not a file a running write holds, not another user's, not the player's
// own files of like names.
TEST(Leftovers, OnlyStaleTemporaryFilesOfThePlayersAreRemoved) {
  const Tree tree;
  const char* const kept[] = {".filmotas-Held01", ".filmotas-abc", "filmotas-Ab12Cd", "Filmotas.dat"};
  for (const char* name : kept) tree.put(name, "mío");
  tree.put(".filmotas-Ab12Cd", "copia");
  if (runsAsRoot()) tree.put(".filmotas-Ajeno1", "suyo", kOtherUser);
  tree.folder(".filmotas-Folder", 0755);
  tree.link(".filmotas-Link01", "Filmotas.dat");
  const int held = ::open(tree.file(".filmotas-Held01").c_str(), O_RDONLY);   // a write under way
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  removeStaleTemporaries(tree.path().string());
  ::close(held);
  EXPECT_FALSE(tree.exists(".filmotas-Ab12Cd"));
  for (const char* name : kept) EXPECT_TRUE(tree.exists(name)) << name;
  EXPECT_EQ(tree.exists(".filmotas-Ajeno1"), runsAsRoot());
  EXPECT_TRUE(tree.exists(".filmotas-Folder") && fs::is_symlink(tree.path() / ".filmotas-Link01"));

  // A replace's own temporary file is one of these, kept while it is written.
  ScriptedDisk disk;
  disk.whileWriting = [&] { removeStaleTemporaries(tree.path().string()); };
  EXPECT_EQ(replaceFile(tree.file("Filmotas.dat"), "nueva", disk.write()), ReplaceResult::replaced);
  EXPECT_EQ(tree.read("Filmotas.dat"), "nueva");
}

}  // namespace
}  // namespace filmotas
