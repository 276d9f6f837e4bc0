#pragma once
// The code page of every data file: one byte a character. Characters are compared by
// these codes ("A" 65, "a" 97, space 32).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace filmotas::windows1252 {

// The character of a code. The five codes Windows leaves unassigned (81, 8D, 8F, 90,
// 9D) stand for the C1 control characters of the same value, so all 256 round-trip.
char32_t toUnicode(std::uint8_t code);

// The code of a character; nullopt when Windows-1252 has no code for it.
std::optional<std::uint8_t> fromUnicode(char32_t character);

// Windows-1252 bytes to UTF-8. Never fails.
std::string decode(std::string_view bytes);

// UTF-8 to Windows-1252 bytes; nullopt when a character has no code (or the text is
// not valid UTF-8). Nothing is ever replaced silently.
std::optional<std::string> encode(std::string_view text);

// The characters of a UTF-8 text that have no code, in order, as UTF-8.
std::string unencodable(std::string_view text);

// Whether every character of a UTF-8 text has a code.
bool canEncode(std::string_view text);

}  // namespace filmotas::windows1252
