// The whole-title answer, the win test and the play-again question that ends every game.
#include "engine/frm_filmotas.h"

namespace filmotas {

void FrmFilmotas::chkResponder_Click() {
  const bool on = model_.chkResponder == 1;
  applyAnswerMode(on);
  if (on) notify(Control::focusTxtResponder);
}

void FrmFilmotas::cmdAceptar_Click() {
  handle([this] {
    if (!gameUnderWay_) {
      boxes_.beep();   // no title to answer; the answer stays in its box
      return;
    }
    const bool right = model_.txtResponder == strPelícula;
    tell(&GameEvents::answerJudged, AnswerJudged{model_.txtResponder, right});
    announceEnd(right ? GameResult::answerRight : GameResult::answerWrong);
    if (right) {
      endOfGameDialog("¡Has ganado, felicidades!\r\n\r\n¿Quieres jugar otra vez?", "¿Otra vez?");
    } else {
      endOfGameDialog("No lo has conseguido.\r\nLa película era: " + strPelícula +
                          "\r\n\r\n¿Quieres jugar otra vez?",
                      "¿Otra vez?");
    }
  });
}

// Won when every cell of the title has been revealed. A cell is judged by what the
// player has uncovered, not by its caption: a hyphen in the title shows "-" either way.
void FrmFilmotas::winTest() {
  if (!gameUnderWay_) return;   // a new game that failed after a loss has no title to win
  blnCompleto_ = true;
  for (intContador_ = 1; intContador_ <= lngLongitud_; ++intContador_) {
    if (!revealed_[static_cast<std::size_t>(intContador_ - 1)]) blnCompleto_ = false;
  }
  if (blnCompleto_) {
    announceEnd(GameResult::won);
    endOfGameDialog("¡Has ganado, felicidades!\r\n\r\n¿Quieres jugar otra vez?", "¿Otra vez?");
  }
}

// Yes starts a new game at once; No leaves the program (and the caller stops there).
void FrmFilmotas::endOfGameDialog(const std::string& text, const std::string& title) {
  const int answer = boxes_.show(text, title, box::kYesNoQuestion);
  strRespuesta_ = std::to_string(answer);
  if (answer == box::kAnswerYes) {
    startNewGame();
  } else {
    Salir();
  }
}

}  // namespace filmotas
