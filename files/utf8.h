#pragma once
// UTF-8 is the text of the program's own sources and of the window; the data files
// speak Windows-1252 (see windows1252.h).
#include <optional>
#include <string>
#include <string_view>

namespace filmotas::utf8 {

// The code points of a UTF-8 text; nullopt when the bytes are not valid UTF-8.
std::optional<std::u32string> decode(std::string_view text);

std::string encode(char32_t codePoint);
std::string encode(std::u32string_view codePoints);

// Number of characters (code points) of a valid UTF-8 text.
std::size_t length(std::string_view text);

}  // namespace filmotas::utf8
