#pragma once

#include <cstdint>

namespace quotella {

// The program's one source of chance: the multiplicative congruential generator
// seed := seed * 134775813 + 1 (mod 2^32), Random(n) = (n * seed) div 2^32.
// It starts from seed 0 and is reseeded only when a puzzle file is loaded, so the
// same actions always choose the same cells.
class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint32_t seed = 0) : m_seed(seed) {}

  // A value in 0 .. n-1 (0 when n <= 0).
  int Random(int n) {
    m_seed = m_seed * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * m_seed) >>
                            32);
  }

  std::uint32_t Seed() const { return m_seed; }
  void SetSeed(std::uint32_t seed) { m_seed = seed; }

 private:
  std::uint32_t m_seed;
};

}  // namespace quotella
