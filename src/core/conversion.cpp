#include "conversion.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "format.h"
#include "numentry.h"

namespace mensurio {

namespace {

// Day marks of the world time, Windows-1252.
constexpr const char* kNextDayMark = " n\xE4. Tag";
constexpr const char* kPreviousDayMark = " Vortag";

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

// "hh:mm": two digits at least for each part. A time that one day
// correction cannot bring into the day (a negative entry of more than a
// day, offsets more than a day apart) is written as the distance from the
// marked day's midnight: hours beyond 23 as they come, and a time before
// that midnight as "-" and the distance, so that no "0-6:-30" arises.
std::string ClockText(int64_t n) {
  std::string sign;
  if (n < 0) {
    sign = "-";
    n = -n;
  }
  int64_t hours = n / 60;
  int64_t minutes = n - 60 * hours;
  std::string h = std::to_string(hours);
  std::string m = std::to_string(minutes);
  if (hours < 10) h = "0" + h;
  if (minutes < 10) m = "0" + m;
  return sign + h + ":" + m;
}

// Offset of a world-time unit in whole minutes; nullopt when it does not fit
// 32 bits (no such offset comes from a dialog that stores minutes ÷ 60, but
// a factor is read from a file as it stands).
std::optional<int64_t> OffsetMinutes(const TAusgabetextobject& e) {
  long double minutes = WorldTimeMinutes(e.record.Factor());
  if (!(minutes >= INT32_MIN && minutes <= INT32_MAX)) return std::nullopt;
  return static_cast<int64_t>(minutes);
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

ConversionResult ConvertWorldTime(UnitList& units, size_t source, const std::string& entry) {
  size_t colon = entry.find(':');
  if (colon == std::string::npos) return Bad(kBadTimeMessage);
  std::optional<int32_t> hours = ReadWholeNumber(std::string_view(entry).substr(0, colon));
  std::optional<int32_t> minutes = ReadWholeNumber(std::string_view(entry).substr(colon + 1));
  if (!hours || !minutes) return Bad(kBadTimeMessage);
  // 64-bit, so that a large hour count cannot wrap round into the day.
  int64_t t = int64_t{*hours} * 60 + *minutes;
  if (t == 1440) t = 0;
  if (t > 1440) return Bad(kBadTimeMessage);
  if (units.empty()) return Done();

  std::optional<int64_t> source_offset = OffsetMinutes(units[SourceIndex(units, source)]);
  if (!source_offset) return Overflowed();
  int64_t universal = t - *source_offset;
  for (TAusgabetextobject& e : units) {
    std::optional<int64_t> offset = OffsetMinutes(e);
    if (!offset) return Overflowed();
    int64_t n = *offset + universal;
    const char* mark = "";
    if (n >= 1440) {
      n -= 1440;
      mark = kNextDayMark;
    }
    if (n < 0) {
      n += 1440;
      mark = kPreviousDayMark;
    }
    std::string text = ClockText(n) + mark;
    if (text.size() > 15) text.resize(15);
    e.scientific_text = text;
    e.float_text = text;
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
