#include "rateimport.h"

#include <algorithm>
#include <array>

#include "catalogue.h"
#include "format.h"
#include "numentry.h"
#include "text.h"

namespace mensurio {

bool IsFixedEuroCurrency(std::string_view code) {
  static constexpr std::array<std::string_view, 22> kFixed = {
      "EUR", "ATS", "BEF", "BGN", "CYP", "DEM", "EEK", "ESP", "FIM", "FRF", "GRD",
      "HRK", "IEP", "ITL", "LTL", "LUF", "LVL", "MTL", "NLG", "PTE", "SIT", "SKK"};
  return std::find(kFixed.begin(), kFixed.end(), code) != kFixed.end();
}

std::string ApproxValueText(long double dm) {
  return "ca. " + ReplaceChar(FormatSignificant(dm, 3), '.', ',') + " DM";
}

RuleAnswer TakeRates::Ask(const UnitRecord& record) {
  std::optional<Date> stand = StandOf(record);
  if (stand && (!newest_before || *stand > *newest_before)) newest_before = stand;
  std::string symbol = TrimRightBlanks(FieldText(record.symbol));
  auto rate = std::find_if(table_.rates.begin(), table_.rates.end(),
                           [&](const EuroRate& r) { return r.code == symbol; });
  if (rate == table_.rates.end()) return RuleAnswer::Write;
  found.insert(symbol);
  if (IsFixedEuroCurrency(symbol)) {
    kept_fixed.insert(symbol);
    return RuleAnswer::Write;
  }
  changed_ = record;
  changed_.SetFactor(kDmPerEuro / rate->per_euro);
  SetFieldText(changed_.validity, StandText(table_.date));
  SetFieldText(changed_.approx_value, ApproxValueText(changed_.Factor()));
  ++taken;
  return RuleAnswer::Replace;
}

namespace {

std::string Listed(const std::vector<std::string>& codes) {
  std::string text;
  for (const std::string& c : codes) text += (text.empty() ? "" : ", ") + c;
  return text + ".";
}

}  // namespace

std::string ImportSummary(const RateTable& table, const TakeRates& rule) {
  std::string text = rule.taken == 1 ? "Es wurde 1 Wechselkurs" : "Es wurden " + std::to_string(rule.taken) + " Wechselkurse";
  text += " mit dem Stand " + GermanDate(table.date) + " übernommen.";
  std::vector<std::string> without_unit;
  for (const EuroRate& r : table.rates)
    if (!rule.found.count(r.code) && std::find(without_unit.begin(), without_unit.end(), r.code) == without_unit.end())
      without_unit.push_back(r.code);
  if (!without_unit.empty()) text += "\n\nOhne Einheit im Gebiet \"Währungen\": " + Listed(without_unit);
  if (!rule.kept_fixed.empty())
    text += "\n\nFest zum Euro und daher unverändert: " +
            Listed(std::vector<std::string>(rule.kept_fixed.begin(), rule.kept_fixed.end()));
  if (rule.taken > 0 && rule.newest_before && *rule.newest_before > table.date)
    text += "\n\nAchtung: Die Kursdatei ist älter als die bisher neuesten Kurse (Stand " +
            GermanDate(*rule.newest_before) + ").";
  return text;
}

std::string CannotReadRateFileMessage(const std::string& name) {
  return "Die Datei " + name + " konnte nicht gelesen werden!";
}

std::string CurrencyAreaFile() { return AreaFileOfKind(AreaKind::Currency); }

std::optional<std::string> ImportRates(std::string_view content, Date today, MessageBoxes& boxes) {
  RateFileRead read = ReadRateFile(content, today);
  if (!read.table) {
    boxes.Show(BoxKind::Error, read.error);
    return std::nullopt;
  }
  TakeRates rule(*read.table);
  if (!RewriteAreaFile(CurrencyAreaFile(), rule, boxes)) return std::nullopt;
  return ImportSummary(*read.table, rule);
}

}  // namespace mensurio
