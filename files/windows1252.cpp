#include "files/windows1252.h"

#include <array>

#include "files/utf8.h"

namespace filmotas::windows1252 {

namespace {

// Codes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t toUnicode(std::uint8_t code) {
  if (code >= 0x80 && code <= 0x9F) return kHighControls[code - 0x80];
  return code;
}

std::optional<std::uint8_t> fromUnicode(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<std::uint8_t>(character);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == character) return static_cast<std::uint8_t>(0x80 + i);
  }
  return std::nullopt;
}

std::string decode(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) out += utf8::encode(toUnicode(static_cast<std::uint8_t>(b)));
  return out;
}

std::optional<std::string> encode(std::string_view text) {
  const auto codePoints = utf8::decode(text);
  if (!codePoints) return std::nullopt;
  std::string out;
  out.reserve(codePoints->size());
  for (char32_t cp : *codePoints) {
    const auto code = fromUnicode(cp);
    if (!code) return std::nullopt;
    out += static_cast<char>(*code);
  }
  return out;
}

std::string unencodable(std::string_view text) {
  const auto codePoints = utf8::decode(text);
  if (!codePoints) return std::string(text);
  std::string out;
  for (char32_t cp : *codePoints) {
    if (!fromUnicode(cp)) out += utf8::encode(cp);
  }
  return out;
}

bool canEncode(std::string_view text) { return encode(text).has_value(); }

}  // namespace filmotas::windows1252
