// Reading "Ayuda.dat" into the help entry list.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "help/frm_ayuda.h"
#include "help/help_file.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::help;
using filmotas::testing::ScriptedBoxes;
using filmotas::testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(HelpLines, CrLfAndLoneCrEndLinesWhileBareLfStaysInside) {
  EXPECT_EQ(splitHelpLines("uno\r\ndos\r\ntres\r\n"), (Lines{"uno", "dos", "tres"}));
  EXPECT_EQ(splitHelpLines("uno\rdos\rtres\r"), (Lines{"uno", "dos", "tres"}));
  EXPECT_EQ(splitHelpLines("uno\ndos\r\ntres"), (Lines{"uno\ndos", "tres"}));
  EXPECT_EQ(splitHelpLines("uno\r\r\ndos"), (Lines{"uno", "", "dos"}));
}

TEST(HelpLines, EmptyLinesKeepTheirPlaceAndNoBytesGiveNoLines) {
  EXPECT_EQ(splitHelpLines(""), Lines{});
  EXPECT_EQ(splitHelpLines("\r\n"), Lines{""});
  EXPECT_EQ(splitHelpLines("\r\n\r\nuno"), (Lines{"", "", "uno"}));
  EXPECT_EQ(splitHelpLines("\n"), Lines{"\n"});
}

TEST(HelpLines, BytesAreWindows1252) {
  EXPECT_EQ(splitHelpLines("\xBF" "C\xF3mo se juega? \x80\r\n"), Lines{"¿Cómo se juega? €"});
}

struct HelpLoad : ::testing::Test {
  HelpLoad() : window(DataFolder(folder.path().string()), boxes) {}
  std::string helpPath() const { return folder.file("Ayuda.dat"); }
  TempFolder folder;
  ScriptedBoxes boxes;
  FrmAyuda window;
};

TEST_F(HelpLoad, EveryLineBecomesAnEntryInFileOrder) {
  folder.write("Ayuda.dat", "uno\r\n\r\ntres");
  EXPECT_TRUE(window.LoadTips(helpPath()));
  EXPECT_EQ(window.colTips(), (Lines{"uno", "", "tres"}));
  EXPECT_EQ(window.tip(3), "tres");
  EXPECT_EQ(window.tip(4), std::nullopt);
  EXPECT_EQ(window.tip(0), std::nullopt);
}

TEST_F(HelpLoad, ZeroBytesIsFoundAndAddsNothing) {
  folder.write("Ayuda.dat", "");
  EXPECT_TRUE(window.LoadTips(helpPath()));
  EXPECT_TRUE(window.colTips().empty());
}

TEST_F(HelpLoad, EmptyPathMissingFileAndFolderAreNotFound) {
  folder.write("Ayuda.dat", "uno");
  ASSERT_TRUE(window.LoadTips(helpPath()));

  EXPECT_FALSE(window.LoadTips(""));
  EXPECT_FALSE(window.LoadTips(folder.file("Otra.dat")));
  std::filesystem::create_directory(folder.file("Carpeta.dat"));
  EXPECT_FALSE(window.LoadTips(folder.file("Carpeta.dat")));
  EXPECT_EQ(window.colTips(), Lines{"uno"});   // the list is left as it was
}

TEST_F(HelpLoad, UnreadableFileIsNotFound) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not deny reading to root";
  folder.write("Ayuda.dat", "uno");
  std::filesystem::permissions(helpPath(), std::filesystem::perms::none);
  EXPECT_FALSE(window.LoadTips(helpPath()));
  EXPECT_TRUE(window.colTips().empty());
}

TEST_F(HelpLoad, ReopeningAppendsSoTheFirstTextsStay) {
  folder.write("Ayuda.dat", "primera\r\nsegunda\r\n");
  ASSERT_TRUE(window.Form_Load());
  folder.write("Ayuda.dat", "cambiada\r\n");
  ASSERT_TRUE(window.Form_Load());
  std::filesystem::remove(helpPath());
  EXPECT_FALSE(window.Form_Load());

  EXPECT_EQ(window.colTips(), (Lines{"primera", "segunda", "cambiada"}));
  EXPECT_EQ(window.tip(1), "primera");
}

TEST_F(HelpLoad, MissingFileShowsTheBoxEachTime) {
  EXPECT_FALSE(window.Form_Load());
  EXPECT_FALSE(window.Form_Load());

  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text,
            "No se encontró el archivo de ayuda.\r\n\r\nVuelva a instalar el programa.");
  EXPECT_EQ(boxes.shown[1].title, "Error");
  EXPECT_EQ(boxes.shown[1].code, 16);
}

TEST_F(HelpLoad, LoadedWindowIsCompactWithTheFrameHidden) {
  folder.write("ayuda.DAT", "uno");   // data-file names match whatever their case
  EXPECT_TRUE(window.Form_Load());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(window.colTips(), Lines{"uno"});
  EXPECT_EQ(window.model().height, 2000);
  EXPECT_FALSE(window.model().fraMarcoVisible);
  EXPECT_EQ(window.model().fraMarcoCaption, "Marco");
  EXPECT_EQ(window.model().lblAyuda, "Elige alguna opción.");
}
