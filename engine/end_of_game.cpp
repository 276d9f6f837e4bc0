// The whole-title answer and the play-again question that ends every game.
#include "engine/frm_filmotas.h"
#include "files/windows1252.h"

namespace filmotas {

void FrmFilmotas::chkResponder_Click() {
  const bool on = model_.chkResponder == 1;
  applyAnswerMode(on);
  if (on) notify(Control::focusTxtResponder);
}

void FrmFilmotas::cmdAceptar_Click() {
  handle([this] {
    const AnswerVerdict verdict = rules_.judgeAnswer(windows1252::encode(model_.txtResponder));
    if (verdict == AnswerVerdict::noGame) {
      boxes_.beep();   // no title to answer; the answer stays in its box
      return;
    }
    const bool right = verdict == AnswerVerdict::right;
    tell(&GameEvents::answerJudged, AnswerJudged{model_.txtResponder, right});
    endGame(right ? GameResult::answerRight : GameResult::answerWrong);
  });
}

// The last step of the letter or answer that ended the game: the question comes once the
// rules have judged, and Yes starts the next game with nothing of this one left to run.
// No leaves the program.
void FrmFilmotas::endGame(GameResult result) {
  announceEnd(result);
  const std::string again = "\r\n\r\n¿Quieres jugar otra vez?";
  const std::string wasTitle = "\r\nLa película era: " + title();
  int answer = 0;
  switch (result) {
    case GameResult::lost:
      answer = boxes_.show("Has fallado, vuelve a intentarlo." + wasTitle + again, "Has perdido", box::kYesNoQuestion);
      break;
    case GameResult::answerWrong:
      answer = boxes_.show("No lo has conseguido." + wasTitle + again, "¿Otra vez?", box::kYesNoQuestion);
      break;
    default:
      answer = boxes_.show("¡Has ganado, felicidades!" + again, "¿Otra vez?", box::kYesNoQuestion);
      break;
  }
  if (answer == box::kAnswerYes) {
    startNewGame();
  } else {
    leave();
  }
}

}  // namespace filmotas
