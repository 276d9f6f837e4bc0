// What the add-movie dialog's text box lets through.
#include <gtest/gtest.h>

#include "movielist/title_entry.h"

TEST(TitleEntry, LetsThroughUpToFiftyWindows1252CharactersOnOneLine) {
  std::string fifty;   // fifty characters, a hundred UTF-8 bytes
  for (int i = 0; i < 50; ++i) fifty += "é";
  const std::pair<std::string, bool> cases[] = {
      {"", true}, {"¿Quién engañó a Roger Rabbit? – 1988 €", true}, {fifty, true},
      {fifty + "e", false}, {"LA\nMOMIA", false}, {"LA\r\nMOMIA", false}, {"LA\tMOMIA", false},
      {std::string("LA\0MOMIA", 8), false}, {"LA\x7FMOMIA", false}, {"LA\u0085MOMIA", false},
      {"Ōkami", false}, {"\xC3", false}};
  for (const auto& [text, acceptable] : cases) EXPECT_EQ(filmotas::isAcceptableTitleText(text), acceptable) << text;
}
