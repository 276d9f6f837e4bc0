// The add-movie dialog's append, checked byte for byte in the movie list.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "movielist/frm_agregar.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

constexpr int kRecord = 52;

// A game over a list of three titles, started as the program starts it.
struct AppendFixture : ::testing::Test {
  AppendFixture() : game({"UNO", "DOS", "TRES"}), dialog(game.game) {
    game.random.script({0.9f});   // title 3, vowel U
    game.game.Form_Load();
  }
  std::string list() const { return game.folder.read("Filmotas.dat"); }
  GameFixture game;
  FrmAgregar dialog;
};

// Lowers the largest file size this process may write, so that a write really fails
// half-way; restores the limit and the signal whatever the test does.
class FileSizeCap {
 public:
  explicit FileSizeCap(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeCap() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  sighandler_t previous_{};
};

}  // namespace

TEST_F(AppendFixture, TenLetterTitleBecomesRecordFourWithZeroPadding) {
  ASSERT_EQ(game.game.intRegistros, 3);
  const std::string before = list();

  EXPECT_TRUE(dialog.cmdAceptar_Click("CASABLANCA"));

  const std::string after = list();
  ASSERT_EQ(after.size(), 208u);
  EXPECT_EQ(after.substr(0, 156), before);
  EXPECT_EQ(after.substr(156), std::string("\x0A\x00", 2) + "CASABLANCA" + std::string(40, '\0'));
  EXPECT_EQ(game.game.intRegistros, 4);
  EXPECT_TRUE(game.boxes.shown.empty());
  EXPECT_FALSE(game.game.files().isOpen(game.game.intArchivo));
}

TEST_F(AppendFixture, SeveralAppendsLandInConsecutiveRecordsEmptyAndRepeatedIncluded) {
  EXPECT_TRUE(dialog.cmdAceptar_Click("UNO"));
  EXPECT_TRUE(dialog.cmdAceptar_Click(""));
  EXPECT_TRUE(dialog.cmdAceptar_Click("Año"));

  EXPECT_EQ(list().substr(3 * kRecord),
            record("UNO", kRecord) + record("", kRecord) + record("A\xF1o", kRecord));
  EXPECT_EQ(game.game.intRegistros, 6);
}

TEST_F(AppendFixture, FiftyCharactersFillTheRecordAndFiftyOneAreRefused) {
  std::string enes;
  for (int i = 0; i < 50; ++i) enes += "ñ";
  EXPECT_TRUE(dialog.cmdAceptar_Click(enes));
  EXPECT_EQ(list().substr(3 * kRecord), std::string("\x32\x00", 2) + std::string(50, '\xF1'));

  const std::string before = list();
  EXPECT_FALSE(dialog.cmdAceptar_Click(enes + "n"));
  EXPECT_EQ(list(), before);
  ASSERT_EQ(game.boxes.shown.size(), 1u);
  EXPECT_EQ(game.boxes.shown[0].text, "Error 59:\r\n\r\nLongitud de registro incorrecta");
  EXPECT_EQ(game.game.intRegistros, 4);
}

TEST_F(AppendFixture, TrailingPartialRecordIsOverwritten) {
  game.folder.write("Filmotas.dat", movieList({"UNO", "DOS"}) + std::string(26, 'x'));

  EXPECT_TRUE(dialog.cmdAceptar_Click("TRES"));

  EXPECT_EQ(list(), movieList({"UNO", "DOS", "TRES"}));
  EXPECT_EQ(game.game.intRegistros, 3);
}

TEST_F(AppendFixture, PositionComesFromTheFileNotFromAStaleCount) {
  game.game.intRegistros = 1;   // too low: must not overwrite "DOS"
  EXPECT_TRUE(dialog.cmdAceptar_Click("CUATRO"));
  game.game.intRegistros = 20;  // too high: must not leave a gap
  EXPECT_TRUE(dialog.cmdAceptar_Click("CINCO"));

  EXPECT_EQ(list(), movieList({"UNO", "DOS", "TRES", "CUATRO", "CINCO"}));
  EXPECT_EQ(game.game.intRegistros, 5);
}

TEST(AppendWithoutGame, FailedStartUpLeavesConfigUntouchedAndAppendsToTheList) {
  GameFixture f({"UNO"});
  const std::string settings = record("99", 4) + record("0", 4) + record("1", 4);
  f.folder.write("Config.dat", settings);   // a wait beyond the slider: start-up fails
  f.game.Form_Load();
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  ASSERT_EQ(std::filesystem::path(f.game.strArchivo).filename(), "Config.dat");
  ASSERT_EQ(f.game.intTamaño, 4);

  EXPECT_TRUE(FrmAgregar(f.game).cmdAceptar_Click("DOS"));

  EXPECT_EQ(f.folder.read("Config.dat"), settings);
  EXPECT_EQ(f.folder.read("Filmotas.dat"), movieList({"UNO", "DOS"}));
  EXPECT_EQ(f.game.intRegistros, 2);
  EXPECT_EQ(std::filesystem::path(f.game.strArchivo).filename(), "Filmotas.dat");
  EXPECT_EQ(f.game.intTamaño, 52);
}

TEST(AppendWithoutGame, MissingListIsCreatedWithTheTitleAsRecordOne) {
  GameFixture f;
  EXPECT_TRUE(FrmAgregar(f.game).cmdAceptar_Click("PRIMERA"));
  EXPECT_EQ(f.folder.read("Filmotas.dat"), movieList({"PRIMERA"}));
  EXPECT_EQ(f.game.intRegistros, 1);
}

TEST(AppendLimit, TheTitleNumber32767IsTheLastOneAccepted) {
  GameFixture f;
  f.folder.write("Filmotas.dat", std::string(32766 * kRecord, '\0'));
  FrmAgregar dialog(f.game);

  EXPECT_TRUE(dialog.cmdAceptar_Click("ÚLTIMA"));
  EXPECT_EQ(f.game.intRegistros, 32767);
  EXPECT_TRUE(f.boxes.shown.empty());

  EXPECT_FALSE(dialog.cmdAceptar_Click("UNA MÁS"));
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "La lista ya tiene 32767 filmotas, el máximo que admite el programa.");
  EXPECT_EQ(f.boxes.shown[0].title, "Agregar filmotas");
  EXPECT_EQ(f.boxes.shown[0].code, 48);
  EXPECT_EQ(f.folder.read("Filmotas.dat").size(), 32767u * kRecord);
  EXPECT_EQ(f.game.intRegistros, 32767);
}

TEST_F(AppendFixture, CharactersWithoutACodeAreNamedAndNothingIsWritten) {
  const std::string before = list();

  EXPECT_FALSE(dialog.cmdAceptar_Click("Ōkami – 大神"));

  ASSERT_EQ(game.boxes.shown.size(), 1u);
  EXPECT_EQ(game.boxes.shown[0].text, "El título contiene caracteres que no se pueden guardar: Ō大神");
  EXPECT_EQ(game.boxes.shown[0].title, "Agregar filmotas");
  EXPECT_EQ(game.boxes.shown[0].code, 48);
  EXPECT_EQ(list(), before);
  EXPECT_EQ(game.game.intRegistros, 3);
}

TEST_F(AppendFixture, WriteCutShortByTheFileSizeCapLeavesTheListAsItWas) {
  const std::string before = list();
  bool appended = true;
  {
    const FileSizeCap limit(before.size() + 20);   // room for 20 of the 52 bytes
    appended = dialog.cmdAceptar_Click("CASABLANCA");
  }
  EXPECT_FALSE(appended);
  EXPECT_EQ(list(), before);
  EXPECT_EQ(game.game.intRegistros, 3);
  ASSERT_EQ(game.boxes.shown.size(), 1u);
  EXPECT_EQ(game.boxes.shown[0].text, "Error 61:\r\n\r\nDisco lleno");
  EXPECT_EQ(game.boxes.shown[0].title, "Error");
  EXPECT_EQ(game.boxes.shown[0].code, 16);
  EXPECT_FALSE(game.game.files().isOpen(game.game.intArchivo));

  EXPECT_TRUE(dialog.cmdAceptar_Click("CASABLANCA"));   // the next try, with room, works
  EXPECT_EQ(list().size(), 208u);
}

TEST_F(AppendFixture, ListThatCannotBeOpenedGivesTheGeneralErrorBox) {
  std::filesystem::remove(game.folder.file("Filmotas.dat"));
  std::filesystem::create_directory(game.folder.file("Filmotas.dat"));

  EXPECT_FALSE(dialog.cmdAceptar_Click("CASABLANCA"));

  ASSERT_EQ(game.boxes.shown.size(), 1u);
  EXPECT_EQ(game.boxes.shown[0].title, "Error");
  EXPECT_EQ(game.boxes.shown[0].code, 16);
  EXPECT_EQ(game.boxes.shown[0].text.rfind("Error 75:", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(game.folder.file("Filmotas.dat")));
  EXPECT_EQ(game.game.intRegistros, 3);
}

TEST_F(AppendFixture, ReadOnlyListIsLeftAsItWas) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not deny writing to root";
  const std::string before = list();
  std::filesystem::permissions(game.folder.file("Filmotas.dat"), std::filesystem::perms::owner_read);

  EXPECT_FALSE(dialog.cmdAceptar_Click("CASABLANCA"));

  EXPECT_EQ(list(), before);
  ASSERT_EQ(game.boxes.shown.size(), 1u);
  EXPECT_EQ(game.boxes.shown[0].text, "Error 70:\r\n\r\nPermiso denegado");
}
