#include <gtest/gtest.h>

#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;

TEST(FirstRun, DefaultsAGameAndTheScratchFile) {
  GameFixture f({"EL BARCO DE PAPEL"});
  f.random.script({0.9f, 0.0f});   // title 1 (0.9 × 1 rounds to 1), vowel A
  f.game.Form_Load();
  EXPECT_TRUE(f.boxes.shown.empty());
  EXPECT_EQ(f.game.strPelícula, "EL BARCO DE PAPEL");
  EXPECT_EQ(f.game.model().lblRapidez, "1 segundo");
  EXPECT_EQ(f.game.model().cell(5), "A");
  EXPECT_EQ(f.game.model().cell(3), " ");
  EXPECT_EQ(f.game.model().cell(1), "-");
  EXPECT_EQ(f.game.model().cell(18), "");
  EXPECT_EQ(f.folder.read("Temp.dat"), std::string("\x01\x00" "A\x01\x00" "a", 6));
  EXPECT_EQ(f.folder.read("Config.dat").size(), 0u);
}
