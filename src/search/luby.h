#pragma once

#include <cstdint>

namespace quotella {

// The i-th term (from 1) of the Luby sequence 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, ...: budgets
// for restarts that waste at most a logarithmic factor whatever the run length a search
// happens to need.
inline std::uint64_t LubyTerm(std::uint64_t i) {
  for (std::uint64_t k = 1;; ++k) {
    if (i == (1ull << k) - 1) return 1ull << (k - 1);
    if (i >= (1ull << (k - 1)) && i < (1ull << k) - 1) return LubyTerm(i - (1ull << (k - 1)) + 1);
  }
}

}  // namespace quotella
