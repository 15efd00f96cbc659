#include "zonerefresh.h"

#include <cstdio>

#include "catalogue.h"
#include "format.h"
#include "ioerror.h"
#include "maintenance.h"
#include "recordfile.h"
#include "text.h"
#include "worldtime.h"
#include "zonefacts.h"

namespace mensurio {
namespace {

std::string Utf8Field(std::string_view cp1252) { return Cp1252ToUtf8(TrimRightBlanks(cp1252)); }

std::vector<UnitRecord> ReadPlaces(const std::string& file) {
  RecordFile in = RecordFile::Open(file, kRecordSize, false);
  std::vector<UnitRecord> places(static_cast<size_t>(in.Count()));
  for (UnitRecord& r : places) in.Read(&r);
  in.Close();
  return places;
}

// Replaces the places that have a known zone by their refreshed form.
class RefreshRule : public RewriteRule {
 public:
  RefreshRule(ZoneCache& zones, const CivilDate& today, const std::string& stand)
      : zones_(zones), today_(today), stand_(stand) {}
  RuleAnswer Ask(const UnitRecord& record) override {
    std::string name = ZoneNameOf(record);
    const TimeZone* zone = name.empty() ? nullptr : zones_.Find(name);
    if (!zone || IsNewerStand(ZoneStandOf(record), stand_)) return RuleAnswer::Write;
    std::string change;
    refreshed_ = RefreshedPlace(record, *zone, today_, stand_, change);
    return RuleAnswer::Replace;
  }
  const UnitRecord* NewRecord() const override { return &refreshed_; }

 private:
  ZoneCache& zones_;
  CivilDate today_;
  const std::string& stand_;
  UnitRecord refreshed_{};
};

}  // namespace

bool IsNewerStand(const std::string& place_stand, const std::string& stand) {
  const std::string release = "tzdata ";
  if (place_stand.rfind(release, 0) != 0 || stand.rfind(release, 0) != 0) return false;
  // Releases are a year and letters: "2025b" < "2026f" < "2026za".
  return place_stand.substr(release.size()) > stand.substr(release.size());
}

UnitRecord RefreshedPlace(const UnitRecord& place, const TimeZone& zone, const CivilDate& today, const std::string& stand,
                          std::string& change) {
  ZoneFacts facts = FactsFrom(zone, today);
  UnitRecord r = place;
  std::vector<std::string> parts;
  long stored = static_cast<long>(WorldTimeMinutes(place.Factor()));
  if (stored != facts.standard_minutes) {
    r.SetFactor(facts.standard_minutes * kHoursPerMinute);
    parts.push_back(OffsetText(stored) + " → " + OffsetText(facts.standard_minutes));
  }
  std::string summer = Utf8Field(FieldText(place.validity));
  // In a year in which a zone enters summer time for good (or leaves it),
  // no period can be told: the text stays.
  bool period_known = !facts.summer_time || (facts.summer_starts != 0 && facts.summer_ends != 0);
  if (period_known && !SummerTimeTextFits(facts, summer)) {
    std::string text = SummerTimeText(facts);
    SetFieldOrBlanks(r.validity, Utf8ToCp1252(text).value_or(""));
    if (text.empty())
      parts.push_back("keine Sommerzeit mehr");
    else
      parts.push_back((summer.empty() ? "Sommerzeit " : "Sommerzeit jetzt ") + text);
  }
  SetFieldOrBlanks(r.spare_text_2, stand);
  change.clear();
  if (parts.empty()) return r;
  change = Utf8Field(FieldText(place.name)) + ": ";
  for (size_t i = 0; i < parts.size(); ++i) change += (i ? ", " : "") + parts[i];
  return r;
}

ZoneRefresh RefreshTimeZones(const std::string& file, ZoneCache& zones, const CivilDate& today, const std::string& stand,
                             MessageBoxes& boxes) {
  ZoneRefresh result;
  std::vector<UnitRecord> places;
  try {
    places = ReadPlaces(file);
  } catch (const IoError&) {
    ReportRewriteFailure(file, boxes);
    result.failed = true;
    return result;
  }
  for (const UnitRecord& place : places) {
    std::string name = ZoneNameOf(place);
    if (name.empty()) continue;
    const TimeZone* zone = zones.Find(name);
    if (!zone) {
      result.unknown.push_back(Utf8Field(FieldText(place.name)) + " (" + Cp1252ToUtf8(name) + ")");
      continue;
    }
    if (IsNewerStand(ZoneStandOf(place), stand)) {
      ++result.kept_newer;
      result.newer_stand = ZoneStandOf(place);
      continue;
    }
    std::string change;
    RefreshedPlace(place, *zone, today, stand, change);
    if (!change.empty()) result.changes.push_back(change);
  }
  if (result.changes.empty()) return result;
  RefreshRule rule(zones, today, stand);
  if (!RewriteAreaFile(file, rule, boxes)) {
    result.failed = true;
    result.changes.clear();
  }
  return result;
}

std::string RefreshSummary(const ZoneRefresh& refresh, const std::string& stand, int year) {
  constexpr size_t kMostChanges = 20;
  constexpr size_t kMostUnknown = 8;
  const std::string source =
      "der Zeitzonen-Datenbank des Systems (" + stand + ", Jahr " + std::to_string(year) + ")";
  std::string text;
  if (refresh.changes.empty() && refresh.kept_newer > 0) {
    text = "Nichts wurde geändert.";
  } else if (refresh.changes.empty()) {
    text = "Die Orte der Weltzeit stimmen mit " + source + " überein; nichts wurde geändert.";
  } else {
    text = "Nach " + source + " geändert:\n";
    for (size_t i = 0; i < refresh.changes.size() && i < kMostChanges; ++i) text += "\n" + refresh.changes[i];
    if (refresh.changes.size() > kMostChanges)
      text += "\n… und " + std::to_string(refresh.changes.size() - kMostChanges) + " weitere";
  }
  if (refresh.kept_newer > 0) {
    text += "\n\n" + std::to_string(refresh.kept_newer) + (refresh.kept_newer == 1 ? " Ort ist" : " Orte sind") +
            " nach " + refresh.newer_stand + " gesetzt, einer neueren Fassung als der des Systems (" + stand +
            "), und " + (refresh.kept_newer == 1 ? "bleibt" : "bleiben") +
            " unverändert. Aktualisieren Sie zuerst das Paket tzdata des Systems.";
  }
  if (!refresh.unknown.empty()) {
    text += "\n\nDem System unbekannt, daher unverändert: ";
    for (size_t i = 0; i < refresh.unknown.size() && i < kMostUnknown; ++i) text += (i ? ", " : "") + refresh.unknown[i];
    if (refresh.unknown.size() > kMostUnknown)
      text += " und " + std::to_string(refresh.unknown.size() - kMostUnknown) + " weitere";
    text += ".";
  }
  return text;
}

bool RefreshWorldTimePlaces(ZoneCache& zones, const CivilDate& today, MessageBoxes& boxes) {
  const std::string stand = ZoneStand(zones.directory(), today);
  ZoneRefresh refresh = RefreshTimeZones(AreaFileOfKind(AreaKind::WorldTime), zones, today, stand, boxes);
  if (refresh.failed) return false;
  boxes.Show(BoxKind::Information, RefreshSummary(refresh, stand, today.year));
  return !refresh.changes.empty();
}

std::string ZoneStand(const std::string& dir, const CivilDate& today) {
  std::string version = ZoneDatabaseVersion(dir);
  if (!version.empty()) return "tzdata " + version;
  char date[16];
  std::snprintf(date, sizeof date, "%02d.%02d.%04d", today.day % 100, today.month % 100, today.year % 10000);
  return std::string("Stand ") + date;
}

}  // namespace mensurio
