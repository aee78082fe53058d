#include "HashSalt.h"

#include <cstddef>
#include <cstdint>
#include <random>

namespace qur {

unsigned long ProcessHashSalt() noexcept {
  static const unsigned long salt = []() noexcept {
    try {
      std::random_device source;
      std::uint64_t drawn = 0;
      // The random source gives 32 bits at a time; unsigned long has 32 or 64.
      for (std::size_t bits = 0; bits < 8 * sizeof(unsigned long); bits += 32) drawn = (drawn << 32) | source();
      return static_cast<unsigned long>(drawn);
    } catch (...) {
      return 0UL;
    }
  }();
  return salt;
}

}  // namespace qur
