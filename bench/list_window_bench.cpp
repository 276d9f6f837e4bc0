// The list window on a full list of 32767 titles: reading it for the window and one
// filter keystroke, a remove (the whole list rewritten and renamed over the old one) and
// an import of every title into an empty list, beside one durable write of the same
// bytes, measured in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "movielist/frm_lista_filmotas.h"
#include "movielist/list_rewrite.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

constexpr int kFullList = 32767;

std::string fullList() {
  std::vector<std::string> titles;
  for (int i = 0; i < kFullList; ++i) titles.push_back("Amélie en el año " + std::to_string(i));
  return movieList(titles);
}

struct FullListWindow {
  FullListWindow() : bytes(fullList()), window(game.game, game.boxes) {
    game.folder.write("Filmotas.dat", bytes);
    window.Form_Load();
  }
  GameFixture game;
  std::string bytes;
  FrmListaFilmotas window;
};

void readForWindow(benchmark::State& state) {
  FullListWindow f;
  for (auto _ : state) {
    f.window.Form_Load();
    benchmark::DoNotOptimize(f.window.shownEntries("", false));
  }
}

void filterKeystroke(benchmark::State& state) {
  FullListWindow f;
  for (auto _ : state) benchmark::DoNotOptimize(f.window.shownEntries("AMELIE EN EL ANO 12", false));
}

void removeOne(benchmark::State& state) {
  FullListWindow f;
  for (auto _ : state) {
    state.PauseTiming();
    // Put back durably, so the timed remove flushes no bytes of this set-up.
    replaceList(f.game.folder.file("Filmotas.dat"), f.bytes);
    f.window.Form_Load();
    state.ResumeTiming();
    if (!f.window.remove({1000})) state.SkipWithError("the title was not removed");
  }
}

struct NoProgress : ImportProgress {
  bool keepGoing(std::uint64_t, std::uint64_t) override { return true; }
  void finished() override {}
};

// The titles as a text file, one a line, imported into an empty list: read twice,
// judged, and appended in batches, each one write and one flush.
void importAll(benchmark::State& state) {
  FullListWindow f;
  f.window.exportFile(f.game.folder.file("todas.txt"));
  NoProgress progress;
  for (auto _ : state) {
    state.PauseTiming();
    f.game.folder.write("Filmotas.dat", "");
    state.ResumeTiming();
    f.window.importFile(f.game.folder.file("todas.txt"), progress);
  }
  if (f.game.folder.read("Filmotas.dat") != f.bytes) state.SkipWithError("the import gave another list");
}

// The same bytes written over the list, with or without being flushed to disk.
void rawWrite(benchmark::State& state, bool durable) {
  FullListWindow f;
  const std::string path = f.game.folder.file("Filmotas.dat");
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    if (::write(fd, f.bytes.data(), f.bytes.size()) != static_cast<ssize_t>(f.bytes.size())) {
      state.SkipWithError("short write");
    }
    if (durable) ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

BENCHMARK(readForWindow)->Name("list_window_read/32767")->Unit(benchmark::kMicrosecond);
BENCHMARK(filterKeystroke)->Name("list_window_filter_keystroke/32767")->Unit(benchmark::kMicrosecond);
BENCHMARK(removeOne)->Name("list_window_remove/32767")->Unit(benchmark::kMicrosecond);
BENCHMARK(importAll)->Name("list_window_import/32767")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rawWrite, durable, true)->Name("baseline_durable_write/32767")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rawWrite, plain, false)->Name("baseline_plain_write/32767")->Unit(benchmark::kMicrosecond);
