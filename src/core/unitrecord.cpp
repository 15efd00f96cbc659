#include "unitrecord.h"

#include <cstring>

namespace mensurio {

long double UnitRecord::Factor() const {
  Real48 r;
  std::memcpy(r.data(), factor, 6);
  return Real48ToExtended(r);
}

void UnitRecord::SetFactor(long double v) {
  Real48 r = ExtendedToReal48(v);
  std::memcpy(factor, r.data(), 6);
}

UnitRecord BlankRecord() {
  UnitRecord r;
  std::memset(&r, 0, sizeof r);
  r.visible = 1;
  SetFieldOrBlanks(r.symbol, "");
  SetFieldOrBlanks(r.other_name, "");
  SetFieldOrBlanks(r.validity, "");
  SetFieldOrBlanks(r.field_of_use, "");
  SetFieldOrBlanks(r.spare_text_1, "");
  SetFieldOrBlanks(r.approx_value, "");
  SetFieldOrBlanks(r.spare_text_2, "");
  SetFieldOrBlanks(r.spare_text_3, "");
  return r;
}

}  // namespace mensurio
