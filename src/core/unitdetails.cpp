#include "unitdetails.h"

#include "text.h"
#include "worldtime.h"

namespace mensurio {
namespace {

void AddText(std::string& out, const char* caption, const std::string& cp1252) {
  if (cp1252.empty()) return;
  if (!out.empty()) out += '\n';
  out += caption;
  out += ' ';
  out += Cp1252ToUtf8(cp1252);
}

template <size_t N>
void AddLine(std::string& out, const char* caption, const char (&field)[N]) {
  AddText(out, caption, TrimRightBlanks(FieldText(field)));
}

// "Europe/Berlin (tzdata 2026f)": the place's zone and the state of its data.
std::string ZoneWithStand(const UnitRecord& record) {
  std::string zone = ZoneNameOf(record);
  std::string stand = ZoneStandOf(record);
  return zone.empty() || stand.empty() ? zone : zone + " (" + stand + ")";
}

}  // namespace

std::string UnitDetails(const UnitRecord& record, AreaKind kind) {
  std::string out;
  AddLine(out, "Kurzzeichen:", record.symbol);
  AddLine(out, "Weiterer Name:", record.other_name);
  AddLine(out, "Einsatzgebiet:", record.field_of_use);
  if (kind == AreaKind::Currency) {
    AddLine(out, "Stand:", record.validity);
    AddLine(out, "Wert bzw. ca. Wert:", record.approx_value);
  } else if (kind == AreaKind::WorldTime) {
    AddLine(out, "Sommerzeit (+ 1 Stunde):", record.validity);
    AddLine(out, "Wert bzw. ca. Wert:", record.approx_value);
    AddText(out, "Zeitzone:", ZoneWithStand(record));
  }
  return out;
}

}  // namespace mensurio
