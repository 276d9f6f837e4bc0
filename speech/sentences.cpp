#include "speech/sentences.h"

namespace filmotas::speech {

namespace {

constexpr int kMissesToLose = 5;

// Each cell caption a space shows as; a title cell never holds anything wider.
bool isSpace(const std::string& caption) { return caption == " "; }

// Words are the runs of cells between spaces.
int wordCount(const BoardView& board) {
  int words = 0;
  bool inWord = false;
  for (const std::string& caption : board.captions) {
    const bool letter = !isSpace(caption);
    if (letter && !inWord) ++words;
    inWord = letter;
  }
  return words;
}

std::string counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string lettersToFind(int n) { return counted(n, "letra por descubrir", "letras por descubrir"); }

std::string missesSoFar(int misses) {
  return "Fallos: " + std::to_string(misses) + " de " + std::to_string(kMissesToLose);
}

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& part : parts) out += (out.empty() ? "" : ", ") + part;
  return out;
}

std::string spokenCell(const BoardView& board, std::size_t i) {
  if (board.hidden[i]) return "hueco";
  return isSpace(board.captions[i]) ? "espacio" : board.captions[i];
}

}  // namespace

std::string newGameSentence(const GameStarted& started) {
  return "Nueva película: " + counted(wordCount(started.board), "palabra", "palabras") + ", " +
         lettersToFind(started.board.hiddenCount()) + ". Vocal regalada: " + started.vowel + ".";
}

std::string letterSentence(const LetterJudged& judged) {
  switch (judged.outcome) {
    case LetterOutcome::hit: {
      const int left = judged.board.hiddenCount();
      const std::string found = "Sí, la " + judged.letter + " está. ";
      if (left == 0) return found + "Ya no quedan letras por descubrir.";
      return found + (left == 1 ? "Queda " : "Quedan ") + lettersToFind(left) + ".";
    }
    case LetterOutcome::miss:
      return "No, la " + judged.letter + " no está. " + missesSoFar(judged.board.misses) + ".";
    default:
      return {};
  }
}

std::string boardSentence(const BoardView& board) {
  std::vector<std::string> cells;
  for (std::size_t i = 0; i < board.captions.size() && i < board.hidden.size(); ++i) {
    cells.push_back(spokenCell(board, i));
  }
  std::string out = cells.empty() ? "" : joined(cells) + ". ";
  out += missesSoFar(board.misses);
  if (!board.missedLetters.empty()) out += ": " + joined(board.missedLetters);
  return out + ".";
}

}  // namespace filmotas::speech
