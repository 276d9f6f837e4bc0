// The bytes after the movie list's last whole record are saved beside it before any
// write replaces them, and only then.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "movielist/frm_agregar.h"
#include "movielist/frm_lista_filmotas.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

const std::string kText = "Esto es una nota que alguien guardó con ese nombre";   // no whole record
const std::string kTail = "\xB2\x27\x0A\xEF";

struct NoProgress : ImportProgress {
  bool keepGoing(std::uint64_t, std::uint64_t) override { return true; }
  void finished() override {}
};

}  // namespace

TEST(ListRest, IsSavedBeforeAWriteReplacesItAndOnlyThen) {
  using Write = std::function<void(GameFixture&, FrmListaFilmotas&)>;
  const Write addDialog = [](GameFixture& f, FrmListaFilmotas&) { FrmAgregar(f.game).cmdAceptar_Click("Ran"); };
  const Write import = [](GameFixture& f, FrmListaFilmotas& w) {
    f.folder.write("nuevas.txt", "Ran\n");
    NoProgress progress;
    w.importFile(f.folder.file("nuevas.txt"), progress);
  };
  const struct { std::string list; Write write; std::string after; std::string saved; } cases[] = {
      {kText, addDialog, movieList({"Ran"}), kText},
      {movieList({"UNO"}) + kTail, import, movieList({"UNO", "Ran"}), kTail},
      {movieList({"UNO"}) + kTail, [](auto&, auto& w) { w.remove({1}); }, movieList({"UNO"}), kTail},
      {movieList({"UNO"}) + kTail, [](auto&, auto& w) { w.correct(1, "Ran"); }, movieList({"UNO", "Ran"}), kTail},
      {movieList({"UNO", "DOS"}) + kTail, [](auto&, auto& w) { w.remove({0}); }, movieList({"DOS"}) + kTail, ""},
      {movieList({"UNO"}), addDialog, movieList({"UNO", "Ran"}), ""}};
  for (const auto& c : cases) {
    GameFixture f;
    f.folder.write("Filmotas.dat", c.list);
    FrmListaFilmotas window(f.game, f.boxes);
    window.Form_Load();
    c.write(f, window);
    EXPECT_EQ(f.folder.read("Filmotas.dat"), c.after);
    EXPECT_EQ(f.folder.exists("Filmotas.dat.resto"), !c.saved.empty());
    EXPECT_EQ(f.folder.read("Filmotas.dat.resto"), c.saved);
    EXPECT_TRUE(std::none_of(f.boxes.shown.begin(), f.boxes.shown.end(), [](auto& b) { return b.code == 16; }));
  }
}

// A folder that takes no new file cannot keep the rest, so the list is not written; a
// list without a rest is appended to in place as before.
TEST(ListRest, ThatCannotBeSavedStopsTheWrite) {
  for (const std::string& list : {movieList({"UNO"}) + kTail, movieList({"UNO"})}) {
    GameFixture f;
    f.folder.write("Filmotas.dat", list);
    std::filesystem::permissions(f.folder.file("Filmotas.dat"), std::filesystem::perms(0666));
    const Unwritable folder(f.folder.path());
    const bool appended = FrmAgregar(f.game).cmdAceptar_Click("Ran");
    EXPECT_EQ(appended, list.size() % 52 == 0);
    EXPECT_EQ(f.folder.read("Filmotas.dat"), appended ? movieList({"UNO", "Ran"}) : list);
    EXPECT_EQ(f.boxes.shown, appended ? Boxes{} : Boxes{errorBox(70, "Permiso denegado")});
  }
}
