#pragma once
// What the add-movie dialog's text box lets the player type or paste.
#include <string_view>

namespace filmotas {

// A movie-list record holds 52 bytes: 2 of length and 50 characters.
inline constexpr int kTitleMaxLength = 50;

// Whether `text` (UTF-8, the whole content the box would hold after the edit) may stand
// in the title box: at most 50 characters, every one of them with a Windows-1252 code,
// and no line break, tab or other control character. The box refuses any edit for which
// this is false and keeps its previous text.
bool isAcceptableTitleText(std::string_view text);

// The same for a title already in Windows-1252 codes.
bool isAcceptableTitleCodes(std::string_view codes);

// Whether a title is empty or blanks and tabs only: no title a player could ever answer.
bool isBlankTitle(std::string_view text);

}  // namespace filmotas
