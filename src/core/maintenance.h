// The two ways of changing an area data file: rewriting it whole through
// TEMP.DAT, and changing records at their own place.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "messages.h"
#include "unitrecord.h"

namespace mensurio {

enum class RuleAnswer {
  Write,          // copy the record
  Drop,           // leave it out
  WriteNewFirst,  // write the rule's NewRecord(), then the record
  Replace,        // write the rule's NewRecord() in its place
};

// Decides, record by record, what the rewritten file holds.
class RewriteRule {
 public:
  virtual ~RewriteRule() = default;
  // Asked once per record of the area file, in file order.
  virtual RuleAnswer Ask(const UnitRecord& record) = 0;
  // The record that WriteNewFirst puts in front or Replace puts in place;
  // asked right after that answer.
  virtual const UnitRecord* NewRecord() const { return nullptr; }
  // Asked once after the last record: a record to append, or nullptr.
  virtual const UnitRecord* FinalRecord() const { return nullptr; }
};

// "Die Datei LAENGE.DAT konnte nicht geöffnet werden oder die revidierte
// Datei konnte nicht geschrieben werden!"
std::string RewriteFailureMessage(const std::string& file);
void ReportRewriteFailure(const std::string& file, MessageBoxes& boxes);

// Writes the new content into TEMP.DAT (an existing one is emptied), puts it
// on the disk, and renames it over the area file in one step, so the area
// file holds its old or its new content whatever fails. On a failure
// ReportRewriteFailure has been shown. Returns success.
bool RewriteAreaFile(const std::string& file, RewriteRule& rule, MessageBoxes& boxes);

using RecordChange = std::function<void(UnitRecord& record)>;

// Within one opening of the file, for each record number in turn: seek,
// read, seek, change, write; then to the disk and closed. Every byte the
// change leaves alone stays as read. Throws IoError at the first failing
// step; records written before it stay written.
void ChangeRecords(const std::string& file, std::span<const int32_t> record_numbers,
                   const RecordChange& change);

// ChangeRecords; a failure shows ReportRewriteFailure. Returns success; the
// caller updates its copies of the records only then.
bool UpdateRecordsInPlace(const std::string& file, std::span<const int32_t> record_numbers,
                          const RecordChange& change, MessageBoxes& boxes);
bool UpdateRecordInPlace(const std::string& file, int32_t record_number, const RecordChange& change,
                         MessageBoxes& boxes);

// Minutes to hours for the world-time factors: the extended value nearest 1/60.
constexpr long double kHoursPerMinute = 1.0L / 60.0L;

// A world-time offset typed in minutes (read as ReadFactorText does), in
// hours; nullopt for a text that does not read.
std::optional<long double> ReadMinutesAsHours(std::string_view text);

}  // namespace mensurio
