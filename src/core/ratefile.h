// The euro reference-rate files of the European Central Bank: the XML form
// (eurofxref-daily.xml, eurofxref-hist.xml, eurofxref-hist-90d.xml) and the
// CSV form (eurofxref.csv, eurofxref-hist.csv). Only the newest date of a
// file is taken.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ratedate.h"

namespace mensurio {

constexpr const char* kNotARateFileMessage =
    "Die Datei ist keine Datei mit Euro-Referenzkursen der Europäischen Zentralbank "
    "(eurofxref-daily.xml, eurofxref-hist.xml, eurofxref-hist-90d.xml, eurofxref.csv oder eurofxref-hist.csv)!";

struct EuroRate {
  std::string code;      // ISO 4217, three capital letters
  long double per_euro;  // units of the currency for one euro, > 0
};

struct RateTable {
  Date date;
  std::vector<EuroRate> rates;  // in the order of the file
};

struct RateFileRead {
  std::optional<RateTable> table;
  std::string error;  // UTF-8; set when table is empty
};

// Reads the content of a rate file. A file of another kind, without a
// (valid) date, without rates for its newest date, with a rate of that date
// that is not a positive decimal number, or dated after `today` is refused
// with a German message.
RateFileRead ReadRateFile(std::string_view content, Date today);

}  // namespace mensurio
