#pragma once
// What a screen reader says of a game: one Spanish sentence for each event the player
// cannot see, and the whole board read out in order. Numbers are written in digits.
#include <string>

#include "engine/game_events.h"

namespace filmotas::speech {

inline constexpr const char* kNoGame = "No hay partida en curso.";

// "Nueva película: 2 palabras, 6 letras por descubrir. Vocal regalada: O."
std::string newGameSentence(const GameStarted& started);

// A hit or a miss; empty for the verdicts a message box already tells (a vowel refused,
// a repeated letter) and for a character that is dropped.
std::string letterSentence(const LetterJudged& judged);

// The cells in order ("hueco" for a hidden one, "espacio" for a space), then the misses:
// "M, o, n, o, espacio, hueco, z, hueco, l. Fallos: 2 de 5: K, T."
std::string boardSentence(const BoardView& board);

}  // namespace filmotas::speech
