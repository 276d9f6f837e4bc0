#include "movielist/counted.h"

namespace filmotas {

std::string counted(std::int64_t n, std::string_view one, std::string_view many) {
  return std::to_string(n) + ' ' + std::string(n == 1 ? one : many);
}

}  // namespace filmotas
