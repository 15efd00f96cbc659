// The 6-byte real in which the data files store factors.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace mensurio {

using Real48 = std::array<uint8_t, 6>;

// Thrown when a value is too large in magnitude for a Real48.
class Real48Overflow : public std::overflow_error {
 public:
  Real48Overflow() : std::overflow_error("Real48 overflow") {}
};

long double Real48ToExtended(const Real48& r);

// Rounds half up on the 40-bit significand; magnitudes below 2^-128 give
// zero. Throws Real48Overflow (and stores nothing) above the range.
Real48 ExtendedToReal48(long double v);

// True when v can be stored without overflow.
bool FitsReal48(long double v);

// The value a double takes when stored as a Real48 and read back.
inline double RoundToReal48(long double v) { return static_cast<double>(Real48ToExtended(ExtendedToReal48(v))); }

}  // namespace mensurio
