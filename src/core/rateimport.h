// "&Wechselkurse importieren...": the rates of a euro reference-rate file
// into the currency area's data file, in one rewrite of the whole file.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "maintenance.h"
#include "messages.h"
#include "ratefile.h"

namespace mensurio {

// The fixed rate of the euro to the Deutsche Mark, base of the currency area.
constexpr long double kDmPerEuro = 1.95583L;

// The euro and the former currencies of the euro countries: their rates are
// fixed by law, so no rate file changes them.
bool IsFixedEuroCurrency(std::string_view code);

// The value text of a currency record for a factor in DM: "ca. 1,77 DM",
// three significant digits. Windows-1252 (ASCII).
std::string ApproxValueText(long double dm);

// Gives every record whose symbol is a code of the table (the fixed euro
// currencies apart) factor 1,95583 / rate, "Stand TT.MM.JJJJ" and the value
// text; every other record is written as read.
class TakeRates : public RewriteRule {
 public:
  explicit TakeRates(const RateTable& table) : table_(table) {}
  RuleAnswer Ask(const UnitRecord& record) override;
  const UnitRecord* NewRecord() const override { return &changed_; }

  int taken = 0;                     // records changed
  std::set<std::string> found;       // codes of the table that have a record
  std::set<std::string> kept_fixed;  // codes left alone as fixed euro rates
  std::optional<Date> newest_before;  // the newest "Stand" the file had

 private:
  const RateTable& table_;
  UnitRecord changed_{};
};

// The information box after a successful import: how many rates, their
// date, the codes of the file without a unit here, the fixed rates left
// alone, and a warning when the file is older than the rates it replaced.
// UTF-8.
std::string ImportSummary(const RateTable& table, const TakeRates& rule);

// "Die Datei eurofxref.csv konnte nicht gelesen werden!"
std::string CannotReadRateFileMessage(const std::string& name);

// The whole command once the file's content is read: checks it against
// today and rewrites the currency area's file; a refused file or a failed
// rewrite has its message shown. The summary for the information box when
// the file was rewritten (the caller shows it once the list is reloaded).
std::optional<std::string> ImportRates(std::string_view content, Date today, MessageBoxes& boxes);

// The data file of the currency area.
std::string CurrencyAreaFile();

}  // namespace mensurio
