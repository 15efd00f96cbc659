#include "maintenance.h"

#include <vector>

#include "catalogue.h"
#include "ioerror.h"
#include "numentry.h"
#include "recordfile.h"

namespace mensurio {
namespace {

void WriteOptional(RecordFile& out, const UnitRecord* record) {
  if (record) out.Write(record);
}

// Steps up to a complete, flushed and closed temporary file; the area file
// is only read.
void WriteTempFile(const std::string& file, const Replacement& plan, RewriteRule& rule) {
  RecordFile in = RecordFile::Open(file, kRecordSize, true);
  RecordFile out = RecordFile::Create(plan.temp, kRecordSize, plan.target);
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

bool StillThere(const UnitRecord& record, const UnitAt& unit) {
  return FieldText(record.name) == unit.name && record.origin == unit.origin;
}

}  // namespace

std::string RewriteFailureMessage(const std::string& file) {
  return "Die Datei " + file +
         " konnte nicht geöffnet werden oder die revidierte Datei konnte nicht geschrieben werden!";
}

void ReportRewriteFailure(const std::string& file, MessageBoxes& boxes) {
  boxes.Show(BoxKind::Error, RewriteFailureMessage(file));
}

std::string FileChangedMessage(const std::string& file) {
  return "Die Datei " + file +
         " wurde inzwischen verändert: die Einheit steht nicht mehr an ihrer Stelle. Es wurde nichts "
         "gespeichert; die Liste wird neu geladen.";
}

std::string FileChangedSinceSearchMessage(const std::string& file) {
  return "Die Datei " + file +
         " wurde seit der Suche verändert: die Einheit steht nicht mehr an ihrer Stelle. Es wurde nichts "
         "gespeichert; die Suche wird wiederholt.";
}

std::string SavedUnconfirmedMessage(const std::string& file, int code) {
  return "Die Datei " + file + " ist gespeichert, aber das Schreiben auf den Datenträger wurde nicht bestätigt (" +
         IoErrorText(code) + ").";
}

bool RewriteAreaFile(const std::string& file, RewriteRule& rule, MessageBoxes& boxes) {
  Replacement plan;
  try {
    plan = PlanReplacement(file, kTempFile);
    WriteTempFile(file, plan, rule);
    RenameFile(plan.temp, plan.target);
  } catch (const IoError&) {
    if (!plan.temp.empty()) RemoveLeftover(plan.temp);
    ReportRewriteFailure(file, boxes);
    return false;
  }
  try {
    SyncDirectoryOf(plan.target);
  } catch (const IoError& e) {
    boxes.Show(BoxKind::Warning, SavedUnconfirmedMessage(file, e.code()));
  }
  return true;
}

bool ChangeRecords(const std::string& file, std::span<const UnitAt> units, const RecordChange& change,
                   MessageBoxes& boxes) {
  RecordFile f = RecordFile::Open(file, kRecordSize, true);
  std::vector<UnitRecord> records(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    f.Seek(units[i].record_number);
    f.Read(&records[i]);
    if (!StillThere(records[i], units[i])) return false;
  }
  for (size_t i = 0; i < units.size(); ++i) {
    f.Seek(units[i].record_number);
    change(records[i]);
    f.Write(&records[i]);
  }
  try {
    f.Flush();
    f.Close();
  } catch (const IoError& e) {
    boxes.Show(BoxKind::Warning, SavedUnconfirmedMessage(file, e.code()));
  }
  return true;
}

InPlaceResult UpdateRecordsInPlace(const std::string& file, std::span<const UnitAt> units,
                                   const RecordChange& change, MessageBoxes& boxes) {
  try {
    if (ChangeRecords(file, units, change, boxes)) return InPlaceResult::Saved;
    boxes.Show(BoxKind::Information, FileChangedMessage(file));
    return InPlaceResult::FileChanged;
  } catch (const IoError&) {
    ReportRewriteFailure(file, boxes);
    return InPlaceResult::Failed;
  }
}

InPlaceResult UpdateRecordInPlace(const std::string& file, const UnitAt& unit, const RecordChange& change,
                                  MessageBoxes& boxes) {
  return UpdateRecordsInPlace(file, std::span(&unit, 1), change, boxes);
}

std::optional<long double> ReadMinutesAsHours(std::string_view text) {
  std::optional<long double> minutes = ReadFactorText(text);
  if (!minutes) return std::nullopt;
  return *minutes * kHoursPerMinute;
}

}  // namespace mensurio
