// Where the folder takes no new file, the settings are written over the old ones in place:
// a disk that fails at any byte of that write leaves the old file, never a mix.
#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "support/fakes.h"
#include "support/file_faults.h"

namespace filmotas {
namespace {

using namespace testing;
using std::filesystem::perms;

TEST(SettingsInPlace, OneWriteOfAllTwelveBytesOrTheOldFileBack) {
  const std::string old = settingsFile("5", "1", "0") + "tail";
  const std::string written = settingsFile("7", "0", "1") + "tail";
  for (std::size_t room = 0; room <= 12; ++room) {
    SCOPED_TRACE("room for " + std::to_string(room));
    const TempFolder folder;
    folder.write("Config.dat", old);
    std::filesystem::permissions(folder.file("Config.dat"), perms::all);   // the folder's refusal alone
    ScriptedDisk disk(room);
    int failure = 0;
    {
      const Unwritable refusesNewFiles(folder.path());
      failure = failureOf([&] { writeSettings(folder.file("Config.dat"), Settings{7, 0, 1}, disk.write()); });
    }
    EXPECT_EQ(folder.read("Config.dat"), room == 12 ? written : old);
    EXPECT_EQ(failure, room == 12 ? 0 : failure::kDiskFull);
    if (room == 12) {
      EXPECT_EQ(disk.calls, 1);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  }
}

}  // namespace
}  // namespace filmotas
