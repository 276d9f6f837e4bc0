// The wait timer, the slider that sets it, and ticks that fall due during a message box.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::ControlLog;
using testing::GameFixture;

struct MonoAzul : GameFixture {
  MonoAzul() : GameFixture({"Mono azul"}) { start('A'); }
  const GameWindowModel& m() const { return game.model(); }
};

TEST(WaitTimer, IntervalIsTheWaitTimeInMillisecondsPlusOne) {
  MonoAzul f;
  for (const auto& [seconds, interval] : {std::pair{1, 1001}, std::pair{0, 1}, std::pair{10, 10001}}) {
    SCOPED_TRACE(seconds);
    f.game.setSldRapidez(seconds);
    EXPECT_EQ(f.game.intSegundos(), seconds);
    f.game.setTxtIntroducir("x");
    EXPECT_EQ(f.m().tmrContadorInterval, interval);
    f.game.tmrContador_Timer();
    f.game.setTxtIntroducir("x");   // repeated: armed all the same
    EXPECT_EQ(f.m().tmrContadorInterval, interval);
    f.game.tmrContador_Timer();
  }
}

TEST(WaitTimer, TickEmptiesTheBoxAndTheVerdictAndStops) {
  MonoAzul f;
  f.game.setTxtIntroducir("m");
  ASSERT_EQ(f.m().panelText(1), "¡Correcto!");
  f.game.tmrContador_Timer();
  EXPECT_EQ(f.m().txtIntroducir, "");
  EXPECT_EQ(f.m().panelText(1), "");
  EXPECT_EQ(f.m().tmrContadorInterval, 0);
  EXPECT_EQ(f.game.intRegistrosTemp(), 3);   // emptying the box judged nothing
  EXPECT_TRUE(f.boxes.shown.empty());
}

TEST(WaitTimer, NewWaitTimeAppliesFromTheNextArming) {
  MonoAzul f;
  f.game.setTxtIntroducir("m");
  f.game.setSldRapidez(3);
  EXPECT_EQ(f.m().tmrContadorInterval, 1001);
  f.game.setTxtIntroducir("");   // the player deletes the letter before the tick
  f.game.setTxtIntroducir("n");
  EXPECT_EQ(f.m().tmrContadorInterval, 3001);
  EXPECT_EQ(f.m().panelText(1), "¡Correcto!");
}

TEST(WaitTimer, NewGameLeavesTheBoxTheVerdictAndTheTimer) {
  MonoAzul f;
  f.game.setTxtIntroducir("x");
  f.nextGame('A');
  f.game.NuevaPartida();
  EXPECT_EQ(f.m().txtIntroducir, "x");
  EXPECT_EQ(f.m().panelText(1), "No es correcto");
  EXPECT_EQ(f.m().tmrContadorInterval, 1001);
  f.game.tmrContador_Timer();
  EXPECT_EQ(f.game.intRegistrosTemp(), 2);   // clearing it records nothing in the new game
}

TEST(Slider, CaptionSaysSegundoOnlyForOne) {
  MonoAzul f;
  f.game.setSldRapidez(0);
  EXPECT_EQ(f.m().lblRapidez, "0 segundos");
  EXPECT_EQ(f.game.strSegundos(), "0");
  f.game.setSldRapidez(1);
  EXPECT_EQ(f.m().lblRapidez, "1 segundo");
  f.game.setSldRapidez(10);
  EXPECT_EQ(f.m().lblRapidez, "10 segundos");
  f.game.setSldRapidez(11);   // beyond its range the slider does not move
  f.game.setSldRapidez(-1);
  EXPECT_EQ(f.m().sldRapidez, 10);
  EXPECT_EQ(f.game.intSegundos(), 10);
  EXPECT_TRUE(f.boxes.shown.empty());
}

// A tick that falls due while a box is open waits for the handler, then runs once.
TEST(Modality, TickDuringAMessageBoxRunsOnceAfterTheHandler) {
  MonoAzul f;
  f.game.setTxtIntroducir("m");
  f.game.setTxtIntroducir("");
  std::string boxDuringTheTick;
  f.boxes.whileShown = [&] {
    f.game.tmrContador_Timer();
    f.game.tmrContador_Timer();
    boxDuringTheTick = f.m().txtIntroducir;
  };
  ControlLog log;
  log.attach(f.game);
  f.game.setTxtIntroducir("M");   // repeated: its box is where the ticks arrive
  EXPECT_EQ(boxDuringTheTick, "M");
  EXPECT_EQ(f.m().txtIntroducir, "");
  EXPECT_EQ(f.m().tmrContadorInterval, 0);
  ASSERT_EQ(log.count(Control::tmrContador), 2);   // armed by the guess, then stopped once
  using Event = std::pair<Control, int>;
  const std::vector<Event> last(log.events.end() - 4, log.events.end());
  EXPECT_EQ(last, (std::vector<Event>{{Control::tmrContador, 0}, {Control::txtIntroducir, 0},
                                      {Control::tmrContador, 0}, {Control::panel, 1}}));
}

// The add-movie dialog is modal like a box: the game's tick waits for it to close.
TEST(Modality, TickDuringTheAddMovieDialogRunsWhenItCloses) {
  MonoAzul f;
  f.game.setTxtIntroducir("m");
  std::string boxWhileOpen;
  f.game.mnuArchivoAgregarFilmotas_Click([&] {
    f.game.tmrContador_Timer();
    boxWhileOpen = f.m().txtIntroducir;
  });
  EXPECT_EQ(boxWhileOpen, "m");
  EXPECT_EQ(f.m().txtIntroducir, "");
  EXPECT_EQ(f.m().tmrContadorInterval, 0);
}

TEST(Modality, TickDuringThePlayAgainQuestionActsOnTheNewGame) {
  MonoAzul f;
  for (const char* miss : {"x", "k", "w", "q"}) f.say(miss);
  f.boxes.whileShown = [&] { f.game.tmrContador_Timer(); };
  f.nextGame('E');
  f.game.setTxtIntroducir("j");
  EXPECT_EQ(f.lastBoxTitle(), "Has perdido");
  EXPECT_EQ(f.m().txtIntroducir, "");
  EXPECT_EQ(f.m().panelText(1), "");
  EXPECT_EQ(f.m().tmrContadorInterval, 0);
  EXPECT_EQ(f.game.intRegistrosTemp(), 2);
}

TEST(Modality, TickDuringTheQuestionAnsweredNoNeverRuns) {
  MonoAzul f;
  for (const char* miss : {"x", "k", "w", "q"}) f.say(miss);
  f.boxes.whileShown = [&] { f.game.tmrContador_Timer(); };
  f.boxes.answer(box::kAnswerNo);
  f.game.setTxtIntroducir("j");
  EXPECT_TRUE(f.game.closed());
  EXPECT_EQ(f.m().txtIntroducir, "j");
  EXPECT_EQ(f.m().panelText(1), "No es correcto");
}

}  // namespace
}  // namespace filmotas
