#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace mensurio {
namespace {

TEST(Codec, EveryHighByteRoundTrips) {
  for (int b = 0x80; b <= 0xFF; ++b) {
    std::string one(1, static_cast<char>(b));
    std::string utf8 = Cp1252ToUtf8(one);
    auto back = Utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value()) << b;
    EXPECT_EQ(*back, one) << b;
  }
}

TEST(Codec, KnownCharacters) {
  struct Case { unsigned char byte; const char* utf8; };
  const Case cases[] = {
      {0x80, "€"}, {0x84, "„"}, {0x93, "“"}, {0x96, "–"}, {0x9A, "š"}, {0xA7, "§"}, {0xB0, "°"},
      {0xB2, "²"}, {0xB3, "³"}, {0xB5, "µ"}, {0xC4, "Ä"}, {0xD6, "Ö"}, {0xDC, "Ü"}, {0xDF, "ß"},
      {0xE4, "ä"}, {0xE9, "é"}, {0xF6, "ö"}, {0xFC, "ü"}, {0xD7, "×"}, {0x81, "\xC2\x81"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8) << int{c.byte};
    EXPECT_EQ(Utf8ToCp1252(c.utf8), std::string(1, static_cast<char>(c.byte)));
  }
}

TEST(Codec, RefusesWhatTheCodePageLacks) {
  for (const char* bad : {"Ω", "π", "☺", "\xC3", "\xC0\x80", "\xFF", "\xE2\x82"})
    EXPECT_FALSE(Utf8ToCp1252(bad).has_value()) << bad;
}

TEST(TrimRightBlanks, CutsOnlyBlanks) {
  struct Case { const char* in; const char* out; };
  const Case cases[] = {{"Meter  ", "Meter"}, {"   ", ""}, {"", ""}, {"a\t", "a\t"}, {" a b ", " a b"}};
  for (const auto& c : cases) {
    EXPECT_EQ(TrimRightBlanks(std::string_view(c.in)), c.out);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s", c.in);
    TrimRightBlanks(buf);
    EXPECT_STREQ(buf, c.out);
  }
}

std::string Cp(const char* utf8) { return *Utf8ToCp1252(utf8); }

TEST(CompareNames, Cases) {
  struct Case { const char* a; const char* b; int sign; };
  const Case cases[] = {
      {"Meter", "meter", 0},        {"METER", "Meile", 1},       {"Elle", "elle (preuß.)", -1},
      {"Bar", "Bär", -1},           {"Bär", "Bart", -1},         {"Ärmel", "Armel", 1},
      {"Ärmel", "Arn", -1},         {"Öl", "Oz", -1},            {"Über", "Uhr", -1},
      {"Maß", "Mass", 1},           {"Maß", "Masse", -1},        {"Maßstab", "Massu", -1},
      {"Fuß", "Fuss", 1},           {"Fuß", "Fusz", -1},         {"ä", "Ä", 0},
      {"", "a", -1},                {"a", "", 1},                {"Zoll", "Zoll ", -1},
      {"1 Meter", "A", -1},         {"Grad absolut (Rankine)", "Grad Celsius", -1},
      {"Grad Rankine", "Grad Réaumur", -1}, {"Réaumur", "Rankine", 1}, {"Élan", "Elan", 1},
      {"Ziffer 9", "Ziffer 10", 1},
  };
  for (const auto& c : cases) {
    int r = CompareNames(Cp(c.a), Cp(c.b));
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    int back = CompareNames(Cp(c.b), Cp(c.a));
    EXPECT_EQ((back > 0) - (back < 0), -c.sign) << "antisymmetry " << c.a;
  }
}

TEST(CompareNames, IsATotalOrderOnAMixedSet) {
  std::vector<std::string> names;
  for (const char* n : {"Elle", "elle", "Ellé", "Ellen", "Maß", "Mass", "Masse", "Meile", "Öl", "Ol",
                        "Olm", "ß", "ss", "st", "Zoll", "", " ", "1", "a-b", "ab", "Œuvre", "Oeuvre"})
    names.push_back(Cp(n));
  for (const auto& a : names)
    for (const auto& b : names)
      for (const auto& c : names) {
        if (CompareNames(a, b) <= 0 && CompareNames(b, c) <= 0) {
          EXPECT_LE(CompareNames(a, c), 0) << a << " " << b << " " << c;
        }
      }
}

TEST(LowerAZ, OnlyAsciiLetters) {
  EXPECT_EQ(LowerAZ(Cp("ÄLLE Meter")), Cp("Älle meter"));
}

// What a data file can store of a typed or pasted text: Windows-1252 without
// control characters.
TEST(FirstUnstorableCharacter, NamesTheFirstOneOrNone) {
  struct Case {
    const char* utf8;
    std::optional<char32_t> first;
  };
  const Case cases[] = {
      {"Fu\xc3\x9f \xe2\x82\xac \xe2\x80\x9ez\xe2\x80\x9c \xc5\xa0", std::nullopt},  // Fuß € „z“ Š
      {"", std::nullopt},
      {"\xd0\x94\xd1\x8e\xd0\xb9\xd0\xbc", U'\u0414'},  // Дюйм
      {"Zoll \xe2\x88\x92", U'\u2212'},                 // minus sign
      {"a\tb", U'\t'},
      {"a\x7f", U'\x7f'},
      {"a\xc2\x81", U'\u0081'},  // a C1 control, though its byte exists
      {"\xf0\x9f\x93\x8f", U'\U0001F4CF'},
      {"e\xcc\x81", U'\u0301'},  // a combining accent alone
      {"\xff", U'\uFFFD'},        // not UTF-8
  };
  for (const Case& c : cases) EXPECT_EQ(FirstUnstorableCharacter(c.utf8), c.first) << c.utf8;
  EXPECT_EQ(UnstorableCharacterMessage(U'\u0414'),
            "Das Zeichen \"\xd0\x94\" (U+0414) gibt es im Zeichensatz der Datendateien nicht; es kann nicht "
            "gespeichert werden. Bitte \xc3\xa4ndern!");
  EXPECT_EQ(UnstorableCharacterMessage(U'\t'), "Das Steuerzeichen U+0009 kann nicht gespeichert werden. Bitte \xc3\xa4ndern!");
  EXPECT_EQ(UnstorableCharacterMessage(U'\U0001F4CF'),
            "Das Zeichen \"\xf0\x9f\x93\x8f\" (U+1F4CF) gibt es im Zeichensatz der Datendateien nicht; es kann "
            "nicht gespeichert werden. Bitte \xc3\xa4ndern!");
}

}  // namespace
}  // namespace mensurio
