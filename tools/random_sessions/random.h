// The random source of a session: one seed gives the same choices on every run of the same
// build, so a failing session is replayed from its seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace rd::sessions {

class Random {
 public:
  explicit Random(uint64_t seed) : engine_(seed) {}

  // A whole number in [0, n); 0 when n is 0.
  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(engine_() % n); }
  // A whole number in [low, high].
  int Between(int low, int high) {
    return low + static_cast<int>(Below(static_cast<size_t>(high - low) + 1));
  }
  // True in `percent` of the calls.
  bool Chance(int percent) { return Below(100) < static_cast<size_t>(percent); }
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(items.size())];
  }
  uint64_t Next() { return engine_(); }

 private:
  std::mt19937_64 engine_;
};

// The seed of session `index` of a run started with `runSeed`: sessions are independent, so
// each can be replayed alone.
inline uint64_t SessionSeed(uint64_t runSeed, uint64_t index) {
  uint64_t z = runSeed + 0x9E3779B97F4A7C15ull * (index + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace rd::sessions
