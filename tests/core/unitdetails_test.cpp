#include "unitdetails.h"

#include <gtest/gtest.h>

#include <cstring>

#include "records.h"

namespace mensurio {
namespace {

using testing::MakeRecord;

struct Fields {
  const char* symbol;
  const char* other_name;
  const char* validity;
  const char* field_of_use;
  const char* approx_value;
};

UnitRecord WithFields(const Fields& f) {
  UnitRecord r = MakeRecord("Einheit", 1, 1);  // text fields blank-filled, as the writers leave them
  if (*f.symbol) SetFieldText(r.symbol, f.symbol);
  if (*f.other_name) SetFieldText(r.other_name, f.other_name);
  if (*f.validity) SetFieldText(r.validity, f.validity);
  if (*f.field_of_use) SetFieldText(r.field_of_use, f.field_of_use);
  if (*f.approx_value) SetFieldText(r.approx_value, f.approx_value);
  return r;
}

TEST(UnitDetails, OneLinePerKnownFieldByKindOfArea) {
  struct Case {
    AreaKind kind;
    Fields fields;
    const char* expected;
  };
  const Case cases[] = {
      {AreaKind::Ordinary, {"", "", "", "", ""}, ""},
      {AreaKind::Ordinary, {"ft  ", "foot", "", "Luftfahrt", ""},
       "Kurzzeichen: ft\nWeiterer Name: foot\nEinsatzgebiet: Luftfahrt"},
      // Date and value texts belong to currencies and places only.
      {AreaKind::Ordinary, {"", "", "Stand 1.1.2000", "", "ca. 2 DM"}, ""},
      {AreaKind::Temperature, {"K", "", "x", "", "y"}, "Kurzzeichen: K"},
      {AreaKind::Currency, {"USD", "US dollar", "Stand 29.12.2023", "USA", "ca. 1,77 DM"},
       "Kurzzeichen: USD\nWeiterer Name: US dollar\nEinsatzgebiet: USA\nStand: Stand 29.12.2023\n"
       "Wert bzw. ca. Wert: ca. 1,77 DM"},
      {AreaKind::WorldTime, {"MEZ", "", "Ende M\xE4rz bis Ende Okt.", "Hauptstadt", ""},
       "Kurzzeichen: MEZ\nEinsatzgebiet: Hauptstadt\nSommerzeit (+ 1 Stunde): Ende März bis Ende Okt."},
      // Leading blanks stay, trailing ones go; Windows-1252 becomes UTF-8.
      {AreaKind::Ordinary, {" \xB5m", "Ma\xDF  ", "", "   ", ""}, "Kurzzeichen:  µm\nWeiterer Name: Maß"},
      // Markup is text like any other.
      {AreaKind::Ordinary, {"<b>x</b>", "", "", "", ""}, "Kurzzeichen: <b>x</b>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(UnitDetails(WithFields(c.fields), c.kind), c.expected) << c.expected;
}

// A place's time zone and the state of its data, from the spare fields.
TEST(UnitDetails, ThePlacesTimeZone) {
  struct Case { AreaKind kind; const char* zone; const char* stand; const char* expected; };
  const Case cases[] = {
      {AreaKind::WorldTime, "Europe/Berlin", "tzdata 2026f", "Zeitzone: Europe/Berlin (tzdata 2026f)"},
      {AreaKind::WorldTime, "Europe/Berlin", "", "Zeitzone: Europe/Berlin"},
      {AreaKind::WorldTime, "", "tzdata 2026f", ""},  // an own place
      {AreaKind::WorldTime, "../etc/passwd", "", ""},
      {AreaKind::Ordinary, "Europe/Berlin", "tzdata 2026f", ""},
  };
  for (const Case& c : cases) {
    UnitRecord r = MakeRecord("Ort", 2, 1);
    SetFieldOrBlanks(r.spare_text_1, c.zone);
    SetFieldOrBlanks(r.spare_text_2, c.stand);
    EXPECT_EQ(UnitDetails(r, c.kind), c.expected) << c.zone;
  }
}

TEST(UnitDetails, AFieldWithoutItsZeroEndsAtTheFieldsEnd) {
  UnitRecord r = MakeRecord("Einheit", 1, 1);
  std::memset(r.symbol, 'S', sizeof r.symbol);  // 21 bytes, no terminating zero
  EXPECT_EQ(UnitDetails(r, AreaKind::Ordinary), "Kurzzeichen: " + std::string(21, 'S'));
}

}  // namespace
}  // namespace mensurio
