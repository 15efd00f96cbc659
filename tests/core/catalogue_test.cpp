#include "catalogue.h"

#include <gtest/gtest.h>

#include <cstring>

#include "text.h"

namespace mensurio {
namespace {

TEST(AreaCatalogue, Entries) {
  struct Case { int n; const char* name; const char* file; const char* base; };
  const Case cases[] = {
      {1, "Anzahl", "ANZAHL.DAT", "Stück"},
      {14, "Energie-Äquivalentdosis", "ENDOSIS.DAT", "J/kg"},
      {20, "Länge", "LAENGE.DAT", "Meter"},
      {33, "Radioaktivität/Volumen", "RAVOLU.DAT", "1/(sec m^3)"},
      {35, "Temperatur", "TEMPERA.DAT", "Kelvin"},
      {41, "Währungen", "WAEHRUNG.DAT", "DM"},
      {44, "Weltzeit", "WELTZEIT.DAT", "Uhr Weltzt."},
      {47, "Zeit", "ZEIT.DAT", "Sekunde"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(AreaCatalogue(c.n).name, c.name);
    EXPECT_STREQ(AreaCatalogue(c.n).file, c.file);
    EXPECT_STREQ(AreaCatalogue(c.n).base_unit, c.base);
  }
}

TEST(AreaCatalogue, FieldLimits) {
  for (int n = 1; n <= kAreaCount; ++n) {
    auto name = Utf8ToCp1252(AreaCatalogue(n).name);
    auto base = Utf8ToCp1252(AreaCatalogue(n).base_unit);
    ASSERT_TRUE(name && base);
    EXPECT_LE(name->size(), 23u) << n;
    EXPECT_LE(base->size(), 11u) << n;
  }
  EXPECT_EQ(Utf8ToCp1252(AreaCatalogue(42).name)->size(), 23u);  // "Wärmekapazität, spezif."
}

TEST(AreaCatalogue, KindsByExactName) {
  EXPECT_EQ(KindOfArea(35), AreaKind::Temperature);
  EXPECT_EQ(KindOfArea(41), AreaKind::Currency);
  EXPECT_EQ(KindOfArea(44), AreaKind::WorldTime);
  EXPECT_EQ(KindOfArea(20), AreaKind::Ordinary);
  EXPECT_EQ(KindOfAreaName("weltzeit"), AreaKind::Ordinary);
  EXPECT_EQ(KindOfAreaName("Temperatur "), AreaKind::Ordinary);
  int special = 0;
  for (int n = 1; n <= kAreaCount; ++n) special += KindOfArea(n) != AreaKind::Ordinary;
  EXPECT_EQ(special, 3);
}

TEST(OriginTable, NamesAndGaps) {
  EXPECT_STREQ(OriginName(1), "SI-Einheit");
  EXPECT_STREQ(OriginName(4), "Eigene Einheit");
  EXPECT_STREQ(OriginName(39), "Deutschland - Preußen");
  EXPECT_STREQ(OriginName(53), "Griechenland antik");
  EXPECT_STREQ(OriginName(90), "USA");
  EXPECT_STREQ(OriginName(91), "Vietnam");
  EXPECT_STREQ(OriginName(0), "");
  EXPECT_STREQ(OriginName(92), "");
  int named = 0;
  for (int k = 1; k <= kOriginCount; ++k) {
    bool gap = (k >= 5 && k <= 20) || (k >= 41 && k <= 49) || k == 59;
    EXPECT_EQ(std::strlen(OriginName(k)) == 0, gap) << k;
    EXPECT_LE(OriginNameCp1252(k).size(), 22u);
    named += !gap;
  }
  EXPECT_EQ(named, 65);
  EXPECT_EQ(OriginNameCp1252(81), "Ru\xDF" "land");
}

}  // namespace
}  // namespace mensurio

namespace mensurio {
namespace {

TEST(CountryBoxes, MappingRunsAgainstTheTable) {
  struct Case { int box; int code; const char* caption; };
  const Case cases[] = {
      {1, 1, "SI-Einheit"},   {3, 3, "Englisches System"}, {4, 21, "Ägypten"},      {13, 30, "Brasilien"},
      {19, 36, "Deutschland"}, {20, 37, "D-Baden"},        {21, 38, "D-Bayern"},     {22, 39, "D-Preußen"},
      {23, 40, "D-Sachsen"},  {24, 50, "Finnland"},        {27, 53, "Griechenl.antik"}, {32, 58, "Indonesien"},
      {33, 60, "Iran"},       {34, 61, "Israel antik"},    {54, 81, "Rußland"},      {63, 90, "USA"},
      {64, 91, "Vietnam"},    {0, 0, ""},                  {65, 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountryBoxOrigin(c.box), c.code) << c.box;
    EXPECT_STREQ(CountryBoxCaption(c.box), c.caption) << c.box;
  }
  std::vector<bool> seen(92, false);
  for (int box = 1; box <= kCountryBoxCount; ++box) {
    int code = CountryBoxOrigin(box);
    EXPECT_FALSE(seen[code]) << code;
    seen[code] = true;
    EXPECT_STRNE(OriginName(code), "") << box;
  }
  EXPECT_FALSE(seen[4]);
  EXPECT_FALSE(seen[59]);
}

}  // namespace
}  // namespace mensurio
