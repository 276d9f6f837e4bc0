// The list window's operations on the movie list, checked byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "movielist/frm_lista_filmotas.h"
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
  ListWindow() { game.folder.write("Filmotas.dat", mixedList()); }
  std::string list() const { return game.folder.read("Filmotas.dat"); }
  GameFixture game;
  FrmListaFilmotas window{game.game, game.boxes};
};

}  // namespace

TEST_F(ListWindow, ShowsEveryRecordAndFiltersIgnoringCaseAndAccents) {
  window.Form_Load();
  const std::string captions[] = {"Amélie", "AMELIE", "Volver", "[Registro dañado: longitud 300]",
                                  "amelie 2", "[Registro incompleto: 26 bytes]"};
  ASSERT_EQ(window.list().size(), 6);
  for (std::int32_t i = 0; i < 6; ++i) EXPECT_EQ(window.list().caption(i), captions[i]) << i;
  EXPECT_EQ(game.game.titleCount(), 5);   // whole records only

  const struct { const char* typed; bool onlyDuplicates; Entries shown; } cases[] = {
      {"", false, {0, 1, 2, 3, 4, 5}}, {"amelie", false, {0, 1, 4}}, {"ÉLIE 2", false, {4}},
      {"OLV", false, {2}},             {"Ō", false, {}},             {"", true, {0, 1}},
      {"e 2", true, {}}};
  for (const auto& c : cases) EXPECT_EQ(window.shownEntries(c.typed, c.onlyDuplicates), c.shown) << c.typed;
}

TEST_F(ListWindow, RemoveAsksHowManyAndCountsAtOnce) {
  window.Form_Load();
  EXPECT_FALSE(window.remove({}));   // nothing selected: no question
  game.boxes.answer(box::kAnswerNo);
  EXPECT_FALSE(window.remove({3}));
  EXPECT_EQ(game.boxes.shown.back().text, "¿Quitar 1 filmota de la lista?");
  EXPECT_EQ(list(), mixedList());
  EXPECT_TRUE(window.remove({5, 1, 3}));   // answered Yes
  EXPECT_EQ(list(), movieList({"Amélie"}) + kPadded + movieList({"amelie 2"}));
  EXPECT_EQ(game.boxes.shown.back().text, "¿Quitar 3 filmotas de la lista?");
  EXPECT_EQ(window.shownEntries("", true), Entries{});   // its duplicate went with it
  game.game.mnuAyudaAcercaDe_Click();
  EXPECT_EQ(game.boxes.shown.back().text, aboutText(3));
}

// A refused title, a folder that refuses the new file and a disk that fills halfway
// through it all leave the list, on disk and in the window, byte-identical.
TEST_F(ListWindow, CorrectionRewritesOneRecordOrChangesNothing) {
  window.Form_Load();
  const struct { std::int32_t entry; const char* title; bool locked; const char* box; } cases[] = {
      {0, "   ", false, "El título no puede quedar vacío ni tener solo espacios."},
      {0, "Ōkami", false, "El título admite como mucho 50 caracteres, sin saltos de línea y que se puedan guardar."},
      {3, "Ran", true, "Error 70:\r\n\r\nPermiso denegado"},
      {3, "Ran", false, "Error 61:\r\n\r\nDisco lleno"}};
  for (const auto& c : cases) {
    std::optional<Unwritable> folder;
    if (c.locked) folder.emplace(game.folder.path());
    const FileSizeLimit disk(100);
    EXPECT_FALSE(window.correct(c.entry, c.title));
    EXPECT_EQ(game.boxes.shown.back().text, c.box);
    EXPECT_EQ(list(), mixedList());
    EXPECT_EQ(window.list().bytes(), mixedList());
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(game.folder.path()), {}), 1);
  EXPECT_TRUE(window.correct(5, "Ran"));
  EXPECT_EQ(list(), movieList({"Amélie", "AMELIE"}) + kPadded + kDamaged + movieList({"amelie 2", "Ran"}));
}

// Each acceptable line appended; the report counts the others by reason, and stops at a
// write failure or at the most titles a list holds.
TEST_F(ListWindow, ImportAppendsAcceptableTitlesAndReportsTheOthers) {
  const std::string almostFull(32766 * 52, '\0');
  const struct { std::string list, text; rlim_t room; std::string after; std::size_t boxes; const char* report; } cases[] = {
      {movieList({"Amélie"}),
       "\xEF\xBB\xBF" "AMELIE\r\nRan\n\n   \r\n" + std::string(51, 'x') + "\nŌkami\nTab\there\nran\r\n\xFF\nLa strada",
       RLIM_INFINITY, movieList({"Amélie", "Ran", "La strada"}), 1,
       "Filmotas añadidas: 2\r\nLíneas omitidas: 8\r\n- vacías o solo con espacios: 2\r\n"
       "- de más de 50 caracteres: 1\r\n- con caracteres que no se pueden guardar: 3\r\n"
       "- que ya estaban en la lista: 2"},
      {movieList({"Amélie"}), "Uno\nDos\nTres\n", 52 + 60, movieList({"Amélie", "Uno"}), 2,
       "La importación se detuvo por un error.\r\n\r\nFilmotas añadidas: 1"},
      {almostFull, "Uno\nDos\nTres\n", RLIM_INFINITY, almostFull + movieList({"Uno"}), 1,
       "Filmotas añadidas: 1\r\nLíneas omitidas: 2\r\n- que no caben: la lista admite 32767 filmotas: 2"}};
  for (const auto& c : cases) {
    game.folder.write("Filmotas.dat", c.list);
    game.folder.write("nuevas.txt", c.text);
    game.boxes.shown.clear();
    const FileSizeLimit disk(c.room);
    EXPECT_TRUE(window.importFile(game.folder.file("nuevas.txt")));
    EXPECT_EQ(list(), c.after);
    EXPECT_EQ(window.list().bytes(), c.after);
    EXPECT_EQ(game.game.titleCount(), static_cast<std::int16_t>(c.after.size() / 52));
    ASSERT_EQ(game.boxes.shown.size(), c.boxes);
    EXPECT_EQ(game.boxes.shown.back().text, c.report);
  }
}

TEST_F(ListWindow, ExportGivesBackTheListWhenImportedIntoAnEmptyOne) {
  window.Form_Load();
  window.exportFile(game.folder.file("lista.txt"));
  EXPECT_EQ(game.folder.read("lista.txt"), "Amélie\nAMELIE\nVolver\namelie 2\n");
  EXPECT_EQ(game.boxes.shown.back().text,
            "Filmotas exportadas: 4\r\nRegistros dañados o con saltos de línea sin exportar: 2");

  const std::string odd = movieList({"Ñ ¿¡€ — “Œ”", std::string(50, 'z'), "  dos  espacios "});
  game.folder.write("Filmotas.dat", odd);
  window.Form_Load();
  window.exportFile(game.folder.file("lista.txt"));
  EXPECT_EQ(game.boxes.shown.back().text, "Filmotas exportadas: 3");
  game.folder.write("Filmotas.dat", "");
  window.importFile(game.folder.file("lista.txt"));
  EXPECT_EQ(list(), odd);
}
