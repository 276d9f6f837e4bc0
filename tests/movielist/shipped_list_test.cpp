// The movie list that ships with the program: its source data/peliculas.txt and the
// "Filmotas.dat" that the build step writes from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>

#include "engine/utf8.h"
#include "engine/windows1252.h"
#include "support/fakes.h"
#include "support/shipped_data.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

constexpr std::size_t kRecordLength = 52;
constexpr std::size_t kLongestTitle = 50;

std::vector<std::string> shippedTitles() { return sourceLines("peliculas.txt"); }

// The titles of a movie list's bytes, as UTF-8, reporting every record that breaks the
// format: a trailing partial record, a length over 50, padding that is not zero bytes.
std::vector<std::string> titlesOfRecords(const std::string& bytes) {
  EXPECT_EQ(bytes.size() % kRecordLength, 0u) << "the list ends in a partial record";
  std::vector<std::string> titles;
  for (std::size_t at = 0; at + kRecordLength <= bytes.size(); at += kRecordLength) {
    const std::size_t number = at / kRecordLength + 1;
    const std::size_t stored = static_cast<unsigned char>(bytes[at]) |
                               static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
    EXPECT_LE(stored, kLongestTitle) << "record " << number;
    const std::size_t length = std::min(stored, kLongestTitle);
    const std::string padding = bytes.substr(at + 2 + length, kRecordLength - 2 - length);
    EXPECT_EQ(padding, std::string(padding.size(), '\0')) << "padding of record " << number;
    titles.push_back(windows1252::decode(bytes.substr(at + 2, length)));
  }
  return titles;
}

// A title folded to compare for duplicates: plain letters in lower case.
std::string folded(std::string title) {
  for (char& c : title)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return title;
}

}  // namespace

TEST(ShippedMovieList, EveryTitleIsDistinctAndFitsARecord) {
  const auto titles = shippedTitles();
  EXPECT_GE(titles.size(), 300u);
  std::set<std::string> seen;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    const std::string& t = titles[i];
    SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + t);
    EXPECT_FALSE(t.empty());
    EXPECT_TRUE(windows1252::canEncode(t)) << "no Windows-1252 code for " << windows1252::unencodable(t);
    EXPECT_LE(utf8::length(t), kLongestTitle);
    // A blank at either end or a doubled one would be an invisible cell nobody can answer.
    EXPECT_TRUE(t.front() != ' ' && t.back() != ' ' && t.find("  ") == std::string::npos);
    EXPECT_TRUE(seen.insert(folded(t)).second) << "duplicate title";
  }
}

TEST(ShippedMovieList, TitlesExerciseTheWholeCodePage) {
  std::string all;
  for (const auto& t : shippedTitles()) all += t + "\n";
  for (const char* needed : {"á", "é", "í", "ó", "ú", "ñ", "Á", "¿", "?", "¡", "!", ":", ",", ".", "'", "-"})
    EXPECT_NE(all.find(needed), std::string::npos) << "no title holds " << needed;
  EXPECT_NE(all.find_first_of("0123456789"), std::string::npos) << "no title holds a digit";
}

TEST(ShippedMovieList, BuildStepWritesEachTitleAsOneRecordInOrder) {
  TempFolder program;
  ASSERT_EQ(runMakeData(program.path().string()), 0);
  const std::string bytes = program.read("Filmotas.dat");
  const auto titles = shippedTitles();
  EXPECT_EQ(bytes.size(), titles.size() * kRecordLength);
  EXPECT_EQ(titlesOfRecords(bytes), titles);
  EXPECT_FALSE(program.exists("Filmotas.dat.part"));
}

TEST(ShippedMovieList, BuildStepKeepsAListAlreadyThereInAnySpelling) {
  TempFolder program;
  ASSERT_EQ(runMakeData(program.path().string()), 0);
  const std::string extended = program.read("Filmotas.dat") + record("Otra mas", 52);
  program.write("Filmotas.dat", extended);
  ASSERT_EQ(runMakeData(program.path().string()), 0);
  EXPECT_EQ(program.read("Filmotas.dat"), extended);

  TempFolder other;
  other.write("FILMOTAS.DAT", record("Solo una", 52));
  ASSERT_EQ(runMakeData(other.path().string()), 0);
  EXPECT_FALSE(other.exists("Filmotas.dat"));
  EXPECT_EQ(other.read("FILMOTAS.DAT"), record("Solo una", 52));
}

TEST(ShippedMovieList, BuildStepStartsAfreshOverALeftoverOfAnInterruptedRun) {
  TempFolder program;
  program.write("Filmotas.dat.part", std::string(1000 * kRecordLength, 'x'));
  ASSERT_EQ(runMakeData(program.path().string()), 0);
  EXPECT_EQ(program.read("Filmotas.dat").size(), shippedTitles().size() * kRecordLength);
  EXPECT_FALSE(program.exists("Filmotas.dat.part"));
}

TEST(ShippedMovieList, BuildStepRefusesABadSourceAndWritesNothing) {
  for (const std::string& bad : std::vector<std::string>{"Título con ✓", std::string(51, 'x')}) {
    SCOPED_TRACE(bad);
    TempFolder data, program;
    data.write("peliculas.txt", "Casablanca\n" + bad + "\nEl Cid\n");
    EXPECT_NE(runMakeData(program.path().string(), data.path().string()), 0);
    EXPECT_FALSE(program.exists("Filmotas.dat"));
    EXPECT_FALSE(program.exists("Filmotas.dat.part"));
  }
}

// The list beside the program is the one the game plays; a rebuild keeps it as it is,
// so it may come from an earlier source or hold titles the player added since.
TEST(ShippedMovieList, ListBesideTheProgramIsTheShippedOneOrAnExtensionOfIt) {
  const std::string bytes = fileBytes(FILMOTAS_BUILD_DIR "/Filmotas.dat");
  ASSERT_FALSE(bytes.empty()) << "the build writes Filmotas.dat beside the program";
  const auto stored = titlesOfRecords(bytes);
  const auto shipped = shippedTitles();
  const bool fromThisSource = stored.size() >= shipped.size() &&
                              std::equal(shipped.begin(), shipped.end(), stored.begin());
  if (!fromThisSource)
    GTEST_SKIP() << "Filmotas.dat beside the program was written from another version of "
                    "data/peliculas.txt; delete it and build again to compare it";
  if (stored.size() > shipped.size())
    std::cout << "[ NOTE     ] the list beside the program holds " << stored.size() - shipped.size()
              << " titles added after the shipped ones\n";
}
