// The title box's filter.
#include "movielist/title_entry.h"

#include <algorithm>

#include "files/utf8.h"
#include "files/windows1252.h"

namespace filmotas {

namespace {

// Line breaks, tabs and the other C0 and C1 controls: nothing a title shows.
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

bool isAcceptableTitleText(std::string_view text) {
  const auto characters = utf8::decode(text);
  return characters && characters->size() <= static_cast<std::size_t>(kTitleMaxLength) &&
         std::none_of(characters->begin(), characters->end(), isControl) &&
         windows1252::canEncode(text);
}

bool isBlankTitle(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace filmotas
