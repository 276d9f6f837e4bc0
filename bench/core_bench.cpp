// Engine timings, each beside a baseline measured in the same run (see bench/run.sh for
// the ratios): a new game against merely reading the list file once, and one letter
// guess in a game where twenty letters have already been said.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

std::vector<std::string> generatedTitles(int count) {
  std::vector<std::string> titles;
  titles.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) titles.push_back("Película número " + std::to_string(i) + " del año");
  return titles;
}

// The cost floor of a new game: open the list, read all of its bytes once, close it.
void readWholeList(benchmark::State& state) {
  GameFixture fixture(generatedTitles(static_cast<int>(state.range(0))));
  const std::string path = fixture.folder.file("Filmotas.dat");
  std::vector<char> buffer(1 << 20);
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
    ::close(fd);
    benchmark::DoNotOptimize(buffer.data());
  }
}

void nuevaPartida(benchmark::State& state) {
  GameFixture fixture(generatedTitles(static_cast<int>(state.range(0))));
  fixture.random.script({0.37f, 0.5f});
  fixture.game.Form_Load();
  for (auto _ : state) {
    fixture.random.script({0.37f, 0.5f});
    fixture.game.NuevaPartida();
  }
  if (fixture.game.titleCount() != state.range(0)) state.SkipWithError("the list was not counted");
}

const std::string kSaidLetters = "BCDFGHJKLMNPQRSTVWXY";

// A new game of "BCDFGHJKLMNPQRSTVWXYZ 0123456789" with twenty letters said.
void prepareGuess(GameFixture& fixture) {
  fixture.random.script({0.9f, 0.0f});
  fixture.game.NuevaPartida();
  for (char letter : kSaidLetters) {
    fixture.game.setTxtIntroducir(std::string(1, letter));
    fixture.game.tmrContador_Timer();
  }
}

void letterGuess(benchmark::State& state) {
  GameFixture fixture({"BCDFGHJKLMNPQRSTVWXYZ 0123456789"});
  fixture.random.script({0.9f, 0.0f});
  fixture.game.Form_Load();
  for (auto _ : state) {
    state.PauseTiming();
    prepareGuess(fixture);
    state.ResumeTiming();
    fixture.game.setTxtIntroducir("Z");
  }
  if (fixture.game.model().panelText(1) != "¡Correcto!") state.SkipWithError("the letter was not judged");
}

}  // namespace

BENCHMARK(readWholeList)->Name("baseline_read_list")->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(nuevaPartida)->Name("NuevaPartida")->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(readWholeList)->Name("baseline_read_list")->Arg(300)->Unit(benchmark::kMicrosecond);
BENCHMARK(nuevaPartida)->Name("NuevaPartida")->Arg(300)->Unit(benchmark::kMicrosecond);
BENCHMARK(letterGuess)->Name("txtIntroducir_Change/20_said")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
