#pragma once
// A number with its noun, as a player reads it: "1 registro", "3 registros".
#include <cstdint>
#include <string>
#include <string_view>

namespace filmotas {

std::string counted(std::int64_t n, std::string_view one, std::string_view many);

}  // namespace filmotas
