// The list window's operations on the movie list, checked byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "movielist/frm_agregar.h"
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
const std::string kPartial(1, '\xEE');
const std::string kTail = "\xB2\x27\x0A\xEF";   // the bytes after a list's last whole record

// Amélie, AMELIE, Volver (odd padding), a damaged record, "amelie 2", a one-byte partial record.
std::string mixedList() {
  return movieList({"Amélie", "AMELIE"}) + kPadded + kDamaged + movieList({"amelie 2"}) + kPartial;
}

// Goes on until call number `cancelAt` (from 1), where the player cancels.
struct ScriptedProgress : ImportProgress {
  bool keepGoing(std::uint64_t, std::uint64_t) override { return ++calls != cancelAt; }
  void finished() override { ++ends; }
  int cancelAt = 0;
  int calls = 0;
  int ends = 0;
};

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
                                  "amelie 2", "[Registro incompleto: 1 byte]"};
  ASSERT_EQ(window.list().size(), 6);
  for (std::int32_t i = 0; i < 6; ++i) EXPECT_EQ(window.list().caption(i), captions[i]) << i;
  EXPECT_EQ(game.game.titleCount(), 5);   // whole records only
  EXPECT_EQ(window.countCaption(6), "6 registros");
  EXPECT_EQ(window.countCaption(1), "1 de 6 registros");

  const struct { const char* typed; bool onlyDuplicates; Entries shown; } cases[] = {
      {"", false, {0, 1, 2, 3, 4, 5}}, {"amelie", false, {0, 1, 4}}, {"ÉLIE 2", false, {4}},
      {"OLV", false, {2}},             {"Ō", false, {}},             {"", true, {0, 1}},
      {"e 2", true, {}}};
  for (const auto& c : cases) EXPECT_EQ(window.shownEntries(c.typed, c.onlyDuplicates), c.shown) << c.typed;
}

TEST_F(ListWindow, RemoveAsksHowManyAndCountsAtOnce) {
  window.Form_Load();
  EXPECT_EQ(window.shownEntries("", true), (Entries{0, 1}));   // known before the removal
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

// Each acceptable line appended, a batch at a time; the report counts the others by
// reason, and a write failure stops the import after the batches already written.
TEST_F(ListWindow, ImportAppendsAcceptableTitlesAndReportsTheOthers) {
  const std::string almostFull(32766 * 52, '\0');
  const std::string longLine(kImportBatchBytes, 'x');   // the first batch is written after it
  const struct { std::string list, text; rlim_t room; std::string after; std::size_t boxes; std::string report; } cases[] = {
      {movieList({"Amélie"}),
       "\xEF\xBB\xBF" "AMELIE\r\nRan\n\n   \r\n\t \t\n" + std::string(51, 'x') + "\n" + std::string(300, 'y') +
           "\nŌkami\nTab\there\nran\r\nLa strada\nLA STRÁDA\nRan",
       RLIM_INFINITY, movieList({"Amélie", "Ran", "La strada"}), 1,
       "Filmotas añadidas: 2\r\nLíneas omitidas: 11\r\n- 3 líneas vacías\r\n"
       "- 2 líneas de más de 50 caracteres\r\n- 2 líneas con caracteres que no se pueden guardar\r\n"
       "- 1 título ya está en la lista\r\n- 3 líneas repetidas en el archivo"},
      {movieList({"Amélie"}), "Uno\nDos\nTres\n", 52 + 100, movieList({"Amélie"}), 2,
       "La importación se detuvo por un error.\r\n\r\nFilmotas añadidas: 0"},
      {movieList({"Amélie"}), "Uno\nDos\n" + longLine + "\nTres\n", 52 * 3 + 30, movieList({"Amélie", "Uno", "Dos"}), 2,
       "La importación se detuvo por un error.\r\n\r\nFilmotas añadidas: 2\r\nLíneas omitidas: 1\r\n"
       "- 1 línea de más de 50 caracteres"},
      {almostFull, "Uno\n \nDos\nTres\nuno\n", RLIM_INFINITY, almostFull + movieList({"Uno"}), 1,
       "Filmotas añadidas: 1\r\nLíneas omitidas: 4\r\n- 1 línea vacía\r\n- 1 línea repetida en el archivo\r\n"
       "- 2 títulos no caben: la lista admite 32767 filmotas"}};
  for (const auto& c : cases) {
    game.folder.write("Filmotas.dat", c.list);
    game.folder.write("nuevas.txt", c.text);
    game.boxes.shown.clear();
    ScriptedProgress progress;
    {
      const FileSizeLimit disk(c.room);
      EXPECT_EQ(window.importFile(game.folder.file("nuevas.txt"), progress), c.after != c.list);
    }
    EXPECT_EQ(list(), c.after);
    EXPECT_EQ(window.list().bytes(), c.after);
    EXPECT_EQ(game.game.titleCount(), static_cast<std::int16_t>(c.after.size() / 52));
    ASSERT_EQ(game.boxes.shown.size(), c.boxes);
    EXPECT_EQ(game.boxes.shown.back().text, c.report);
    EXPECT_EQ(progress.ends, 1);
  }
}

// A file that is not UTF-8 adds nothing and says where; a cancel keeps what was added.
TEST_F(ListWindow, ImportRefusesAFileThatIsNotUtf8AndStopsWhenCancelled) {
  const struct { std::string text; int cancelAt; std::string after; ShownBox box; } cases[] = {
      {"Amélie\nCaf\xE9 Society\nRan\n", 0, mixedList(),
       {"El archivo no es texto UTF-8 (la línea 2 no lo es) y no se ha importado nada.\r\n\r\n"
        "Guárdalo con la codificación UTF-8 y vuelve a importarlo.", "Importar filmotas", 48}},
      {"Ran\nKagemusha\n", 1, mixedList(),
       {"Importación cancelada: las filmotas añadidas hasta entonces se quedan en la lista.\r\n\r\n"
        "Filmotas añadidas: 0", "Filmotas importadas", 64}},
      {"Ran\nKagemusha\n", 2, mixedList().substr(0, mixedList().size() - kPartial.size()) + movieList({"Ran"}),
       {"Importación cancelada: las filmotas añadidas hasta entonces se quedan en la lista.\r\n\r\n"
        "Filmotas añadidas: 1", "Filmotas importadas", 64}}};
  for (const auto& c : cases) {
    game.folder.write("Filmotas.dat", mixedList());
    game.folder.write("nuevas.txt", c.text);
    game.boxes.shown.clear();
    ScriptedProgress progress;
    progress.cancelAt = c.cancelAt;
    window.importFile(game.folder.file("nuevas.txt"), progress);
    EXPECT_EQ(list(), c.after);
    EXPECT_EQ(game.boxes.shown, Boxes{c.box});
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
  ScriptedProgress progress;
  window.importFile(game.folder.file("lista.txt"), progress);
  EXPECT_EQ(list(), odd);
}

// The bytes after the list's last whole record are saved beside it before any write
// replaces them, and only then.
TEST_F(ListWindow, RestIsSavedBeforeAWriteReplacesItAndOnlyThen) {
  const std::string text = "Esto es una nota que alguien guardó con ese nombre";   // no whole record
  const std::function<void()> addDialog = [this] { FrmAgregar(game.game).cmdAceptar_Click("Ran"); };
  const std::function<void()> import = [this] {
    game.folder.write("nuevas.txt", "Ran\n");
    ScriptedProgress progress;
    window.importFile(game.folder.file("nuevas.txt"), progress);
  };
  const struct { std::string list; std::function<void()> write; std::string after, saved; } cases[] = {
      {text, addDialog, movieList({"Ran"}), text},
      {movieList({"UNO"}) + kTail, import, movieList({"UNO", "Ran"}), kTail},
      {movieList({"UNO"}) + kTail, [this] { window.remove({1}); }, movieList({"UNO"}), kTail},
      {movieList({"UNO"}) + kTail, [this] { window.correct(1, "Ran"); }, movieList({"UNO", "Ran"}), kTail},
      {movieList({"UNO", "DOS"}) + kTail, [this] { window.remove({0}); }, movieList({"DOS"}) + kTail, ""},
      {movieList({"UNO"}), addDialog, movieList({"UNO", "Ran"}), ""}};
  for (const auto& c : cases) {
    std::filesystem::remove(game.folder.file("Filmotas.dat.resto"));
    game.folder.write("Filmotas.dat", c.list);
    window.Form_Load();
    c.write();
    EXPECT_EQ(list(), c.after);
    EXPECT_EQ(game.folder.exists("Filmotas.dat.resto"), !c.saved.empty());
    EXPECT_EQ(game.folder.read("Filmotas.dat.resto"), c.saved);
  }
  EXPECT_TRUE(std::none_of(game.boxes.shown.begin(), game.boxes.shown.end(), [](auto& b) { return b.code == 16; }));
}

// A folder that takes no new file cannot keep the rest, so the list is not written; a
// list without a rest is appended to in place as before.
TEST_F(ListWindow, RestThatCannotBeSavedStopsTheWrite) {
  for (const std::string& before : {movieList({"UNO"}) + kTail, movieList({"UNO"})}) {
    game.folder.write("Filmotas.dat", before);
    std::filesystem::permissions(game.folder.file("Filmotas.dat"), std::filesystem::perms(0666));
    game.boxes.shown.clear();
    const Unwritable folder(game.folder.path());
    const bool appended = FrmAgregar(game.game).cmdAceptar_Click("Ran");
    EXPECT_EQ(appended, before.size() % 52 == 0);
    EXPECT_EQ(list(), appended ? movieList({"UNO", "Ran"}) : before);
    EXPECT_EQ(game.boxes.shown, appended ? Boxes{} : Boxes{errorBox(70, "Permiso denegado")});
  }
}
