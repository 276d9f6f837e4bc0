// What the add-movie dialog's text box lets through.
#include <gtest/gtest.h>

#include "movielist/title_entry.h"

using filmotas::isAcceptableTitleText;

TEST(TitleEntry, AcceptsUpToFiftyWindows1252Characters) {
  EXPECT_TRUE(isAcceptableTitleText(""));
  EXPECT_TRUE(isAcceptableTitleText("¿Quién engañó a Roger Rabbit? – 1988 €"));
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "é";   // fifty characters, a hundred UTF-8 bytes
  EXPECT_TRUE(isAcceptableTitleText(fifty));
  EXPECT_FALSE(isAcceptableTitleText(fifty + "e"));
}

TEST(TitleEntry, RefusesLineBreaksTabsAndControls) {
  EXPECT_FALSE(isAcceptableTitleText("LA\nMOMIA"));
  EXPECT_FALSE(isAcceptableTitleText("LA\r\nMOMIA"));
  EXPECT_FALSE(isAcceptableTitleText("LA\tMOMIA"));
  EXPECT_FALSE(isAcceptableTitleText(std::string("LA\0MOMIA", 8)));
  EXPECT_FALSE(isAcceptableTitleText("LA\u0085MOMIA"));
}

TEST(TitleEntry, RefusesCharactersWithoutACodeAndBrokenText) {
  EXPECT_FALSE(isAcceptableTitleText("千と千尋の神隠し"));
  EXPECT_FALSE(isAcceptableTitleText("Ōkami"));
  EXPECT_FALSE(isAcceptableTitleText("\xC3"));
}
