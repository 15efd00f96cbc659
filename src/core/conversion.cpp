#include "conversion.h"

#include <cmath>
#include <optional>

#include "format.h"
#include "numentry.h"

namespace mensurio {

namespace {

ConversionResult Bad(const char* message) { return {ConversionStatus::BadInput, message}; }
ConversionResult Overflowed() { return {ConversionStatus::Overflow, kOverflowMessage}; }
ConversionResult Done() { return {ConversionStatus::Done, {}}; }

// An index beyond the list falls back to the first entry, as the selected
// unit label does.
size_t SourceIndex(const UnitList& units, size_t source) { return source < units.size() ? source : 0; }

// An extended intermediate stored as double; nullopt when beyond double.
std::optional<double> StoreDouble(long double v) {
  double d = static_cast<double>(v);
  if (std::isinf(d) || std::isnan(d)) return std::nullopt;
  return d;
}

// The entry of the factor areas: a number other than 0.
struct EntryValue {
  std::optional<ConversionResult> failure;
  double value = 0;
};

EntryValue ReadEntry(const std::string& entry, bool zero_allowed) {
  NumberRead read = ReadNumber(ReplaceChar(entry, ',', '.'));
  if (read.error_position != 0) return {Bad(kBadInputMessage)};
  if (read.overflow) return {Overflowed()};
  if (!zero_allowed && read.value == 0) return {Bad(kBadInputMessage)};
  return {std::nullopt, read.value};
}

// The factor conversion of ordinary areas and currencies; `currency` turns
// unreachable lines into " unbekannt".
ConversionResult ConvertThroughFactors(UnitList& units, size_t source, const std::string& entry, bool currency) {
  EntryValue x = ReadEntry(entry, false);
  if (x.failure) return *x.failure;
  if (units.empty()) return Done();
  std::optional<double> base = StoreDouble(x.value * units[SourceIndex(units, source)].record.Factor());
  if (!base) return Overflowed();
  for (TAusgabetextobject& e : units) {
    long double factor = e.record.Factor();
    double r = 0;
    if (factor > 0) {
      std::optional<double> quotient = StoreDouble(*base / factor);
      if (!quotient) return Overflowed();
      r = *quotient;
    }
    if (currency && (factor == 0 || r == 0)) {
      e.scientific_text = kUnknownText;
      e.float_text = kUnknownText;
    } else {
      MakeResultTexts(e, r);
    }
  }
  return Done();
}

// Temperature scales by record number.
enum class Scale { Celsius, Fahrenheit, Kelvin, Rankine, Reaumur };

std::optional<Scale> ScaleOfRecord(int32_t record_number) {
  static constexpr Scale kScales[10] = {Scale::Celsius, Scale::Celsius, Scale::Fahrenheit, Scale::Kelvin,
                                        Scale::Rankine, Scale::Celsius, Scale::Fahrenheit, Scale::Rankine,
                                        Scale::Reaumur, Scale::Kelvin};
  if (record_number < 0 || record_number > 9) return std::nullopt;
  return kScales[record_number];
}

// The extended constants; the formulas run left to right in extended
// precision.
constexpr long double kIcePoint = 273.15L;
constexpr long double kNinth = 1.0L / 9.0L;
constexpr long double kFifth = 0.2L;
constexpr long double kTiny = 1e-10L;           // snapping window and zero cut-off
constexpr long double kAlmostOne = 0.9999999999L;  // upper snapping bound

long double ToKelvin(Scale scale, long double x) {
  switch (scale) {
    case Scale::Celsius: return x + kIcePoint;
    case Scale::Fahrenheit: return (x - 32) * 5 * kNinth + kIcePoint;
    case Scale::Kelvin: return x;
    case Scale::Rankine: return x * 5 * kNinth;
    case Scale::Reaumur: return x * 1.25L + kIcePoint;
  }
  return x;
}

long double FromKelvin(Scale scale, long double k) {
  switch (scale) {
    case Scale::Celsius: return k - kIcePoint;
    case Scale::Fahrenheit: return (k - kIcePoint) * 9 * kFifth + 32;
    case Scale::Kelvin: return k;
    case Scale::Rankine: return k * 9 * kFifth;
    case Scale::Reaumur: return (k - kIcePoint) * 4 * kFifth;
  }
  return k;
}

}  // namespace

ConversionResult ConvertByFactor(UnitList& units, size_t source, const std::string& entry) {
  return ConvertThroughFactors(units, source, entry, false);
}

ConversionResult ConvertCurrency(UnitList& units, size_t source, const std::string& entry) {
  return ConvertThroughFactors(units, source, entry, true);
}

ConversionResult ConvertTemperature(UnitList& units, size_t source, const std::string& entry) {
  EntryValue x = ReadEntry(entry, true);
  if (x.failure) return *x.failure;
  if (units.empty()) return Done();
  // Only the ten records at the start of the file have a scale. An own unit
  // inserted into this area can stand behind them (or push one of them
  // behind the tenth place): such a line cannot be converted and shows
  // " unbekannt" in both texts, and when the source itself has no scale,
  // every line does. The conversion still counts as done.
  std::optional<Scale> from = ScaleOfRecord(units[SourceIndex(units, source)].record_number);
  std::optional<double> kelvin;
  if (from) {
    kelvin = StoreDouble(ToKelvin(*from, x.value));
    if (!kelvin) return Overflowed();
  }
  for (TAusgabetextobject& e : units) {
    std::optional<Scale> to = ScaleOfRecord(e.record_number);
    if (!from || !to) {
      e.scientific_text = kUnknownText;
      e.float_text = kUnknownText;
      continue;
    }
    std::optional<double> stored = StoreDouble(FromKelvin(*to, *kelvin));
    if (!stored) return Overflowed();
    double r = *stored;
    if (*to == Scale::Fahrenheit) {
      long double fraction = static_cast<long double>(r) - std::trunc(r);
      long double size = std::fabs(fraction);
      if (fraction != 0 && (size >= kAlmostOne || size <= kTiny)) r = static_cast<double>(RoundHalfEven(r));
    }
    if (std::fabs(static_cast<long double>(r)) < kTiny) r = 0;
    MakeResultTexts(e, r);
    if (r == 0) e.float_text = ReplaceChar(FormatFixed(0, 10), '.', ',');
  }
  return Done();
}

ConversionResult Convert(AreaKind kind, UnitList& units, size_t source, const std::string& entry) {
  switch (kind) {
    case AreaKind::WorldTime: return ConvertWorldTime(units, source, entry);
    case AreaKind::Currency: return ConvertCurrency(units, source, entry);
    case AreaKind::Temperature: return ConvertTemperature(units, source, entry);
    case AreaKind::Ordinary: break;
  }
  return ConvertByFactor(units, source, entry);
}

}  // namespace mensurio
