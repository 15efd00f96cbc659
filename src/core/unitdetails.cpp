#include "unitdetails.h"

#include "text.h"

namespace mensurio {
namespace {

template <size_t N>
void AddLine(std::string& out, const char* caption, const char (&field)[N]) {
  std::string text = TrimRightBlanks(FieldText(field));
  if (text.empty()) return;
  if (!out.empty()) out += '\n';
  out += caption;
  out += ' ';
  out += Cp1252ToUtf8(text);
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
  }
  return out;
}

}  // namespace mensurio
