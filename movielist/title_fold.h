#pragma once
// Titles compared as the player reads them: without regard to case or accents, so that
// "amelie" finds "Amélie". Works on Windows-1252 codes, one byte a character.
#include <string>
#include <string_view>

namespace filmotas {

// Every code of `codes` folded to the code it compares by: lower case, accent dropped
// ("Á", "á", "A" all give "a"). Letters without a plain Latin base ("æ", "ð", "þ") only
// lose their case.
std::string foldTitle(std::string_view codes);

// The same into `out`, which holds at least codes.size() bytes.
void foldInto(std::string_view codes, char* out);

}  // namespace filmotas
