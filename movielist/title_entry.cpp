// The title box's filter.
#include "movielist/title_entry.h"

#include <algorithm>

#include "files/windows1252.h"

namespace filmotas {

namespace {

// Line breaks, tabs and the other C0 and C1 controls: nothing a title shows.
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

// Every character with a code has exactly one, so the codes count the characters.
bool isAcceptableTitleText(std::string_view text) {
  const auto codes = windows1252::encode(text);
  return codes && isAcceptableTitleCodes(*codes);
}

bool isAcceptableTitleCodes(std::string_view codes) {
  return codes.size() <= static_cast<std::size_t>(kTitleMaxLength) &&
         std::none_of(codes.begin(), codes.end(),
                      [](char c) { return isControl(windows1252::toUnicode(static_cast<std::uint8_t>(c))); });
}

bool isBlankTitle(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace filmotas
