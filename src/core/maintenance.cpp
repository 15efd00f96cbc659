#include "maintenance.h"

#include "catalogue.h"
#include "ioerror.h"
#include "numentry.h"
#include "recordfile.h"

namespace mensurio {
namespace {

void WriteOptional(RecordFile& out, const UnitRecord* record) {
  if (record) out.Write(record);
}

// Steps up to a complete, flushed and closed TEMP.DAT; the area file is
// only read.
void WriteTempFile(const std::string& file, RewriteRule& rule) {
  RecordFile in = RecordFile::Open(file, kRecordSize, true);
  RecordFile out = RecordFile::Create(kTempFile, kRecordSize);
  in.Seek(0);
  UnitRecord record;
  while (!in.AtEnd()) {
    in.Read(&record);
    RuleAnswer answer = rule.Ask(record);
    if (answer == RuleAnswer::WriteNewFirst || answer == RuleAnswer::Replace) WriteOptional(out, rule.NewRecord());
    if (answer == RuleAnswer::Write || answer == RuleAnswer::WriteNewFirst) out.Write(&record);
  }
  WriteOptional(out, rule.FinalRecord());
  out.Flush();
  in.Close();
  out.Close();
}

}  // namespace

std::string RewriteFailureMessage(const std::string& file) {
  return "Die Datei " + file +
         " konnte nicht geöffnet werden oder die revidierte Datei konnte nicht geschrieben werden!";
}

void ReportRewriteFailure(const std::string& file, MessageBoxes& boxes) {
  boxes.Show(BoxKind::Error, RewriteFailureMessage(file));
}

bool RewriteAreaFile(const std::string& file, RewriteRule& rule, MessageBoxes& boxes) {
  try {
    WriteTempFile(file, rule);
    RenameFile(kTempFile, file);
    return true;
  } catch (const IoError&) {
    ReportRewriteFailure(file, boxes);
    return false;
  }
}

void ChangeRecords(const std::string& file, std::span<const int32_t> record_numbers,
                   const RecordChange& change) {
  RecordFile f = RecordFile::Open(file, kRecordSize, true);
  UnitRecord record;
  for (int32_t n : record_numbers) {
    f.Seek(n);
    f.Read(&record);
    f.Seek(n);
    change(record);
    f.Write(&record);
  }
  f.Flush();
  f.Close();
}

bool UpdateRecordsInPlace(const std::string& file, std::span<const int32_t> record_numbers,
                          const RecordChange& change, MessageBoxes& boxes) {
  try {
    ChangeRecords(file, record_numbers, change);
    return true;
  } catch (const IoError&) {
    ReportRewriteFailure(file, boxes);
    return false;
  }
}

bool UpdateRecordInPlace(const std::string& file, int32_t record_number, const RecordChange& change,
                         MessageBoxes& boxes) {
  return UpdateRecordsInPlace(file, std::span(&record_number, 1), change, boxes);
}

std::optional<long double> ReadMinutesAsHours(std::string_view text) {
  std::optional<long double> minutes = ReadFactorText(text);
  if (!minutes) return std::nullopt;
  return *minutes * kHoursPerMinute;
}

}  // namespace mensurio
