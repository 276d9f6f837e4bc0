// How games end: the win, the loss, the whole-title answer, leaving, and the ticks that
// fall due meanwhile.
#include <gtest/gtest.h>

#include <tuple>

#include "support/fakes.h"

namespace filmotas {
namespace {

using namespace testing;

const std::string kWon = "¡Has ganado, felicidades!\r\n\r\n¿Quieres jugar otra vez?";
const std::string kOver = "La película era: Mono azul\r\n\r\n¿Quieres jugar otra vez?";

// The verdict shows behind the play-again box; Yes starts the next game, clean.
TEST(EndOfGame, LastHitWinsFifthMissLosesAndYesStartsAGame) {
  const struct { std::vector<const char*> said; const char* last; ShownBox box; const char* verdict; } cases[] = {
      {{"m", "n", "z", "l", "o"}, "u", {kWon, "¿Otra vez?", 36}, "¡Correcto!"},
      {{"x", "k", "w", "q"}, "j", {"Has fallado, vuelve a intentarlo.\r\n" + kOver, "Has perdido", 36}, "No es correcto"}};
  for (const auto& c : cases) {
    MonoAzul f(settingsFile("1", "1", "1"));
    for (const char* letter : c.said) f.say(letter);
    std::string verdict;
    f.boxes.whileShown = [&] { verdict = f.m().panelText(1); };
    f.nextGame('O', 2);
    f.game.setTxtIntroducir(c.last);
    EXPECT_EQ(f.boxes.shown, Boxes{c.box});
    EXPECT_EQ(verdict, c.verdict);
    // The next game starts afresh: no letter, verdict or wait of the last one is left.
    EXPECT_EQ(std::tuple(f.game.rules().misses(), cells(f), f.m().panelText(2), f.m().panelText(1),
                         f.m().txtIntroducir, f.m().tmrContadorInterval),
              std::tuple(0, std::string("-O-"), std::string("Letras no acertadas: "), "", "", 0));
    EXPECT_EQ(f.m().piezaVisible, (std::array<bool, kPieceCount>{}));
    EXPECT_EQ(f.folder.read("Temp.dat"), record("O", 3) + record("o", 3));
  }
}

// With case counted, "M" after "m" is a repeat that uncovers the last cell: its box, then the win's.
TEST(EndOfGame, RepeatThatUncoversTheLastCellWins) {
  GameFixture f({"Mm"}, settingsFile("1", "0", "0"));
  f.start('A');
  f.say("m");
  f.game.setTxtIntroducir("M");
  EXPECT_EQ(f.boxes.shown, (Boxes{{"La letra ''M'' ya ha sido repetida", "Letra repetida", 0}, {kWon, "¿Otra vez?", 36}}));
}

// Yes starts the next game once the losing letter is done with: a title the given vowel
// shows whole waits for a letter, as a game started from the menu does.
TEST(EndOfGame, NextGameAfterYesWaitsForItsFirstLetter) {
  GameFixture f({"A", "E"}, settingsFile("1", "0", "1"));
  f.start('I', 1);
  for (const char* letter : {"x", "k", "w", "q"}) f.say(letter);
  f.nextGame('E', 2);
  f.game.setTxtIntroducir("j");
  EXPECT_EQ(f.boxes.shown, (Boxes{{"Has fallado, vuelve a intentarlo.\r\nLa película era: A\r\n\r\n"
                                   "¿Quieres jugar otra vez?", "Has perdido", 36}}));
  EXPECT_EQ(cells(f), "E");
  f.game.setTxtIntroducir("x");
  EXPECT_EQ(f.boxes.shown.back(), (ShownBox{kWon, "¿Otra vez?", 36}));
}

// No leaves the program: every window closes, in order, and nothing runs after that.
TEST(EndOfGame, NoClosesTheWindowsInOrderAndNothingRunsAfter) {
  MonoAzul f;
  for (const char* letter : {"x", "k", "w", "q"}) f.say(letter);
  f.boxes.answer(box::kAnswerNo);
  f.boxes.whileShown = [&] { f.game.tmrContador_Timer(); };   // held back, then dropped
  f.game.setTxtIntroducir("j");
  f.game.NuevaPartida();   // events after closing are ignored
  EXPECT_EQ(f.m().txtIntroducir, "j");
  EXPECT_EQ(f.folder.read("Temp.dat").size(), 21u);   // the vowel and five misses, left in place
  EXPECT_EQ(f.windows.closed, (std::vector<std::string>{"frmAgregar", "frmAyuda", "frmFilmotas"}));
  EXPECT_EQ(f.folder.read("Config.dat"), settingsFile("1", "0", "1"));
  EXPECT_EQ(f.m().tmrContadorInterval, 0);   // not armed after leaving
}

// A new game that fails after a loss leaves no game: nothing is won, and a letter is not judged.
TEST(EndOfGame, NewGameThatFailsAfterALossLeavesNoGame) {
  MonoAzul f;
  for (const char* letter : {"x", "k", "w", "q"}) f.say(letter);
  f.folder.write("Filmotas.dat", std::string("\x33\x00", 2) + std::string(50, 'x'));   // a length over 50
  f.say("j");   // lost; Yes
  f.say("m");
  EXPECT_EQ(f.boxes.shown.size(), 2u);
  EXPECT_EQ(f.boxes.shown.back(), errorBox(59, "Longitud de registro incorrecta"));
  EXPECT_EQ(f.boxes.beeps, 1);
}

// The next game starts out of answer mode, its answer box empty.
TEST(Answer, OnlyTheExactTitleWinsAndTheNextGameLeavesAnswerMode) {
  const std::string failed = "No lo has conseguido.\r\n" + kOver;
  for (const auto& [answer, text] : {std::pair{"Mono azul", kWon}, {"mono azul", failed}, {"Mono azul ", failed}}) {
    MonoAzul f;
    f.game.setChkResponder(1);
    f.game.setTxtResponder(answer);
    f.game.cmdAceptar_Click();
    EXPECT_EQ(f.boxes.shown, (Boxes{{text, "¿Otra vez?", 36}})) << answer;
    EXPECT_EQ(std::tuple(f.m().chkResponder, f.m().txtResponder), std::tuple(0, "")) << answer;
  }
}

// A modal box or the add-movie dialog holds a tick back until the handler is done.
TEST(Modality, TickWaitsForTheBoxOrDialogAndRunsOnce) {
  MonoAzul f;
  f.game.setTxtIntroducir("m");
  f.game.setTxtIntroducir("");   // the player deletes it before the tick
  std::string whileModal;
  const auto tickTwice = [&] {
    f.game.tmrContador_Timer();
    f.game.tmrContador_Timer();
    whileModal = f.m().txtIntroducir;
  };
  int timerSets = 0;
  f.game.setObserver([&](Control c, int) { timerSets += c == Control::tmrContador; });
  f.boxes.whileShown = tickTwice;
  f.game.setTxtIntroducir("M");   // a repeat: its box is where the ticks arrive
  EXPECT_EQ(whileModal, "M");
  EXPECT_EQ(f.m().txtIntroducir, "");
  EXPECT_EQ(timerSets, 2);   // armed by the guess, stopped by one tick

  f.game.setTxtIntroducir("n");
  f.game.mnuArchivoAgregarFilmotas_Click(tickTwice);
  EXPECT_EQ(whileModal, "n");
  EXPECT_EQ(f.m().txtIntroducir, "");
}

}  // namespace
}  // namespace filmotas
