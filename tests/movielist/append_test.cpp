// The add-movie dialog's append, checked byte for byte in the movie list.
#include <gtest/gtest.h>

#include <cerrno>

#include "files/failure.h"
#include "movielist/frm_agregar.h"
#include "movielist/list_append.h"
#include "support/fakes.h"
#include "support/file_faults.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

// A game started over a list of three titles, as the program starts it.
struct Append : ::testing::Test {
  Append() : game({"UNO", "DOS", "TRES"}), dialog(game.game) { game.start('U', 3); }
  std::string list() const { return game.folder.read("Filmotas.dat"); }
  GameFixture game;
  FrmAgregar dialog;
};

}  // namespace

// Whole records right after the last whole one: the position comes from the file, not
// from a partial record or a stale count. The partial record is saved under a free name.
TEST_F(Append, TitlesFillWholeRecordsRightAfterTheLastOne) {
  game.folder.write("Filmotas.dat", movieList({"UNO", "DOS"}) + std::string(26, 'x'));   // 130 bytes
  game.folder.write("Filmotas.dat.resto", "de antes");
  EXPECT_TRUE(dialog.cmdAceptar_Click("Año"));
  EXPECT_EQ(game.folder.read("Filmotas.dat.resto.1"), std::string(26, 'x'));
  game.game.listNowHolds(1);    // too low: must not overwrite "DOS"
  EXPECT_TRUE(dialog.cmdAceptar_Click("CUATRO"));
  game.game.listNowHolds(20);   // too high: must not leave a gap
  EXPECT_TRUE(dialog.cmdAceptar_Click("CINCO"));
  EXPECT_EQ(list(), movieList({"UNO", "DOS"}) + record("A\xF1o", 52) + movieList({"CUATRO", "CINCO"}));
  EXPECT_EQ(game.game.titleCount(), 5);
  EXPECT_TRUE(game.boxes.shown.empty());
  EXPECT_EQ(game.folder.read("Filmotas.dat.resto"), "de antes");
  EXPECT_FALSE(game.folder.exists("Filmotas.dat.resto.2"));
}

// A blank title only beeps; the others are explained.
TEST_F(Append, RefusedTitleIsExplainedAndTheListStaysAsItWas) {
  const std::string before = list();
  struct Case { std::string title; Boxes boxes; rlim_t room = RLIM_INFINITY; };   // room: bytes the disk holds
  const Case cases[] = {
      {"", {}}, {"   ", {}},
      {"Ōkami – 大神", {{"El título contiene caracteres que no se pueden guardar: Ō大神", "Agregar filmotas", 48}}},
      {std::string(51, 'x'), {errorBox(59, "Longitud de registro incorrecta")}},
      {"CASABLANCA", {errorBox(61, "Disco lleno")}, before.size() + 20}};
  for (const auto& c : cases) {
    game.boxes.shown.clear();
    {
      const FileSizeLimit disk(c.room);
      EXPECT_FALSE(dialog.cmdAceptar_Click(c.title));
    }
    EXPECT_EQ(game.boxes.shown, c.boxes);
    EXPECT_EQ(list(), before);
    EXPECT_EQ(game.game.titleCount(), 3);
  }
  EXPECT_EQ(game.boxes.beeps, 2);
}

// A list that may only be read still gives games; an append to it is refused.
TEST(AppendWithoutGame, ReadOnlyListPlaysAndRefusesTheAppend) {
  GameFixture f({"UNO"});
  std::filesystem::permissions(f.folder.path(), std::filesystem::perms::all);   // any user may write there
  const Unwritable readOnly(f.folder.file("Filmotas.dat"));
  f.start('U');
  EXPECT_EQ(cells(f), "U--");
  EXPECT_FALSE(FrmAgregar(f.game).cmdAceptar_Click("DOS"));
  EXPECT_EQ(f.boxes.shown, Boxes{errorBox(70, "Permiso denegado")});
  EXPECT_EQ(f.folder.read("Filmotas.dat"), movieList({"UNO"}));
}

TEST(AppendWithoutGame, TheTitleNumber32767IsTheLastOneAccepted) {
  GameFixture f;
  f.folder.write("Filmotas.dat", std::string(32766 * 52, '\0'));
  FrmAgregar dialog(f.game);
  EXPECT_TRUE(dialog.cmdAceptar_Click("ÚLTIMA"));
  EXPECT_FALSE(dialog.cmdAceptar_Click("UNA MÁS"));
  EXPECT_EQ(f.boxes.shown, Boxes(1, {"La lista ya tiene 32767 filmotas, el máximo que admite el programa.",
                                     "Agregar filmotas", 48}));
  EXPECT_EQ(f.folder.read("Filmotas.dat").size(), 32767u * 52);
}

// A disk that fills during the write and a flush that fails both leave the list's whole
// records and its damaged tail byte for byte as they were. (A write that fails at any
// byte is the record file's own test.)
TEST(BatchAppend, AFailureAtAnyStepLeavesTheListAndItsDamagedTailAsTheyWere) {
  const std::string before = movieList({"UNO"}) + "\xB2\x27\x0A\xEF";
  const struct { AppendCalls calls; rlim_t room; int failure; } cases[] = {
      {{}, before.size() + 60, 61}, {{systemWrite, [](int) { return errno = EIO, -1; }}, RLIM_INFINITY, 57}};
  TempFolder folder;
  for (const auto& c : cases) {
    folder.write("Filmotas.dat", before);
    const FileSizeLimit disk(c.room);
    EXPECT_EQ(failureOf([&] { ListAppend(folder.file("Filmotas.dat"), c.calls).append({"DOS", "TRES", "CUATRO"}); }),
              c.failure);
    EXPECT_EQ(folder.read("Filmotas.dat"), before);
  }
}
