#pragma once
#include <cstdint>
#include <random>

#include "engine/ports.h"

namespace filmotas {

// The real random source: every reseed mixes a high-resolution clock reading with a
// running count, so two draws never start from the same seed, even within one tick.
class SystemRandom : public RandomSource {
 public:
  void reseed() override;
  float next() override;

 private:
  std::mt19937 generator_{std::random_device{}()};
  std::uint64_t reseeds_ = 0;
};

}  // namespace filmotas
