// How games end: the win, the loss, the play-again question and leaving the program.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::ControlLog;
using testing::GameFixture;
using testing::record;

const char* const kWonText = "¡Has ganado, felicidades!\r\n\r\n¿Quieres jugar otra vez?";
const char* const kLostText =
    "Has fallado, vuelve a intentarlo.\r\nLa película era: Mono azul\r\n\r\n¿Quieres jugar otra vez?";
const std::vector<std::string> kClosingOrder = {"frmAgregar", "frmAyuda", "frmFilmotas"};

// "Mono azul" as record 1 of `titles`, vowel A, defaults (case ignored).
struct Game : GameFixture {
  explicit Game(std::vector<std::string> titles = {"Mono azul"}) : GameFixture(titles) { start('A'); }
  void sayAll(const std::vector<const char*>& letters) {
    for (const char* l : letters) say(l);
  }
};

// With case not ignored, "m" is a hit that shows nothing; "M" then uncovers the last
// cell and is reported as repeated. The title is complete: the game is won there.
TEST(Win, RepeatThatUncoversTheLastCellWins) {
  GameFixture f({"Mm"});
  f.folder.write("Config.dat", testing::settingsFile("1", "0", "0"));
  f.start('A');
  f.say("m");
  ASSERT_TRUE(f.boxes.shown.empty());
  EXPECT_EQ(f.game.model().cell(1), "-");
  f.nextGame('A');
  f.game.setTxtIntroducir("M");
  ASSERT_EQ(f.boxes.shown.size(), 2u);
  EXPECT_EQ(f.boxes.shown[0].title, "Letra repetida");
  EXPECT_EQ(f.boxes.shown[1].text, kWonText);
}

TEST(Win, LastLetterShowsTheVerdictThenTheWonDialogAndYesStartsAGame) {
  Game f({"Mono azul", "DOS"});
  f.game.setChkSePuedenVocales(1);
  f.sayAll({"m", "n", "z", "l", "o"});
  ASSERT_TRUE(f.boxes.shown.empty());
  std::string panelWhenAsked;
  f.boxes.whileShown = [&] { panelWhenAsked = f.game.model().panelText(1); };
  f.nextGame('O', 2);
  f.game.setTxtIntroducir("u");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, kWonText);
  EXPECT_EQ(f.boxes.shown[0].title, "¿Otra vez?");
  EXPECT_EQ(f.boxes.shown[0].code, 36);
  EXPECT_EQ(panelWhenAsked, "¡Correcto!");
  EXPECT_EQ(f.game.strRespuesta(), "6");
  EXPECT_EQ(f.game.strPelícula, "DOS");
  EXPECT_EQ(f.game.model().cell(2), "O");
  EXPECT_EQ(f.folder.read("Temp.dat"), record("O", 3) + record("o", 3));
  EXPECT_EQ(f.game.model().tmrContadorInterval, 1001);   // the guess still arms the timer
}

TEST(Loss, FifthMissShowsTheTitleAndYesStartsAGame) {
  Game f;
  f.sayAll({"x", "k", "w", "q"});
  f.nextGame('E');
  f.game.setTxtIntroducir("j");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, kLostText);
  EXPECT_EQ(f.boxes.shown[0].title, "Has perdido");
  EXPECT_EQ(f.boxes.shown[0].code, 36);
  EXPECT_EQ(f.game.intFallos(), 0);
  EXPECT_FALSE(f.game.model().visible(Piece::linBrazo1));
  EXPECT_EQ(f.game.model().panelText(2), "Letras no acertadas: ");
  EXPECT_EQ(f.game.model().panelText(3), "Vocal asignada: E");
  EXPECT_EQ(f.folder.read("Temp.dat"), record("E", 3) + record("e", 3));
  EXPECT_EQ(f.game.model().cell(1), "-");
}

// The win test after a loss looks at the new game: nothing hidden there is a win at once.
TEST(Loss, NewGameWithNothingHiddenIsWonAtOnce) {
  Game f({"Mono azul", "A a"});
  f.sayAll({"x", "k", "w", "q"});
  f.nextGame('A', 2);
  f.boxes.answer(box::kAnswerYes);
  f.boxes.answer(box::kAnswerNo);
  f.game.setTxtIntroducir("j");
  ASSERT_EQ(f.boxes.shown.size(), 2u);
  EXPECT_EQ(f.boxes.shown[0].title, "Has perdido");
  EXPECT_EQ(f.boxes.shown[1].text, kWonText);
  EXPECT_TRUE(f.game.closed());
}

TEST(EmptyTitle, HasNoCellsSoAnyJudgedLetterWins) {
  GameFixture f({""});
  f.start('A');
  EXPECT_TRUE(f.boxes.shown.empty());   // an empty title is a title: no "No hay filmotas"
  EXPECT_EQ(f.game.intElegido(), 1);
  EXPECT_EQ(f.game.lngLongitud(), 0);
  EXPECT_EQ(f.game.model().cell(1), "");
  f.boxes.answer(box::kAnswerNo);
  f.game.setTxtIntroducir("x");
  EXPECT_EQ(f.game.model().panelText(1), "No es correcto");
  EXPECT_EQ(f.lastBoxTitle(), "¿Otra vez?");
}

TEST(Leaving, NoClosesTheWindowsInOrderWritesTheSettingsAndStopsThere) {
  Game f;
  f.game.setSldRapidez(4);
  f.game.setChkSePuedenVocales(1);
  f.sayAll({"m", "n", "z", "l", "o"});
  ControlLog log;
  log.attach(f.game);
  f.boxes.answer(box::kAnswerNo);
  f.game.setTxtIntroducir("u");
  EXPECT_EQ(f.game.strRespuesta(), "7");
  EXPECT_EQ(f.windows.closed, kClosingOrder);
  EXPECT_EQ(f.folder.read("Config.dat"), testing::settingsFile("4", "1", "1"));
  EXPECT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(log.count(Control::tmrContador), 0);   // no arming after leaving
  EXPECT_EQ(f.game.model().tmrContadorInterval, 0);
}

TEST(Leaving, NoAfterTheLossEndsTheGuessThere) {
  Game f;
  f.sayAll({"x", "k", "w", "q"});
  ControlLog log;
  log.attach(f.game);
  f.boxes.answer(box::kAnswerNo);
  f.game.setTxtIntroducir("j");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].title, "Has perdido");
  EXPECT_EQ(f.game.strRespuesta(), "7");
  EXPECT_EQ(log.count(Control::tmrContador), 0);
  EXPECT_EQ(f.windows.closed, kClosingOrder);
  EXPECT_FALSE(f.game.files().isOpen(1));   // the scratch file was closed on the way out
}

TEST(Leaving, MenuAndButtonLeaveAndLaterEventsAreIgnored) {
  for (const bool button : {false, true}) {
    Game f;
    f.say("m");
    const std::string scratch = f.folder.read("Temp.dat");
    button ? f.game.cmdSalir_Click() : f.game.mnuArchivoSalir_Click();
    EXPECT_EQ(f.windows.closed, kClosingOrder);
    EXPECT_TRUE(f.game.closed());
    EXPECT_EQ(f.folder.read("Temp.dat"), scratch);   // left in place for the next run

    const GameWindowModel before = f.game.model();
    f.game.setTxtIntroducir("n");
    f.game.tmrContador_Timer();
    f.game.NuevaPartida();
    f.game.setChkResponder(1);
    f.game.cmdAceptar_Click();
    f.game.Salir();
    EXPECT_EQ(f.game.model().lblCaracter, before.lblCaracter);
    EXPECT_EQ(f.game.model().txtIntroducir, "");
    EXPECT_EQ(f.game.model().chkResponder, 0);
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_EQ(f.windows.closed, kClosingOrder);
    EXPECT_EQ(f.folder.read("Temp.dat"), scratch);
  }
}

TEST(Leaving, CloseBoxWritesTheSettingsAndClosesOnlyTheGameWindow) {
  Game f;
  f.game.setChkMayusculas(0);
  f.game.Form_QueryUnload();
  EXPECT_TRUE(f.game.closed());
  EXPECT_TRUE(f.windows.closed.empty());
  EXPECT_EQ(f.folder.read("Config.dat"), testing::settingsFile("1", "0", "0"));
}

}  // namespace
}  // namespace filmotas
