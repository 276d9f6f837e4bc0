// The letter guess, the wait timer and the slider that sets the wait time.
#include "engine/frm_filmotas.h"
#include "rules/letter_case.h"
#include "files/windows1252.h"
#include "settings/settings_file.h"

namespace filmotas {

namespace {

constexpr int kLosingMisses = 5;

bool isPlainVowel(const std::string& letter) {
  return letter.size() == 1 && std::string_view("AaEeIiOoUu").find(letter[0]) != std::string_view::npos;
}

bool matches(std::uint8_t candidate, std::uint8_t code, std::optional<std::uint8_t> partner) {
  return candidate == code || (partner && candidate == *partner);
}

}  // namespace

void FrmFilmotas::txtIntroducir_Change() {
  if (model_.txtIntroducir.empty()) return;
  if (!gameUnderWay_) {
    boxes_.beep();
    putTxtIntroducir("");
    return;
  }
  strLetra_ = model_.txtIntroducir;
  if (model_.chkSePuedenVocales == 0 && isPlainVowel(strLetra_)) {
    boxes_.show("No se pueden decir vocales", "Filmotas", box::kOk);
    announceLetter(strLetra_, LetterOutcome::vowelRefused);
    putTxtIntroducir("");
    return;
  }
  const auto letterCodes = windows1252::encode(strLetra_);
  if (!letterCodes || letterCodes->empty()) {
    announceLetter(strLetra_, LetterOutcome::notALetter);
    putTxtIntroducir("");   // a character no data file could hold is not a letter of the game
    return;
  }
  try {
    judgeLetter(static_cast<std::uint8_t>((*letterCodes)[0]), *letterCodes);
  } catch (const Failure& f) {
    showGeneralError(f);
  }
}

void FrmFilmotas::judgeLetter(std::uint8_t code, const std::string& letterCodes) {
  intAscii_ = code;
  const auto partner = partnerCode(code);
  const bool ignoreCase = model_.chkMayusculas == 1;
  std::vector<int> uncovered;
  for (intContador_ = 1; intContador_ <= lngLongitud_; ++intContador_) {
    const auto character = static_cast<std::uint8_t>(titleCodes_[intContador_ - 1]);
    strCaracter_ = windows1252::decode(std::string(1, static_cast<char>(character)));
    const bool wasHidden = !revealed(intContador_);
    if (character == code) {
      setCell(intContador_, strLetra_, true);
    } else if (ignoreCase && partner && character == *partner) {
      setCell(intContador_, strCaracter_, true);
    }
    if (wasHidden && revealed(intContador_)) uncovered.push_back(intContador_);
  }

  raiseCount(intRegistrosTemp_);   // reserved even when the letter turns out to be repeated
  strArchivoTemp_ = folder_.path(kScratchFile);
  intArchivoTemp_ = files_.freeFile();
  CloseOnExit closeScratch(files_, intArchivoTemp_);
  RecordFile& scratch = files_.open(intArchivoTemp_, strArchivoTemp_, kScratchRecordLength);
  if (isRepeated(scratch, code)) {
    announceLetter(strLetra_, LetterOutcome::repeated, std::move(uncovered));
    boxes_.show("La letra ''" + strLetra_ + "'' ya ha sido repetida", "Letra repetida", box::kOk);
    armTimer();
    // A repeat in the other case can uncover the last hidden cells (with case not
    // ignored, "m" is a hit that shows nothing; "M" then shows it and is a repeat):
    // the game is won then, not one deliberate miss later.
    winTest();
    return;
  }
  scratch.write(intRegistrosTemp_, letterCodes);

  lngLongitud_ = static_cast<std::int32_t>(titleCodes_.size());
  blnFallo_ = true;
  for (char c : titleCodes_) {
    if (matches(static_cast<std::uint8_t>(c), code, partner)) blnFallo_ = false;
  }
  if (blnFallo_) {
    setPanel(1, "No es correcto");
    raiseCount(intFallos_);
    setPanel(2, model_.panelText(2) + model_.txtIntroducir);
    showStage(intFallos_);
    announceLetter(strLetra_, LetterOutcome::miss);
    if (intFallos_ >= kLosingMisses) {
      announceEnd(GameResult::lost);
      endOfGameDialog("Has fallado, vuelve a intentarlo.\r\nLa película era: " + strPelícula +
                          "\r\n\r\n¿Quieres jugar otra vez?",
                      "Has perdido");
    }
  } else {
    setPanel(1, "¡Correcto!");
    announceLetter(strLetra_, LetterOutcome::hit, std::move(uncovered));
  }
  winTest();
  armTimer();
  files_.close(intArchivo);
}

// Case never matters here: "b" after "B" is a repeat whatever the option says.
bool FrmFilmotas::isRepeated(RecordFile& scratch, std::uint8_t code) {
  const auto partner = partnerCode(code);
  for (std::int16_t r = 1; r <= intRegistrosTemp_; ++r) {
    strLetraTemp_ = scratch.read(r);
    if (strLetraTemp_.empty()) continue;   // a number reserved for a repeat
    if (matches(static_cast<std::uint8_t>(strLetraTemp_[0]), code, partner)) return true;
  }
  return false;
}

void FrmFilmotas::showStage(std::int16_t misses) {
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

void FrmFilmotas::armTimer() { setTimerInterval(intSegundos_ * 1000 + 1); }

void FrmFilmotas::tmrContador_Timer() {
  if (closed_) return;
  if (depth_ > 0) {
    tickPending_ = true;   // a message box is open: the tick waits for it
    return;
  }
  handle([this] { runTick(); });
}

void FrmFilmotas::runTick() {
  putTxtIntroducir("");
  setTimerInterval(0);
  setPanel(1, "");
}

void FrmFilmotas::sldRapidez_Change() {
  intSegundos_ = static_cast<std::int16_t>(model_.sldRapidez);
  strSegundos_ = std::to_string(model_.sldRapidez);
  setLblRapidez(waitCaption(strSegundos_));
}

}  // namespace filmotas
