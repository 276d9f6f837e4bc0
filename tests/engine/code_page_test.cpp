// Windows-1252, the code page of every data file: one byte a character, nothing lost.
#include <gtest/gtest.h>

#include "engine/windows1252.h"

namespace filmotas {
namespace {

TEST(CodePage, EveryCodeRoundTripsThroughUtf8) {
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    EXPECT_EQ(windows1252::fromUnicode(windows1252::toUnicode(c)), c) << code;
    const std::string byte(1, static_cast<char>(c));
    EXPECT_EQ(windows1252::encode(windows1252::decode(byte)), byte) << code;
  }
}

TEST(CodePage, UnassignedCodesStandForTheC1Controls) {
  for (std::uint8_t code : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(windows1252::toUnicode(code), static_cast<char32_t>(code)) << int(code);
  }
  // The other codes of 80–9F are the typographic characters, not controls.
  EXPECT_EQ(windows1252::toUnicode(0x80), U'€');
  EXPECT_EQ(windows1252::toUnicode(0x8A), U'Š');
  EXPECT_EQ(windows1252::toUnicode(0x9C), U'œ');
  EXPECT_EQ(windows1252::toUnicode(0x9F), U'Ÿ');
  EXPECT_FALSE(windows1252::fromUnicode(0x80).has_value());   // U+0080 has no code of its own
}

TEST(CodePage, SpanishTextsAreOneByteACharacter) {
  EXPECT_EQ(windows1252::encode("¡Correcto! Ñandú"),
            std::string("\xA1" "Correcto! \xD1" "and\xFA"));
  EXPECT_EQ(windows1252::decode("Caf\xE9 \x80" "5"), "Café €5");
}

TEST(CodePage, CharacterOutsideThePageIsReportedNeverReplaced) {
  EXPECT_FALSE(windows1252::encode("Łódź").has_value());
  EXPECT_EQ(windows1252::unencodable("Łódź"), "Łź");
  EXPECT_FALSE(windows1252::canEncode("🎬"));
  EXPECT_FALSE(windows1252::fromUnicode(U'Ā').has_value());
  EXPECT_TRUE(windows1252::canEncode(""));
}

TEST(CodePage, TextThatIsNotUtf8IsRefused) {
  EXPECT_FALSE(windows1252::encode("\xC3").has_value());           // cut short
  EXPECT_FALSE(windows1252::encode("\xC0\xAF").has_value());       // overlong "/"
  EXPECT_FALSE(windows1252::encode("\xED\xA0\x80").has_value());   // a surrogate
  EXPECT_FALSE(windows1252::encode("\xFF").has_value());
}

}  // namespace
}  // namespace filmotas
