// NuevaPartida: throw the last game's letters away, draw a title, give one vowel away and
// lay the title out.
#include <algorithm>
#include <cmath>

#include "engine/frm_filmotas.h"
#include "files/record_file.h"
#include "files/windows1252.h"

namespace filmotas {

namespace {

constexpr const char* kNoTitlesText =
    "No hay ninguna película almacenada. Para poder jugar tendrá que agregar filmotas o "
    "instalar de nuevo el programa.";
constexpr const char* kNoTitlesTitle = "No hay filmotas";
constexpr const char* kVowelPrefix = "Vocal asignada: ";
constexpr const char* kVowels = "AEIOU";

// Counts the whole records into `count`; a list longer than 32767 titles overflows (6)
// with the count at its highest.
void countTitles(RecordFile& list, std::int16_t& count) {
  while (list.skipNext()) raiseCount(count);
}

}  // namespace

void FrmFilmotas::NuevaPartida() {
  handle([this] { startNewGame(); });
}

// Runs to its end or to the first failure, which the general error box reports: a new
// game that stops half-way leaves no game under way.
void FrmFilmotas::startNewGame() {
  try {
    try {
      deleteFile(folder_.path(kScratchFile));
    } catch (const Failure& f) {
      if (f.number() == failure::kFileAlreadyOpen) return;   // held by the system: the game goes on
      if (f.number() != failure::kFileNotFound) throw;       // first run: nothing to delete
    }
    announceEnd(GameResult::abandoned);
    rules_.stop();   // from here on the old game is gone
    titleCount_ = drawnRecord_ = scratchRecords_ = 0;
    givenVowel_.clear();
    clearBoard();

    std::string title;
    {
      RecordFile list(folder_.path(kMovieListFile), kMovieRecordLength);
      countTitles(list, titleCount_);
      if (titleCount_ < 1) {
        boxes_.show(kNoTitlesText, kNoTitlesTitle, box::kExclamation);
      } else {
        title = drawTitle(list);
      }
    }
    const char vowel = giveVowelAway();
    // A title too long for the row fails before any cell changes.
    if (title.size() > static_cast<std::size_t>(kCellCount)) throw Failure(failure::kSubscriptOutOfRange);
    if (titleCount_ < 1) return;
    rules_.start(std::move(title), vowel);
    showCells();
    announceStart();
  } catch (const Failure& f) {
    showGeneralError(f);
  }
}

// Every game starts with an empty answer, out of answer mode, with nothing of the last
// game's letter, verdict or wait left, and the next letter awaited.
void FrmFilmotas::clearBoard() {
  putTxtResponder("");
  putChkResponder(0);
  notify(Control::focusTxtIntroducir);
  clearLetterAndVerdict();
  showMissedLetters();
  for (int p = 0; p < kPieceCount; ++p) setPiece(static_cast<Piece>(p), false);
  for (int cell = 1; cell <= kCellCount; ++cell) setCell(cell, "");
}

// k = r × titles in single precision, rounded half to even; drawn again while it falls
// outside 1..titles. So the last record is half as likely as the others.
std::string FrmFilmotas::drawTitle(RecordFile& list) {
  long k = 0;
  do {
    random_.reseed();
    const float product = random_.next() * static_cast<float>(titleCount_);
    k = std::lrint(product);
  } while (k < 1 || k > titleCount_);
  drawnRecord_ = static_cast<std::int16_t>(k);
  return list.read(k);
}

// The vowel shows in the status bar and counts as said: "Temp.dat" starts with it in
// upper and lower case.
char FrmFilmotas::giveVowelAway() {
  random_.reseed();
  const float r = random_.next();
  const int k = std::clamp(static_cast<int>(std::floor(r * 5.0f + 1.0f)), 1, 5);
  const char vowel = kVowels[k - 1];
  givenVowel_ = std::string(1, vowel);
  setPanel(3, kVowelPrefix + givenVowel_);

  RecordFile scratch(folder_.path(kScratchFile), kScratchRecordLength);
  raiseCount(scratchRecords_);
  scratch.write(scratchRecords_, givenVowel_);
  raiseCount(scratchRecords_);
  scratch.write(scratchRecords_, std::string(1, static_cast<char>(vowel + ('a' - 'A'))));
  return vowel;
}

}  // namespace filmotas
