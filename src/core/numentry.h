// Reading the numbers the user types.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mensurio {

// text with every `from` replaced by `to`.
std::string ReplaceChar(std::string_view text, char from, char to);

struct NumberRead {
  double value = 0;        // meaningless unless error_position is 0
  int error_position = 0;  // 0, or the 1-based position of the first misfit
  bool overflow = false;   // the number lies beyond the range of double
};

// The entry grammar: blanks, optional sign, digits, optional "." with at
// least one character after it, optional exponent; nothing may follow.
// Expects a text whose commas are already points.
NumberRead ReadNumber(std::string_view text);

// Blanks, then an optional sign and decimal digits, or "$" and hexadecimal
// digits; nothing may follow; the value must fit 32 bits.
std::optional<int32_t> ReadWholeNumber(std::string_view text);

// A factor typed into a dialog: commas become points, then ReadNumber; also
// nullopt for a value the 6-byte real cannot store.
std::optional<long double> ReadFactorText(std::string_view text);

}  // namespace mensurio
