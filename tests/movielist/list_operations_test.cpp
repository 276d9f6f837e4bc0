// The list window's operations on the movie list, checked byte for byte.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "movielist/frm_lista_filmotas.h"
#include "movielist/list_filter.h"
#include "movielist/list_rewrite.h"
#include "settings/about.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;
using Entries = std::vector<std::int32_t>;

namespace {

// A kept record keeps its padding, whatever it holds.
const std::string kPadded = std::string("\x06\x00", 2) + "Volver" + std::string(44, '\x7F');
const std::string kDamaged = std::string("\x2C\x01", 2) + std::string(50, 'x');   // length 300
const std::string kPartial(26, '\xEE');

// Amélie, AMELIE, Volver (odd padding), a damaged record, "amelie 2", a partial record.
std::string mixedList() {
  return movieList({"Amélie", "AMELIE"}) + kPadded + kDamaged + movieList({"amelie 2"}) + kPartial;
}

struct ListWindow : ::testing::Test {
  ListWindow() : game({"Amélie"}), window(game.game, game.boxes) { game.folder.write("Filmotas.dat", mixedList()); }
  std::string list() const { return game.folder.read("Filmotas.dat"); }
  GameFixture game;
  FrmListaFilmotas window;
};

}  // namespace

TEST(ListSnapshot, EveryRecordShowsDamagedOnesByWhatIsWrong) {
  const ListSnapshot list(mixedList());
  ASSERT_EQ(list.size(), 6);
  const std::string captions[] = {"Amélie", "AMELIE", "Volver", "[Registro dañado: longitud 300]",
                                  "amelie 2", "[Registro incompleto: 26 bytes]"};
  for (std::int32_t i = 0; i < 6; ++i) EXPECT_EQ(list.caption(i), captions[i]) << i;
  EXPECT_EQ(list.wholeRecords(), 5);
}

TEST(ListFilter, IgnoresCaseAndAccentsAndCanKeepOnlyDuplicates) {
  const ListSnapshot list(mixedList());
  const std::vector<bool> duplicates = findDuplicates(list);
  const struct { const char* typed; bool onlyDuplicates; Entries shown; } cases[] = {
      {"", false, {0, 1, 2, 3, 4, 5}}, {"amelie", false, {0, 1, 4}}, {"ÉLIE 2", false, {4}},
      {"OLV", false, {2}},             {"Ō", false, {}},             {"", true, {0, 1}},
      {"e 2", true, {}}};
  for (const auto& c : cases) {
    EXPECT_EQ(filterEntries(list, c.typed, c.onlyDuplicates ? &duplicates : nullptr), c.shown) << c.typed;
  }
}

TEST(ListRewrite, KeptRecordsKeepTheirBytesAndDamagedOnesGo) {
  const ListSnapshot list(mixedList());
  const std::string amelie = movieList({"Amélie"}), upper = movieList({"AMELIE"}), two = movieList({"amelie 2"});
  const struct { Entries removed; std::string bytes; } cases[] = {
      {{1}, amelie + kPadded + kDamaged + two + kPartial},
      {{5, 3}, amelie + upper + kPadded + two},
      {{0, 1, 2, 3, 4, 5}, ""}};
  for (const auto& c : cases) EXPECT_EQ(listWithout(list, c.removed), c.bytes);
  EXPECT_EQ(listWithTitle(list, 3, "Ran"), amelie + upper + kPadded + movieList({"Ran"}) + two + kPartial);
  EXPECT_EQ(listWithTitle(list, 5, "Ran"), amelie + upper + kPadded + kDamaged + two + movieList({"Ran"}));
}

TEST(ListRewrite, AWriteFailingHalfwayLeavesTheListByteIdentical) {
  TempFolder folder;
  folder.write("Filmotas.dat", mixedList());
  std::size_t budget = 100;   // the disk fills after 100 bytes of the new list
  const WriteCall halfway = [&budget](int fd, const char* bytes, std::size_t count) -> ssize_t {
    if (budget == 0) return errno = ENOSPC, -1;
    const std::size_t n = std::min(count, budget);
    budget -= n;
    return systemWrite(fd, bytes, n);
  };
  const ListSnapshot list(mixedList());
  try {
    replaceList(folder.file("Filmotas.dat"), listWithout(list, {0}), halfway);
    ADD_FAILURE() << "the write did not fail";
  } catch (const Failure& f) {
    EXPECT_EQ(f.number(), failure::kDiskFull);
  }
  EXPECT_EQ(folder.read("Filmotas.dat"), mixedList());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(ListWindow, RemoveAsksHowManyAndCountsAtOnce) {
  game.folder.write("Filmotas.dat", movieList({"Amélie"}));
  game.start('A', 1);
  game.folder.write("Filmotas.dat", mixedList());
  window.Form_Load();
  game.boxes.answer(box::kAnswerNo);
  EXPECT_FALSE(window.remove({0, 3, 5}));
  EXPECT_EQ(list(), mixedList());
  game.boxes.answer(box::kAnswerYes);
  EXPECT_TRUE(window.remove({0, 3, 5}));
  EXPECT_EQ(list(), movieList({"AMELIE"}) + kPadded + movieList({"amelie 2"}));
  EXPECT_EQ(game.boxes.shown.at(1).text, "¿Quitar 3 filmotas de la lista?");
  EXPECT_EQ(game.boxes.shown.at(1).code, box::kYesNoQuestion);
  EXPECT_EQ(window.list().size(), 3);
  EXPECT_EQ(game.game.strPelícula, "Amélie");   // the game in progress keeps its title
  game.game.mnuAyudaAcercaDe_Click();
  EXPECT_EQ(game.boxes.shown.back().text, aboutText(3));
}

TEST_F(ListWindow, RefusedCorrectionOrRefusedFolderChangesNothing) {
  window.Form_Load();
  const struct { std::int32_t entry; const char* title; const char* box; } cases[] = {
      {0, "   ", "El título no puede quedar vacío ni tener solo espacios."},
      {0, "Ōkami", "El título admite como mucho 50 caracteres, sin saltos de línea y que se puedan guardar."},
      {3, "Ran", "Error 70:\r\n\r\nPermiso denegado"}};
  for (const auto& c : cases) {
    const Unwritable folder(game.folder.path());
    EXPECT_FALSE(window.correct(c.entry, c.title));
    EXPECT_EQ(game.boxes.shown.back().text, c.box);
    EXPECT_EQ(list(), mixedList());
    EXPECT_EQ(window.list().bytes(), mixedList());
  }
  EXPECT_TRUE(window.correct(3, "Ran"));
  EXPECT_EQ(window.list().caption(3), "Ran");
}

TEST_F(ListWindow, ImportAppendsAcceptableTitlesAndReportsTheOthersByReason) {
  game.folder.write("Filmotas.dat", movieList({"Amélie"}));
  game.folder.write("nuevas.txt",
                    "\xEF\xBB\xBF" "AMELIE\r\nRan\n\n   \r\n" + std::string(51, 'x') +
                        "\nŌkami\nTab\there\nran\r\n\xFF\nLa strada");
  window.Form_Load();
  EXPECT_TRUE(window.importFile(game.folder.file("nuevas.txt")));
  EXPECT_EQ(list(), movieList({"Amélie", "Ran", "La strada"}));
  EXPECT_EQ(game.boxes.shown.back().text,
            "Filmotas añadidas: 2\r\nLíneas omitidas: 8\r\n- vacías o solo con espacios: 2\r\n"
            "- de más de 50 caracteres: 1\r\n- con caracteres que no se pueden guardar: 3\r\n"
            "- que ya estaban en la lista: 2");
  EXPECT_EQ(game.game.intRegistros, 3);
}

TEST_F(ListWindow, ImportStopsAtAFailureOrAFullList) {
  const std::string almostFull(32766 * 52, '\0');
  const struct { rlim_t room; std::string text; std::string list; int boxes; } cases[] = {
      {52 + 60, "Uno\nDos\nTres\n", movieList({"Amélie", "Uno"}), 2},
      {RLIM_INFINITY, "Uno\nDos\nTres\n", almostFull + movieList({"Uno"}), 1}};
  const std::string reports[] = {
      "La importación se detuvo por un error.\r\n\r\nFilmotas añadidas: 1",
      "Filmotas añadidas: 1\r\nLíneas omitidas: 2\r\n- que no caben: la lista admite 32767 filmotas: 2"};
  for (std::size_t i = 0; i < 2; ++i) {
    game.folder.write("Filmotas.dat", i == 0 ? movieList({"Amélie"}) : almostFull);
    game.folder.write("nuevas.txt", cases[i].text);
    game.boxes.shown.clear();
    {
      const FileSizeLimit disk(cases[i].room);
      EXPECT_TRUE(window.importFile(game.folder.file("nuevas.txt")));
    }
    EXPECT_EQ(list(), cases[i].list);
    ASSERT_EQ(game.boxes.shown.size(), static_cast<std::size_t>(cases[i].boxes));
    EXPECT_EQ(game.boxes.shown.back().text, reports[i]);
  }
}

TEST_F(ListWindow, ExportGivesBackTheListWhenImportedIntoAnEmptyOne) {
  window.Form_Load();
  window.exportFile(game.folder.file("lista.txt"));
  EXPECT_EQ(game.folder.read("lista.txt"), "Amélie\nAMELIE\nVolver\namelie 2\n");
  EXPECT_EQ(game.boxes.shown.back().text,
            "Filmotas exportadas: 4\r\nRegistros dañados o con saltos de línea sin exportar: 2");

  GameFixture other;
  other.folder.write("Filmotas.dat", movieList({"Ñ ¿¡€ — “Œ”", std::string(50, 'z'), "  dos  espacios "}));
  FrmListaFilmotas source(other.game, other.boxes);
  source.Form_Load();
  source.exportFile(game.folder.file("lista.txt"));
  game.folder.write("Filmotas.dat", "");
  window.importFile(game.folder.file("lista.txt"));
  EXPECT_EQ(list(), other.folder.read("Filmotas.dat"));
}
