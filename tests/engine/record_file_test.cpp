// Record files byte for byte: length-prefixed texts in fixed-length numbered records.
#include <gtest/gtest.h>

#include "engine/failure.h"
#include "engine/file_table.h"
#include "engine/record_file.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::FileSizeLimit;
using testing::TempFolder;
using testing::Unwritable;
using testing::record;

// Runs `operation` and returns the number of the failure it reports; 0 when none.
template <typename Operation>
int failureOf(Operation&& operation) {
  try {
    operation();
  } catch (const Failure& f) {
    return f.number();
  }
  return 0;
}

TEST(RecordFile, OpeningCreatesAMissingFileEmpty) {
  TempFolder folder;
  RecordFile file(folder.file("Temp.dat"), 3);
  EXPECT_TRUE(folder.exists("Temp.dat"));
  EXPECT_EQ(file.size(), 0);
  EXPECT_EQ(file.read(1), "");
  EXPECT_EQ(file.read(7), "");     // beyond the end: empty, no failure
  EXPECT_FALSE(file.readNext().has_value());
}

TEST(RecordFile, WritesLengthTextAndZeroPadding) {
  TempFolder folder;
  folder.write("Config.dat", std::string(8, '\xEE'));   // old bytes the new records replace
  RecordFile file(folder.file("Config.dat"), 4);
  file.write(1, "10");
  file.write(2, "0");
  file.write(4, "1");   // record 3 did not exist: it reads as empty
  EXPECT_EQ(folder.read("Config.dat"),
            std::string("\x02\x00" "10" "\x01\x00" "0\x00" "\x00\x00\x00\x00" "\x01\x00" "1\x00", 16));
  EXPECT_EQ(file.read(1), "10");
  EXPECT_EQ(file.read(3), "");
  EXPECT_EQ(file.read(4), "1");
}

TEST(RecordFile, FiftyCharactersFillATitleRecordAndFiftyOneFailWith59) {
  TempFolder folder;
  RecordFile file(folder.file("Filmotas.dat"), 52);
  const std::string fifty(50, 'x');
  file.write(1, fifty);
  EXPECT_EQ(folder.read("Filmotas.dat"), std::string("\x32\x00", 2) + fifty);
  EXPECT_EQ(failureOf([&] { file.write(2, std::string(51, 'y')); }), failure::kBadRecordLength);
  EXPECT_EQ(failureOf([&] { file.write(1, std::string(51, 'y')); }), failure::kBadRecordLength);
  EXPECT_EQ(folder.read("Filmotas.dat"), std::string("\x32\x00", 2) + fifty);   // nothing written
  file.write(2, "");   // an empty title is a record of its own
  EXPECT_EQ(file.size(), 104);
}

TEST(RecordFile, StoredLengthBeyondTheRecordIsCorrupt) {
  TempFolder folder;
  folder.write("Temp.dat", record("A", 3) + std::string("\x02\x00" "b", 3));
  RecordFile file(folder.file("Temp.dat"), 3);
  EXPECT_EQ(file.read(1), "A");
  EXPECT_EQ(failureOf([&] { file.read(2); }), failure::kBadRecordLength);
  EXPECT_EQ(file.readNext(), "A");
  EXPECT_EQ(failureOf([&] { file.readNext(); }), failure::kBadRecordLength);
}

TEST(RecordFile, TrailingPartialRecordIsNoWholeRecord) {
  TempFolder folder;
  // 130 bytes: two titles and 26 bytes of a third.
  folder.write("Filmotas.dat", testing::movieList({"UNO", "DOS"}) + record("TRES", 52).substr(0, 26));
  RecordFile file(folder.file("Filmotas.dat"), 52);
  EXPECT_EQ(file.readNext(), "UNO");
  EXPECT_EQ(file.readNext(), "DOS");
  EXPECT_FALSE(file.readNext().has_value());

  RecordFile counter(folder.file("Filmotas.dat"), 52);
  int whole = 0;
  while (counter.skipNext()) ++whole;
  EXPECT_EQ(whole, 2);
}

TEST(RecordFile, TextCutShortByTheEndOfTheFileReadsEmpty) {
  TempFolder folder;
  folder.write("Filmotas.dat", std::string("\x05\x00" "AB", 4));
  RecordFile file(folder.file("Filmotas.dat"), 52);
  EXPECT_EQ(file.read(1), "");
}

// A write that the system cuts short must not leave half a record behind.
TEST(RecordFile, FailedWriteLeavesTheFileExactlyAsItWas) {
  TempFolder folder;
  const std::string before = record("A", 3) + record("a", 3) + record("x", 3);
  folder.write("Temp.dat", before);
  RecordFile file(folder.file("Temp.dat"), 3);
  {
    FileSizeLimit limit(7);
    EXPECT_EQ(failureOf([&] { file.write(3, "k"); }), failure::kDiskFull);   // in place, across the cap
    EXPECT_EQ(failureOf([&] { file.write(4, "z"); }), failure::kDiskFull);   // appending
    EXPECT_EQ(failureOf([&] { file.write(9, "z"); }), failure::kDiskFull);   // far beyond the end
  }
  EXPECT_EQ(folder.read("Temp.dat"), before);
  file.write(4, "z");   // the cap lifted, writing works again
  EXPECT_EQ(file.read(4), "z");
}

TEST(RecordFile, ReadOnlyFileIsReadButNeverWritten) {
  TempFolder folder;
  const std::string before = testing::settingsFile("5", "1", "0");
  folder.write("Config.dat", before);
  Unwritable readOnly(folder.file("Config.dat"));
  RecordFile file(folder.file("Config.dat"), 4);
  EXPECT_EQ(file.read(1), "5");
  EXPECT_EQ(failureOf([&] { file.write(1, "6"); }), failure::kPermissionDenied);
  EXPECT_EQ(folder.read("Config.dat"), before);
}

TEST(RecordFile, MissingFileInAnUnwritableFolderCannotBeOpened) {
  TempFolder folder;
  Unwritable readOnly(folder.path());
  EXPECT_EQ(failureOf([&] { RecordFile(folder.file("Temp.dat"), 3); }), failure::kPermissionDenied);
  EXPECT_FALSE(folder.exists("Temp.dat"));
}

TEST(FileTable, NumbersAreReusedAndAFileIsOpenOnlyOnce) {
  TempFolder folder;
  FileTable files;
  EXPECT_EQ(files.freeFile(), 1);
  files.open(1, folder.file("Filmotas.dat"), 52);
  EXPECT_EQ(files.freeFile(), 2);
  EXPECT_EQ(failureOf([&] { files.open(1, folder.file("Temp.dat"), 3); }), failure::kFileAlreadyOpen);
  EXPECT_EQ(failureOf([&] { files.open(2, folder.file("Filmotas.dat"), 52); }), failure::kFileAlreadyOpen);
  EXPECT_EQ(failureOf([&] { files.deleteFile(folder.file("Filmotas.dat")); }), failure::kFileAlreadyOpen);
  EXPECT_EQ(failureOf([&] { files[3]; }), failure::kBadFileNameOrNumber);
  files.close(3);   // nothing open under 3: no effect
  files.close(1);
  EXPECT_FALSE(files.isOpen(1));
  EXPECT_EQ(files.freeFile(), 1);
  files.deleteFile(folder.file("Filmotas.dat"));
  EXPECT_FALSE(folder.exists("Filmotas.dat"));
}

}  // namespace
}  // namespace filmotas
