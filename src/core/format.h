// The result texts and the factor texts of the dialogs.
#pragma once

#include <string>

#include "unitlist.h"

namespace mensurio {

// Decimals of the floating text (0..10), by |v| rounded to the 6-byte real.
int FloatDecimals(double v);

// 15 characters: sign or blank, d.dddddd, "E", exponent sign, four digits.
std::string FormatScientific(double v);

// Fixed point with `decimals` decimals, padded on the left to 14 characters.
std::string FormatFixed(double v, int decimals);

// Both result texts of one entry, with decimal commas, cut to 15 characters.
void MakeResultTexts(TAusgabetextobject& entry, double r);

// The factor text of the factor dialogs: like FormatScientific with a total
// width (13 for currencies, 17 otherwise), decimal comma.
std::string FormatFactorText(long double v, int width);

// A positive value in fixed point with `count` significant digits, halves
// away from zero, decimal point: "1.77", "0.0125", "1230".
std::string FormatSignificant(long double v, int count);

// Nearest whole number, an exact half to the even neighbour.
long double RoundHalfEven(long double x);

// A world-time offset (hours) as whole minutes: 60 × hours in extended
// precision, rounded halves to even.
long double WorldTimeMinutes(long double hours);

// The same as text: "-300".
std::string WorldTimeMinutesText(long double hours);

}  // namespace mensurio
