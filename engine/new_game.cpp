// NuevaPartida and the vowel give-away: draw a title, give one vowel away, lay the
// title out into the cells.
#include <cmath>

#include "engine/frm_filmotas.h"
#include "files/windows1252.h"

namespace filmotas {

namespace {

constexpr const char* kNoTitlesText =
    "No hay ninguna película almacenada. Para poder jugar tendrá que agregar filmotas o "
    "instalar de nuevo el programa.";
constexpr const char* kNoTitlesTitle = "No hay filmotas";
constexpr const char* kMissesPrefix = "Letras no acertadas: ";
constexpr const char* kVowelPrefix = "Vocal asignada: ";
constexpr const char* kVowels = "AEIOU";

}  // namespace

void FrmFilmotas::NuevaPartida() {
  handle([this] { startNewGame(); });
}

void FrmFilmotas::startNewGame() {
  try {
    strArchivoTemp_ = folder_.path(kScratchFile);
    files_.close(intArchivoTemp_);
    try {
      files_.deleteFile(strArchivoTemp_);
    } catch (const Failure& f) {
      if (f.number() != failure::kFileNotFound) throw;   // first run: nothing to delete
    }
    announceEnd(GameResult::abandoned);
    gameUnderWay_ = false;   // from here on the old game is gone
    strArchivo.clear();
    intArchivo = intTamaño = intRegistros = 0;
    intRegistrosTemp_ = 0;
    strVocal.clear();
    strPelícula.clear();
    titleCodes_.clear();
    lngLongitud_ = 0;
    intElegido_ = 0;

    putTxtResponder("");
    putChkResponder(0);   // leaves the answer mode when it was on
    notify(Control::focusTxtIntroducir);   // every game starts with the next letter
    intFallos_ = 0;
    setPanel(2, kMissesPrefix);
    for (int p = 0; p < kPieceCount; ++p) setPiece(static_cast<Piece>(p), false);
    for (intContador_ = 1; intContador_ <= kCellCount; ++intContador_) setCell(intContador_, "", false);

    strArchivo = folder_.path(kMovieListFile);
    intArchivo = files_.freeFile();
    intTamaño = kMovieRecordLength;
    {
      CloseOnExit closeList(files_, intArchivo);
      RecordFile& list = files_.open(intArchivo, strArchivo, intTamaño);
      countTitles(list);
      if (intRegistros < 1) {
        boxes_.show(kNoTitlesText, kNoTitlesTitle, box::kExclamation);
      } else {
        drawTitle(list);
      }
    }
    AsignarVocal();
    PonerVocalAsignada();
    gameUnderWay_ = intRegistros >= 1;
    if (gameUnderWay_) announceStart();
  } catch (const Failure& f) {
    if (f.number() == failure::kFileAlreadyOpen) {
      files_.close(intArchivoTemp_);   // the previous game stays as it was
      return;
    }
    showGeneralError(f);
  }
}

// The number of whole records; a list longer than 32767 titles overflows (6).
void FrmFilmotas::countTitles(RecordFile& list) {
  while (list.skipNext()) raiseCount(intRegistros);
}

// k = r × intRegistros in single precision, rounded half to even; drawn again while it
// falls outside 1..intRegistros. So record N is half as likely as the others.
void FrmFilmotas::drawTitle(RecordFile& list) {
  long k = 0;
  do {
    random_.reseed();
    const float product = random_.next() * static_cast<float>(intRegistros);
    k = std::lrint(product);
  } while (k < 1 || k > intRegistros);
  intElegido_ = static_cast<std::int16_t>(k);
  titleCodes_ = list.read(k);
  strPelícula = windows1252::decode(titleCodes_);
}

void FrmFilmotas::AsignarVocal() {
  random_.reseed();
  const float r = random_.next();
  const int k = std::clamp(static_cast<int>(std::floor(r * 5.0f + 1.0f)), 1, 5);
  strVocal = std::string(1, kVowels[k - 1]);
  setPanel(3, kVowelPrefix + strVocal);

  raiseCount(intRegistrosTemp_);
  strArchivoTemp_ = folder_.path(kScratchFile);
  intArchivoTemp_ = files_.freeFile();
  const std::string lower(1, static_cast<char>(strVocal[0] + 32));
  CloseOnExit closeScratch(files_, intArchivoTemp_);
  RecordFile& scratch = files_.open(intArchivoTemp_, strArchivoTemp_, kScratchRecordLength);
  scratch.write(intRegistrosTemp_, strVocal);
  raiseCount(intRegistrosTemp_);
  scratch.write(intRegistrosTemp_, lower);
}

// From the last cell down, so a title too long for the row fails before any cell changes.
void FrmFilmotas::PonerVocalAsignada() {
  lngLongitud_ = static_cast<std::int32_t>(titleCodes_.size());
  if (lngLongitud_ > kCellCount) throw Failure(failure::kSubscriptOutOfRange);
  const auto vowel = static_cast<unsigned char>(strVocal[0]);
  for (intContador_ = static_cast<std::int16_t>(lngLongitud_); intContador_ >= 1; --intContador_) {
    const auto code = static_cast<unsigned char>(titleCodes_[intContador_ - 1]);
    if (code == vowel || code == vowel + 32) {
      setCell(intContador_, std::string(1, static_cast<char>(code)), true);
    } else if (code != ' ' && code != 0) {
      setCell(intContador_, "-", false);
    } else {
      setCell(intContador_, " ", true);
    }
  }
}

}  // namespace filmotas
