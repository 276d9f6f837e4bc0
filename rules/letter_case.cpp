#include "rules/letter_case.h"

namespace filmotas {

std::optional<std::uint8_t> partnerCode(std::uint8_t code) {
  const auto pair = [](int other) { return std::optional<std::uint8_t>(static_cast<std::uint8_t>(other)); };
  if (code >= 'a' && code <= 'z') return pair(code - 32);
  if (code >= 'A' && code <= 'Z') return pair(code + 32);
  if (code >= 224 && code <= 254 && code != 247) return pair(code - 32);  // à..þ, not ÷
  if (code >= 192 && code <= 222 && code != 215) return pair(code + 32);  // À..Þ, not ×
  switch (code) {
    case 154: return pair(138);  // š Š
    case 138: return pair(154);
    case 156: return pair(140);  // œ Œ
    case 140: return pair(156);
    case 158: return pair(142);  // ž Ž
    case 142: return pair(158);
    case 255: return pair(159);  // ÿ Ÿ
    case 159: return pair(255);
    default: return std::nullopt;
  }
}

}  // namespace filmotas
