#include "ratedate.h"

#include <charconv>

#include "text.h"

namespace mensurio {
namespace {

std::string TwoDigits(unsigned v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// One or more digits, the whole text; nullopt otherwise.
std::optional<int> ReadDigits(std::string_view text, size_t max_digits) {
  if (text.empty() || text.size() > max_digits) return std::nullopt;
  int v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

// "1075" → "1.075", as German texts write large counts.
std::string GroupThousands(long long n) {
  std::string digits = std::to_string(n);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<size_t>(i), ".");
  return digits;
}

constexpr std::string_view kStand = "Stand ";

}  // namespace

std::string GermanDate(Date date) {
  return TwoDigits(static_cast<unsigned>(date.day())) + "." + TwoDigits(static_cast<unsigned>(date.month())) + "." +
         std::to_string(static_cast<int>(date.year()));
}

std::optional<Date> ReadGermanDate(std::string_view text) {
  size_t first = text.find('.');
  size_t second = first == std::string_view::npos ? first : text.find('.', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  auto day = ReadDigits(text.substr(0, first), 2);
  auto month = ReadDigits(text.substr(first + 1, second - first - 1), 2);
  auto year = ReadDigits(text.substr(second + 1), 4);
  if (!day || !month || !year || *year < 1000) return std::nullopt;
  Date date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
            std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::string StandText(Date date) { return std::string(kStand) + GermanDate(date); }

std::optional<Date> StandOf(const UnitRecord& record) {
  std::string validity = TrimRightBlanks(FieldText(record.validity));
  if (validity.compare(0, kStand.size(), kStand) != 0) return std::nullopt;
  return ReadGermanDate(std::string_view(validity).substr(kStand.size()));
}

std::optional<Date> NewestStand(const UnitList& units) {
  std::optional<Date> newest;
  for (const TAusgabetextobject& e : units) {
    std::optional<Date> date = StandOf(e.record);
    if (date && (!newest || *date > *newest)) newest = date;
  }
  return newest;
}

std::string RateAgeText(Date stand, Date today) {
  long long days = (std::chrono::sys_days(today) - std::chrono::sys_days(stand)).count();
  std::string age = days < 0    ? "Datum liegt in der Zukunft"
                    : days == 0 ? "von heute"
                    : days == 1 ? "1 Tag alt"
                                : GroupThousands(days) + " Tage alt";
  return "Kurse: " + StandText(stand) + "\n" + age;
}

}  // namespace mensurio
