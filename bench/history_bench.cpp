// The player's record at 100 000 games: opening the statistics window's summary beside
// one raw read of the file's bytes, and the processor time a finished game's append adds.
#include <benchmark/benchmark.h>

#include <string>

#include "files/whole_file.h"
#include "history/frm_estadisticas.h"
#include "history/game_line.h"
#include "history/history_recorder.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

constexpr int kGames = 100'000;

// Every ending, titles repeating over a list of 300, letters and times of real games.
std::string longRecord() {
  constexpr GameResult kEndings[] = {GameResult::won, GameResult::answerRight, GameResult::lost,
                                     GameResult::won, GameResult::answerWrong, GameResult::abandoned};
  std::string bytes(kHistoryHeader);
  for (int i = 0; i < kGames; ++i) {
    const GameResult result = kEndings[i % 6];
    const std::string title = "Amélie en el año " + std::to_string(i % 300);
    bytes += formatLine({"2026-12-07T03:15:22+01:00", result, result == GameResult::lost ? 5 : i % 5,
                         "mxonzulqkw", 60 + i % 600, title});
  }
  return bytes;
}

struct LongRecord {
  LongRecord() : window(game.game.dataFolder(), game.boxes) { game.folder.write(kHistoryFile, longRecord()); }
  GameFixture game;
  FrmEstadisticas window;
};

void summary(benchmark::State& state) {
  LongRecord f;
  for (auto _ : state) {
    f.window.Form_Load();
    benchmark::DoNotOptimize(f.window.summary().played);
  }
  if (f.window.summary().played != kGames) state.SkipWithError("not every game was read");
}

void readBytes(benchmark::State& state) {
  LongRecord f;
  const std::string path = f.game.folder.file(kHistoryFile);
  for (auto _ : state) benchmark::DoNotOptimize(readFileBytes(path));
}

// One finished game heard by the recorder: its line formatted, appended and flushed.
void append(benchmark::State& state) {
  LongRecord f;
  HistoryRecorder recorder(f.game.game.dataFolder(), f.game.boxes);
  const GameEnded ended{GameResult::won, "Amélie en el año 12", 2, {"m", "x", "o", "n", "z", "u", "l"},
                        std::chrono::system_clock::now(), std::chrono::seconds(73)};
  for (auto _ : state) recorder.gameEnded(ended);
  if (!f.game.boxes.shown.empty()) state.SkipWithError("the record was not written");
}

}  // namespace

BENCHMARK(readBytes)->Name("baseline_read_history/100000")->Unit(benchmark::kMicrosecond);
BENCHMARK(summary)->Name("history_summary/100000")->Unit(benchmark::kMicrosecond);
BENCHMARK(append)->Name("history_append")->Unit(benchmark::kMicrosecond);
