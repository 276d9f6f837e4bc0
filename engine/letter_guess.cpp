// The letter guess, the wait timer and the slider that sets the wait time.
#include "engine/frm_filmotas.h"
#include "files/record_file.h"
#include "files/windows1252.h"

namespace filmotas {

// The letter is encoded once: the rules judge its codes and "Temp.dat" records them.
void FrmFilmotas::txtIntroducir_Change() {
  const std::string typed = model_.txtIntroducir;
  if (typed.empty()) return;
  const std::string letter = windows1252::encode(typed).value_or("");
  Verdict verdict;
  try {
    verdict = rules_.judgeLetter(letter, [&] { writeDownLetter(letter); });
  } catch (const Failure&) {
    showCells();   // what the letter uncovered stays shown
    throw;
  }
  showVerdict(typed, verdict);
}

// A new letter takes the next record of "Temp.dat" before it counts.
void FrmFilmotas::writeDownLetter(const std::string& letter) {
  raiseCount(scratchRecords_);
  RecordFile scratch(folder_.path(kScratchFile), kScratchRecordLength);
  scratch.write(scratchRecords_, letter);
}

void FrmFilmotas::showVerdict(const std::string& typed, const Verdict& verdict) {
  switch (verdict.judged) {
    case Judged::noGame:
      boxes_.beep();
      putTxtIntroducir("");
      return;
    case Judged::vowelRefused:
      boxes_.show("No se pueden decir vocales", "Filmotas", box::kOk);
      announceLetter(typed, LetterOutcome::vowelRefused);
      putTxtIntroducir("");
      return;
    case Judged::notALetter:   // a character no data file could hold
      announceLetter(typed, LetterOutcome::notALetter);
      putTxtIntroducir("");
      return;
    case Judged::repeated:
      showCells();
      raiseCount(scratchRecords_);   // the record number is taken and stays empty
      announceLetter(typed, LetterOutcome::repeated, verdict.uncovered);
      boxes_.show("La letra ''" + typed + "'' ya ha sido repetida", "Letra repetida", box::kOk);
      break;
    case Judged::hit:
      showCells();
      setPanel(1, "¡Correcto!");
      announceLetter(typed, LetterOutcome::hit, verdict.uncovered);
      break;
    case Judged::miss:
      setPanel(1, "No es correcto");
      showMissedLetters();
      showStage(verdict.misses);
      announceLetter(typed, LetterOutcome::miss);
      break;
  }
  if (verdict.ending == Ending::none) {
    armTimer();
  } else {
    endGame(verdict.ending == Ending::won ? GameResult::won : GameResult::lost);
  }
}

// Status panel 2: the missed letters in the order said, with no separator.
void FrmFilmotas::showMissedLetters() {
  std::string text = "Letras no acertadas: ";
  for (const std::string& letter : rules_.missedLetters()) text += windows1252::decode(letter);
  setPanel(2, text);
}

void FrmFilmotas::showStage(int misses) {
  switch (misses) {
    case 1:
      for (Piece p : {Piece::linPalo1, Piece::linPalo2, Piece::linPalo3, Piece::linPalo4}) setPiece(p, true);
      break;
    case 2: setPiece(Piece::shpCabeza, true); break;
    case 3: setPiece(Piece::linCuerpo, true); break;
    case 4:
      setPiece(Piece::linPierna1, true);
      setPiece(Piece::linPierna2, true);
      break;
    default:
      setPiece(Piece::linBrazo1, true);
      setPiece(Piece::linBrazo2, true);
      break;
  }
}

// ---- Wait timer -----------------------------------------------------------------------

void FrmFilmotas::armTimer() { setTimerInterval(model_.sldRapidez * 1000 + 1); }

// A tick that falls due while a message box is open waits for it.
void FrmFilmotas::tmrContador_Timer() {
  if (busy_) {
    tickHeld_ = true;
    return;
  }
  handle([this] { clearLetterAndVerdict(); });
}

void FrmFilmotas::clearLetterAndVerdict() {
  putTxtIntroducir("");
  setTimerInterval(0);
  setPanel(1, "");
}

}  // namespace filmotas
