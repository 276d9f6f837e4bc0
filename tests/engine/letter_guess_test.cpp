// The letter guess: refusal, reveal, repeats, verdicts, the gallows and the wait timer.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "support/fakes.h"

namespace filmotas {
namespace {

using namespace testing;

const std::string kGivenA = record("A", 3) + record("a", 3);

// Refused or unstorable, the letter is emptied and nothing waits for a tick.
TEST(LetterGuess, VowelsAndUnstorableCharactersAreNotJudged) {
  MonoAzul f;
  for (const char* refused : {"E", "Ł"}) {   // no data file could record the second
    f.game.setTxtIntroducir(refused);
    EXPECT_EQ(std::tuple(f.m().txtIntroducir, f.m().tmrContadorInterval), std::tuple("", 0)) << refused;
  }
  EXPECT_EQ(f.boxes.shown, Boxes(1, {"No se pueden decir vocales", "Filmotas", 0}));
}

// With a missing or empty list, or after a new game stopped by a
// failure: a letter or an answer is refused with a beep, and nothing is judged or recorded.
TEST(LetterGuess, WithNoGameUnderWayNothingIsJudged) {
  struct Case { std::vector<std::string> titles; std::string config; bool readOnly, noList; ShownBox box; };
  const ShownBox noTitles{"No hay ninguna película almacenada. Para poder jugar tendrá que agregar "
                          "filmotas o instalar de nuevo el programa.", "No hay filmotas", 48};
  const Case cases[] = {
      {{}, "", false, false, noTitles},
      {{}, "", false, true, noTitles},
      {{"Mono azul"}, settingsFile("1", "0", "1"), true, false, errorBox(70, "Permiso denegado")}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box.text);
    GameFixture f(c.titles, c.config);
    if (c.noList) std::filesystem::remove(f.folder.file("Filmotas.dat"));
    {
      std::optional<Unwritable> readOnly;
      if (c.readOnly) readOnly.emplace(f.folder.path());
      f.start('A');
    }
    EXPECT_EQ(f.boxes.shown, Boxes{c.box});
    EXPECT_TRUE(f.folder.exists("Filmotas.dat"));   // a missing list is created empty
    const std::string temp = f.folder.read("Temp.dat");
    f.game.setTxtIntroducir("x");
    f.game.setChkResponder(1);
    f.game.cmdAceptar_Click();   // an empty answer, as empty as a title never drawn
    EXPECT_EQ(std::tuple(f.m().txtIntroducir, f.m().tmrContadorInterval, f.boxes.beeps, f.boxes.shown.size(), cells(f)),
              std::tuple("", 0, 2, 1u, ""));
    EXPECT_EQ(f.folder.read("Temp.dat"), temp);
  }
}

// A repeat keeps the record number it reserved, which stays empty.
TEST(LetterGuess, RepeatsIgnoreCaseAndCountTheGivenVowel) {
  MonoAzul f(settingsFile("1", "1", "0"));
  for (const char* letter : {"B", "b", "a", "x"}) f.say(letter);
  EXPECT_EQ(f.boxes.shown, (Boxes{{"La letra ''b'' ya ha sido repetida", "Letra repetida", 0},
                                  {"La letra ''a'' ya ha sido repetida", "Letra repetida", 0}}));
  EXPECT_EQ(f.folder.read("Temp.dat"), kGivenA + record("B", 3) + std::string(6, '\0') + record("x", 3));
}

// A letter "Temp.dat" cannot record is reported and does not count: what it uncovered
// stays shown, its record number stays taken, and it may be said again.
TEST(LetterGuess, LetterTheScratchFileCannotRecordDoesNotCount) {
  MonoAzul f;
  {
    const Unwritable readOnly(f.folder.file("Temp.dat"));
    f.game.setTxtIntroducir("m");
  }
  EXPECT_EQ(f.boxes.shown, Boxes{errorBox(70, "Permiso denegado")});
  EXPECT_EQ(std::tuple(cells(f), f.m().panelText(1), f.m().tmrContadorInterval), std::tuple("M--- a---", "", 0));
  f.game.setTxtIntroducir("");
  f.say("m");
  EXPECT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.folder.read("Temp.dat"), kGivenA + std::string(3, '\0') + record("m", 3));
}

// The option boxes clicked during a game judge the next letter: vowels are refused only
// while unchecked, case is ignored only while checked.
TEST(LetterGuess, OptionsClickedDuringAGameJudgeTheNextLetter) {
  const struct { std::string config; bool vowelsBox; int state; const char* letter; const char* cells; } cases[] = {
      {settingsFile("1", "1", "0"), true, 0, "o", "---- a---"}, {settingsFile("1", "1", "0"), false, 1, "m", "M--- a---"},
      {settingsFile("1", "0", "1"), true, 2, "o", "-o-o a---"}, {settingsFile("1", "0", "1"), false, 2, "m", "---- a---"}};
  for (const auto& c : cases) {
    MonoAzul f(c.config);
    if (c.vowelsBox) {
      f.game.setChkSePuedenVocales(c.state);
    } else {
      f.game.setChkMayusculas(c.state);
    }
    f.game.setTxtIntroducir(c.letter);
    EXPECT_EQ(cells(f), c.cells) << c.letter << " " << c.state;
    EXPECT_EQ(f.boxes.shown.size(), c.state == 0 ? 1u : 0u);
  }
}

// The pieces in their order: the four posts, head, body, both legs, both arms.
TEST(LetterGuess, MissesBuildTheGallowsInFiveStages) {
  MonoAzul f;
  const char* stages[] = {"1111000000", "1111100000", "1111110000", "1111111100", "1111111111"};
  const std::string misses = "xkwqj";
  f.boxes.answer(box::kAnswerNo);   // leave after the loss, so the last stage stays to be seen
  for (std::size_t i = 0; i < misses.size(); ++i) {
    f.game.setTxtIntroducir(misses.substr(i, 1));
    std::string shown;
    for (bool visible : f.m().piezaVisible) shown += visible ? '1' : '0';
    EXPECT_EQ(std::tuple(shown, f.m().panelText(1), f.m().panelText(2)),
              std::tuple(stages[i], "No es correcto", "Letras no acertadas: " + misses.substr(0, i + 1)));
    f.game.tmrContador_Timer();
  }
}

// The letter box is drawn again only when the game empties it: the player's letter is
// on screen already.
TEST(WaitTimer, ArmedForTheWaitPlusOneMillisecondAndClearedByOneTick) {
  MonoAzul f;
  int letterBoxDrawn = 0, ticks = 0;
  f.game.setObserver([&](Control c, int) { letterBoxDrawn += c == Control::txtIntroducir; });
  for (const auto& [seconds, interval] : {std::pair{0, 1}, {10, 10001}}) {
    f.game.setSldRapidez(seconds);
    f.game.setTxtIntroducir("x");   // judged the first time, repeated the second: armed both times
    EXPECT_EQ(std::tuple(f.m().tmrContadorInterval, letterBoxDrawn), std::tuple(interval, ticks));
    f.game.tmrContador_Timer();
    ++ticks;
    EXPECT_EQ(std::tuple(f.m().txtIntroducir, f.m().panelText(1), f.m().tmrContadorInterval, letterBoxDrawn),
              std::tuple("", "", 0, ticks));
  }
  EXPECT_EQ(f.m().lblRapidez, "10 segundos");
}

// The letter is recorded in the data files' code page, and its small letter uncovers the
// accented capital on screen.
TEST(PartnerCode, AccentedLetterIsRecordedAndUncoversItsCapital) {
  GameFixture f({"ÁLAMO"}, settingsFile("1", "1", "1"));
  f.start('E');
  f.say("á");
  EXPECT_EQ(cells(f), "Á----");
  EXPECT_EQ(f.folder.read("Temp.dat"), record("E", 3) + record("e", 3) + record("\xE1", 3));
}

}  // namespace
}  // namespace filmotas
