#pragma once
#include <cstdint>
#include <string>

namespace filmotas {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 10;
inline constexpr const char* kAboutTitle = "Acerca de Filmotas";

// The About box's eight lines, joined by CR LF, ending with the number of titles.
std::string aboutText(std::int16_t titleCount);

}  // namespace filmotas
