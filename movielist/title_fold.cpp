// The folding table of the Windows-1252 letters.
#include "movielist/title_fold.h"

#include <array>
#include <cstdint>

namespace filmotas {

namespace {

// Plain bases of codes 0xC0 to 0xDF (À to ß); their lower-case forms lie 0x20 above
// and fold alike. A blank marks a letter without a plain base, which only loses its case.
constexpr char kAccentedBases[] = "aaaaaa ceeeeiiii noooooxouuuuy  ";

constexpr std::array<char, 256> buildTable() {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) table[static_cast<std::size_t>(c)] = static_cast<char>(c);
  for (int c = 'A'; c <= 'Z'; ++c) table[static_cast<std::size_t>(c)] = static_cast<char>(c + 32);
  table[0x8A] = table[0x9A] = 's';   // Š š
  table[0x8E] = table[0x9E] = 'z';   // Ž ž
  table[0x8C] = table[0x9C] = '\x9C';   // Œ œ
  table[0x9F] = 'y';                 // Ÿ
  for (int c = 0xC0; c <= 0xDF; ++c) {
    const char base = kAccentedBases[c - 0xC0];
    const auto lower = static_cast<char>(c + 0x20);
    table[static_cast<std::size_t>(c)] = base == ' ' ? lower : base;
    table[static_cast<std::size_t>(c + 0x20)] = base == ' ' ? lower : base;
  }
  table[0xD7] = '\xD7';   // × and ÷ are no letters
  table[0xF7] = '\xF7';
  table[0xDF] = '\xDF';   // ß has no upper case here
  table[0xFF] = 'y';      // ÿ
  return table;
}

constexpr std::array<char, 256> kTable = buildTable();

}  // namespace

std::string foldTitle(std::string_view codes) {
  std::string folded(codes.size(), '\0');
  foldInto(codes, folded.data());
  return folded;
}

void foldInto(std::string_view codes, char* out) {
  for (const char c : codes) *out++ = kTable[static_cast<std::uint8_t>(c)];
}

}  // namespace filmotas
