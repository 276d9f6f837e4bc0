// The whole-title answer: the mode switch and the one answer that ends a game.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::ControlLog;
using testing::GameFixture;

const char* const kWonText = "¡Has ganado, felicidades!\r\n\r\n¿Quieres jugar otra vez?";
const char* const kFailedText =
    "No lo has conseguido.\r\nLa película era: Mono azul\r\n\r\n¿Quieres jugar otra vez?";

struct MonoAzul : GameFixture {
  MonoAzul() : GameFixture({"Mono azul"}) { start('A'); }
};

void expectAnswerMode(const AnswerModeControls& c, bool on) {
  EXPECT_EQ(c.txtResponderVisible, on);
  EXPECT_EQ(c.txtIntroducirEnabled, !on);
  EXPECT_EQ(c.cmdAceptarVisible, on);
  EXPECT_EQ(c.linSeparacionVisible, on);
  EXPECT_EQ(c.mnuArchivoNuevaPartidaEnabled, !on);
  EXPECT_EQ(c.mnuArchivoAgregarFilmotasEnabled, !on);
  EXPECT_EQ(c.mnuOpcionesMostrarOpcionesEnabled, !on);
  EXPECT_EQ(c.fraOpcionesEnabled, !on);
  EXPECT_EQ(c.picDibujoVisible, !on);
}

TEST(AnswerMode, SwitchesEveryControlAndFocusesTheAnswerBox) {
  MonoAzul f;
  f.say("x");
  const GameWindowModel before = f.game.model();
  const std::string scratch = f.folder.read("Temp.dat");
  ControlLog log;
  log.attach(f.game);

  f.game.setChkResponder(1);
  expectAnswerMode(f.game.model().answerMode, true);
  EXPECT_EQ(log.count(Control::focusTxtResponder), 1);
  ASSERT_FALSE(log.events.empty());
  EXPECT_EQ(log.events.back().first, Control::focusTxtResponder);   // after the controls

  f.game.setChkResponder(0);
  expectAnswerMode(f.game.model().answerMode, false);
  EXPECT_EQ(log.count(Control::focusTxtResponder), 1);   // leaving does not move the focus
  EXPECT_EQ(f.game.model().lblCaracter, before.lblCaracter);
  EXPECT_EQ(f.game.model().piezaVisible, before.piezaVisible);
  EXPECT_EQ(f.game.model().panel, before.panel);
  EXPECT_EQ(f.game.intFallos(), 1);
  EXPECT_EQ(f.folder.read("Temp.dat"), scratch);
}

TEST(AnswerMode, NewGameLeavesItAndEmptiesTheAnswer) {
  MonoAzul f;
  f.game.setChkResponder(1);
  f.game.setTxtResponder("Mono");
  f.nextGame('O');
  f.game.NuevaPartida();
  EXPECT_EQ(f.game.model().chkResponder, 0);
  EXPECT_EQ(f.game.model().txtResponder, "");
  expectAnswerMode(f.game.model().answerMode, false);
}

TEST(Answer, TheExactTitleWins) {
  MonoAzul f;
  f.game.setChkResponder(1);
  f.game.setTxtResponder("Mono azul");
  f.nextGame('U');
  f.game.cmdAceptar_Click();
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, kWonText);
  EXPECT_EQ(f.boxes.shown[0].title, "¿Otra vez?");
  EXPECT_EQ(f.boxes.shown[0].code, 36);
  EXPECT_EQ(f.game.strRespuesta(), "6");
  EXPECT_EQ(f.game.strVocal, "U");   // Yes: a new game, out of answer mode
  expectAnswerMode(f.game.model().answerMode, false);
}

TEST(Answer, AnythingElseFailsAndShowsTheTitle) {
  for (const char* answer : {"mono azul", "Mono azul ", " Mono azul", "Mono  azul", "Mono azúl", ""}) {
    SCOPED_TRACE(answer);
    MonoAzul f;
    f.say("x");
    const GameWindowModel before = f.game.model();
    f.game.setChkResponder(1);
    f.game.setTxtResponder(answer);
    f.boxes.answer(box::kAnswerNo);
    f.game.cmdAceptar_Click();
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].text, kFailedText);
    EXPECT_EQ(f.boxes.shown[0].title, "¿Otra vez?");
    EXPECT_EQ(f.boxes.shown[0].code, 36);
    EXPECT_EQ(f.game.strRespuesta(), "7");
    EXPECT_TRUE(f.game.closed());
    // The answer touches neither the cells nor the misses nor the status bar.
    EXPECT_EQ(f.game.model().lblCaracter, before.lblCaracter);
    EXPECT_EQ(f.game.model().panel, before.panel);
    EXPECT_EQ(f.game.intFallos(), 1);
  }
}

TEST(Answer, EmptyAnswerWinsAnEmptyTitle) {
  GameFixture f({""});
  f.start('A');
  f.game.setChkResponder(1);
  f.boxes.answer(box::kAnswerNo);
  f.game.cmdAceptar_Click();
  EXPECT_EQ(f.boxes.shown.back().text, kWonText);
}

}  // namespace
}  // namespace filmotas
