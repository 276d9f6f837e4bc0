// NuevaPartida: count the list, draw a title, give a vowel away, lay the title out.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/system_random.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

using namespace testing;

// The record drawn from the titles "T1" to "T<count>" by the scripted values `draws`.
int drawn(int count, std::vector<float> draws) {
  std::vector<std::string> titles;
  for (int i = 1; i <= count; ++i) titles.push_back("T" + std::to_string(i));
  GameFixture f(titles);
  draws.push_back(0.0f);   // the vowel
  f.random.script(draws);
  f.game.Form_Load();
  EXPECT_EQ(f.random.reseeds, f.random.draws);   // each draw from the clock afresh
  return f.game.drawnRecord();
}

TEST(NewGame, DrawRoundsHalfToEvenAndDrawsAgainOutsideTheList) {
  EXPECT_EQ(drawn(4, {0.625f}), 2);         // 2.5
  EXPECT_EQ(drawn(4, {0.875f}), 4);         // 3.5
  EXPECT_EQ(drawn(4, {0.65f}), 3);          // 2.6
  EXPECT_EQ(drawn(2, {0.25f, 0.99f}), 2);   // 0.5 rounds to 0: drawn again
}

// Each game's draws start afresh: a reseeded source leaves the sequence it was on, which
// a copy that was not reseeded goes on drawing.
TEST(SystemRandom, ReseedingLeavesTheSequenceItWasOn) {
  SystemRandom kept;
  SystemRandom reseeded = kept;
  reseeded.reseed();
  std::vector<float> keptDraws(12), reseededDraws(4);
  for (float& r : keptDraws) r = kept.next();
  for (float& r : reseededDraws) r = reseeded.next();
  EXPECT_EQ(std::search(keptDraws.begin(), keptDraws.end(), reseededDraws.begin(), reseededDraws.end()), keptDraws.end());
  for (float r : keptDraws) EXPECT_TRUE(r >= 0.0f && r < 1.0f) << r;
}

// A full row of cells: the vowel shows in both cases, in the status bar and first in "Temp.dat".
TEST(VowelLayout, GivenVowelShowsOnTheBoardTheStatusBarAndTheScratchFile) {
  GameFixture f({"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx"});
  f.start('U');
  EXPECT_EQ(cells(f), "--------------------U-------------------------u---");
  EXPECT_EQ(f.m().panelText(3), "Vocal asignada: U");
  EXPECT_EQ(f.folder.read("Temp.dat"), record("U", 3) + record("u", 3));
}

// Whole 52-byte records only, and no more than a 16-bit count holds.
TEST(NewGame, CountsWholeRecordsUpTo32767) {
  GameFixture f;
  f.folder.write("Filmotas.dat", movieList({"UNO", "DOS"}) + std::string(26, '\0'));
  f.titleCount = 2;
  f.start('A', 2);
  EXPECT_EQ(f.game.titleCount(), 2);
  EXPECT_EQ(f.game.title(), "DOS");

  const std::string list(32767 * 52, '\0');
  f.folder.write("Filmotas.dat", list);
  f.titleCount = 32767;
  f.nextGame('A', 32767);
  f.game.NuevaPartida();
  EXPECT_EQ(f.game.titleCount(), 32767);
  f.folder.write("Filmotas.dat", list + record("X", 52));   // one more
  f.game.NuevaPartida();
  EXPECT_EQ(f.boxes.shown, Boxes(1, {"Error 6:\r\n\r\nDesbordamiento", "Error", 16}));
  EXPECT_EQ(f.game.title(), "");
  EXPECT_EQ(cells(f), "");
}

}  // namespace
}  // namespace filmotas
