#include "engine/system_random.h"

#include <chrono>

namespace filmotas {

void SystemRandom::reseed() {
  const auto now = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  ++reseeds_;
  std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                     static_cast<std::uint32_t>(reseeds_), static_cast<std::uint32_t>(generator_())};
  generator_.seed(seed);
}

float SystemRandom::next() {
  // 24 random bits: every float in [0, 1) that the draw can produce is equally likely.
  return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace filmotas
