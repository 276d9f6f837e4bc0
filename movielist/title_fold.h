#pragma once
// Titles compared as the player reads them: without regard to case or accents, so that
// "amelie" finds "Amélie". Works on Windows-1252 codes, one byte a character.
#include <string>
#include <string_view>

namespace filmotas {

// The code a character compares by: lower case, accent dropped ("Á", "á", "A" all give
// "a"). Letters without a plain Latin base ("æ", "ð", "þ") only lose their case.
char foldCode(char code);

// Every code of `codes` folded.
std::string foldTitle(std::string_view codes);

}  // namespace filmotas
