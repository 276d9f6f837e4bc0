#pragma once
#include <cstdint>
#include <optional>

namespace filmotas {

// The code of the same letter in the other case, in Windows-1252: a–z with A–Z, the
// accented and other Latin letters with their capitals (á Á, ñ Ñ, š Š, œ Œ, ž Ž, ÿ Ÿ).
// Digits, punctuation, space, ß, ª, º, ÷, × and the rest have none and match only
// themselves.
std::optional<std::uint8_t> partnerCode(std::uint8_t code);

}  // namespace filmotas
