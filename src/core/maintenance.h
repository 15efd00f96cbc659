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
  Replace,        // write the rule's NewRecord() in the record's place
};

// Decides, record by record, what the rewritten file holds.
class RewriteRule {
 public:
  virtual ~RewriteRule() = default;
  // Asked once per record of the area file, in file order.
  virtual RuleAnswer Ask(const UnitRecord& record) = 0;
  // The record that WriteNewFirst puts in front, or that Replace writes
  // instead; asked right after that answer.
  virtual const UnitRecord* NewRecord() const { return nullptr; }
  // Asked once after the last record: a record to append, or nullptr.
  virtual const UnitRecord* FinalRecord() const { return nullptr; }
};

// "Die Datei LAENGE.DAT konnte nicht geöffnet werden oder die revidierte
// Datei konnte nicht geschrieben werden!"
std::string RewriteFailureMessage(const std::string& file);
void ReportRewriteFailure(const std::string& file, MessageBoxes& boxes);

// Writes the new content into a fresh TEMP.DAT (a leftover is removed
// first, nothing is written through a link planted under that name), puts
// it on the disk with the area file's permission bits, renames it over the
// area file in one step and puts the directory on the disk, so the area
// file holds its old or its new content whatever fails. An area file the
// user made a symbolic link stays one: its target gets the new content.
// On a failure TEMP.DAT is removed and ReportRewriteFailure has been shown;
// a failing directory sync after the rename shows SavedUnconfirmedMessage
// and counts as success. Returns success.
bool RewriteAreaFile(const std::string& file, RewriteRule& rule, MessageBoxes& boxes);

using RecordChange = std::function<void(UnitRecord& record)>;

// A unit as the program last read it: the record number it stood at, and
// what must still stand there before that record is written in place.
struct UnitAt {
  int32_t record_number = 0;
  std::string name;  // the name field as stored, up to its zero
  int origin = 0;
};

// "Die Datei LAENGE.DAT wurde inzwischen verändert ...": an in-place change
// found another unit at its record number; the list is read again.
std::string FileChangedMessage(const std::string& file);
// The same for the search's jump, which searches again instead.
std::string FileChangedSinceSearchMessage(const std::string& file);
// "Die Datei LAENGE.DAT ist gespeichert, aber ...": every record was
// written, only the final flush or close to the disk failed.
std::string SavedUnconfirmedMessage(const std::string& file, int code);

// Within one opening of the file: first each record is read and checked
// to still hold its unit's name and origin; if one does not, nothing is
// written and the answer is false. Then each is changed and written back
// at its number, every byte the change leaves alone as read, and the file
// is put on the disk and closed. Throws IoError at the first failing step
// before the last write; records written before it stay written. A failing
// flush or close after that shows SavedUnconfirmedMessage (a warning) and
// the change counts as made, since the file now holds it.
bool ChangeRecords(const std::string& file, std::span<const UnitAt> units, const RecordChange& change,
                   MessageBoxes& boxes);

enum class InPlaceResult {
  Saved,        // written; the caller updates its copies of the records
  Failed,       // ReportRewriteFailure shown
  FileChanged,  // nothing written; FileChangedMessage shown, the caller reloads
};

// ChangeRecords with its failures reported.
InPlaceResult UpdateRecordsInPlace(const std::string& file, std::span<const UnitAt> units,
                                   const RecordChange& change, MessageBoxes& boxes);
InPlaceResult UpdateRecordInPlace(const std::string& file, const UnitAt& unit, const RecordChange& change,
                                  MessageBoxes& boxes);

// Minutes to hours for the world-time factors: the extended value nearest 1/60.
constexpr long double kHoursPerMinute = 1.0L / 60.0L;

// A world-time offset typed in minutes (read as ReadFactorText does), in
// hours; nullopt for a text that does not read.
std::optional<long double> ReadMinutesAsHours(std::string_view text);

}  // namespace mensurio
