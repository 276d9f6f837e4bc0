#include "history/frm_estadisticas.h"

#include "files/failure.h"
#include "history/game_line.h"
#include "history/history_file.h"

namespace filmotas {

namespace {

std::string count(int n) { return std::to_string(n); }

std::string misses(std::size_t n) { return std::to_string(n) + (n == 1 ? " fallo" : " fallos"); }

}  // namespace

void FrmEstadisticas::Form_Load() {
  try {
    summary_ = summarise(readHistory(folder_.path(kHistoryFile)));
  } catch (const Failure& f) {
    summary_ = RecordSummary();
    boxes_.show(generalErrorText(f), kGeneralErrorTitle, box::kCritical);
  }
}

bool FrmEstadisticas::cmdBorrar_Click() {
  if (boxes_.show("¿Borrar todas las partidas del historial?", kClearTitle, box::kYesNoQuestion) !=
      box::kAnswerYes) {
    return false;
  }
  try {
    clearHistory(folder_.path(kHistoryFile));
  } catch (const Failure& f) {
    boxes_.show(generalErrorText(f), kGeneralErrorTitle, box::kCritical);
    return false;
  }
  Form_Load();
  return true;
}

Figures figuresOf(const RecordSummary& s) {
  return {"Partidas jugadas: " + count(s.played),
          "Ganadas: " + count(s.won) + " (" + count(s.wonPercent()) + " %)",
          "Racha actual: " + count(s.currentStreak),
          "Mejor racha: " + count(s.bestStreak),
          "Abandonadas: " + count(s.abandoned),
          s.unreadable > 0 ? "Líneas que no se pudieron leer: " + count(s.unreadable) : std::string()};
}

const std::array<std::string, kChartBars>& barCaptions() {
  static const std::array<std::string, kChartBars> captions = {misses(0), misses(1), misses(2),
                                                               misses(3), misses(4), "Perdidas"};
  return captions;
}

std::string chartDescription(const RecordSummary& s) {
  std::string text = "Partidas ganadas con ";
  for (std::size_t bar = 0; bar < kLostBar; ++bar) {
    text += (bar > 0 ? ", con " : "") + misses(bar) + ": " + count(s.chart[bar]);
  }
  return text + ". Perdidas: " + count(s.chart[kLostBar]) + ".";
}

std::string shownResult(GameResult result) {
  std::string word(resultWord(result));
  word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

}  // namespace filmotas
