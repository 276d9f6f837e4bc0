// A movie list of any size, and handlers that meet any exception.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <new>
#include <stdexcept>

#include "movielist/frm_lista_filmotas.h"
#include "engine/handler_guard.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

constexpr std::uint64_t kSparseSize = 200ull << 30;   // 200 GiB, nearly all of it a hole
constexpr std::uint64_t kRecords = 32767ull * 52;

// Caps the memory this process may take at what it has now plus `extra` bytes, so that
// anything more fails with std::bad_alloc.
class MemoryLimit {
 public:
  explicit MemoryLimit(rlim_t extra) {
    ::getrlimit(RLIMIT_AS, &old_);
    std::ifstream status("/proc/self/status");
    std::string key;
    rlim_t kib = 0;
    while (status >> key && key != "VmSize:") status.ignore(1 << 10, '\n');
    status >> kib;
    rlimit capped = old_;
    capped.rlim_cur = kib * 1024 + extra;
    ::setrlimit(RLIMIT_AS, &capped);
  }
  ~MemoryLimit() { ::setrlimit(RLIMIT_AS, &old_); }

 private:
  rlimit old_{};
};

}  // namespace

// 32767 records and one entry for what follows, within 64 MiB; only removing that entry
// changes the list, and the bytes of the rest after its last whole record are kept.
TEST(HugeList, ShowsTheRecordsTheGameCanUseAndOneEntryForTheRest) {
  GameFixture f;
  f.folder.write("Filmotas.dat", movieList({"Amélie"}));
  if (::truncate(f.folder.file("Filmotas.dat").c_str(), kSparseSize) != 0) GTEST_SKIP() << "no sparse files here";
  FrmListaFilmotas window(f.game, f.boxes);
  {
    const MemoryLimit memory(64 << 20);
    window.Form_Load();
    EXPECT_EQ(window.shownEntries("AMÉ", false), std::vector<std::int32_t>{0});
    EXPECT_EQ(window.shownEntries("", true).size(), 32766u);   // the empty titles match one another
  }
  ASSERT_EQ(window.list().size(), 32768);
  EXPECT_EQ(window.list().caption(32767), "[Resto del archivo tras el registro 32767: 214746660916 bytes]");
  EXPECT_EQ(f.game.titleCount(), 32767);
  ASSERT_EQ(f.boxes.shown, Boxes{});

  const ShownBox overfull{"La lista tiene más registros de los 32767 que admite el programa. Quita primero "
                          "el resto del archivo, su última entrada, para poder cambiarla.",
                          "Lista de filmotas", 48};
  EXPECT_FALSE(window.remove({1}));
  EXPECT_FALSE(window.correct(0, "Ran"));
  EXPECT_EQ(f.boxes.shown, Boxes(2, overfull));
  EXPECT_EQ(std::filesystem::file_size(f.folder.file("Filmotas.dat")), kSparseSize);
  EXPECT_TRUE(window.remove({1, 32767}));
  EXPECT_EQ(std::filesystem::file_size(f.folder.file("Filmotas.dat")), kRecords - 52);
  EXPECT_EQ(f.folder.read("Filmotas.dat.resto"), std::string(kSparseSize % 52, '\0'));
}

// Whatever a handler meets, the player sees the general error box and the handler ends
// with nothing done.
TEST(HandlerGuard, TellsEveryExceptionInTheGeneralErrorBox) {
  const struct { std::function<void()> fault; const char* text; } cases[] = {
      {[] { throw std::bad_alloc(); }, "Error 7:\r\n\r\nMemoria insuficiente"},
      {[] { throw std::logic_error("?"); }, "Error 51:\r\n\r\nError interno"}};
  for (const auto& c : cases) {
    ScriptedBoxes boxes;
    EXPECT_FALSE(runHandler(boxes, [&] { c.fault(); return true; }));
    EXPECT_EQ(boxes.shown, Boxes{(ShownBox{c.text, "Error", 16})});
  }
}
