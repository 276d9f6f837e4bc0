#include "history/history_recorder.h"

#include "files/failure.h"
#include "history/game_line.h"
#include "history/history_file.h"
#include "history/local_date.h"

namespace filmotas {

namespace {

std::string joined(const std::vector<std::string>& letters) {
  std::string out;
  for (const auto& letter : letters) out += letter;
  return out;
}

}  // namespace

void HistoryRecorder::gameEnded(const GameEnded& ended) {
  if (ended.result == GameResult::abandoned && ended.lettersJudged.empty()) return;
  const std::string date = isoLocalDate(ended.endedAt);
  const std::string letters = joined(ended.lettersJudged);
  const std::string line =
      formatLine({date, ended.result, ended.misses, letters, ended.duration.count(), ended.title});
  try {
    appendToHistory(folder_.path(kHistoryFile), line);
  } catch (const Failure& f) {
    if (failureTold_) return;
    failureTold_ = true;
    boxes_.show(generalErrorText(f), kGeneralErrorTitle, box::kCritical);
  }
}

}  // namespace filmotas
