#include "text.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace mensurio {
namespace {

// Code points of the bytes 0x80..0x9F; the unassigned ones map to themselves.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePoint(unsigned char b) {
  return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char32_t{b};
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code point at utf8[i], i moved behind it; nullopt for malformed or
// over-long UTF-8.
std::optional<char32_t> NextCodePoint(std::string_view utf8, size_t& i) {
  unsigned char b = static_cast<unsigned char>(utf8[i]);
  char32_t c;
  size_t len;
  if (b < 0x80) { c = b; len = 1; }
  else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; len = 2; }
  else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; len = 3; }
  else if ((b & 0xF8) == 0xF0) { c = b & 0x07; len = 4; }
  else return std::nullopt;
  if (i + len > utf8.size()) return std::nullopt;
  for (size_t k = 1; k < len; ++k) {
    unsigned char cont = static_cast<unsigned char>(utf8[i + k]);
    if ((cont & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (cont & 0x3F);
  }
  if ((len == 2 && c < 0x80) || (len == 3 && c < 0x800) || (len == 4 && c < 0x10000))
    return std::nullopt;  // over-long form
  i += len;
  return c;
}

std::optional<unsigned char> ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (unsigned i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == c) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

// Sort weights of one Windows-1252 byte: a primary key (one or two letters,
// so that ß weighs as "ss") and a secondary key that puts accented letters
// after their base letter.
struct Weight {
  uint16_t primary[2];
  uint8_t count;
  uint8_t secondary;
};

constexpr uint16_t kDigit = 0x100;
constexpr uint16_t kLetter = 0x200;

uint16_t LetterWeight(char lower) { return kLetter + static_cast<uint16_t>(lower - 'a'); }

// Base letter and accent rank of the letters 0xC0..0xFF and the few letters
// of 0x80..0x9F; 0 where the byte is no letter.
char BaseLetter(unsigned char b, uint8_t& accent) {
  accent = 1;
  switch (b) {
    case 0x8A: case 0x9A: return 's';           // Š š
    case 0x8E: case 0x9E: return 'z';           // Ž ž
    case 0x9F: case 0xFF: case 0xDD: case 0xFD: return 'y';
    case 0x83: return 'f';                      // ƒ
    default: break;
  }
  if (b < 0xC0) return 0;
  static const char kBase[64 + 1] =
      "aaaaaaaceeeeiiiidnooooo*ouuuuyts"   // 0xC0..0xDF (× as '*', Þ as t)
      "aaaaaaaceeeeiiiidnooooo/ouuuuyty";  // 0xE0..0xFF (÷ as '/', þ as t)
  char base = kBase[b - 0xC0];
  if (base == '*' || base == '/') return 0;
  accent = static_cast<uint8_t>(1 + (b & 0x07));
  return base;
}

Weight WeightOf(unsigned char b) {
  if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b + 32);
  if (b >= 'a' && b <= 'z') return {{LetterWeight(static_cast<char>(b)), 0}, 1, 0};
  if (b >= '0' && b <= '9') return {{static_cast<uint16_t>(kDigit + (b - '0')), 0}, 1, 0};
  if (b == 0xDF) return {{LetterWeight('s'), LetterWeight('s')}, 2, 1};  // ß
  if (b == 0xC6 || b == 0xE6) return {{LetterWeight('a'), LetterWeight('e')}, 2, 1};  // Æ æ
  if (b == 0x8C || b == 0x9C) return {{LetterWeight('o'), LetterWeight('e')}, 2, 1};  // Œ œ
  uint8_t accent = 0;
  if (char base = BaseLetter(b, accent)) return {{LetterWeight(base), 0}, 1, accent};
  return {{b, 0}, 1, 0};  // blanks, punctuation and signs sort before digits
}

// Compares the expanded primary keys, then the secondary keys.
int CompareLevel(std::string_view a, std::string_view b, bool secondary) {
  size_t i = 0, j = 0;
  uint8_t pi = 0, pj = 0;  // position inside a two-letter expansion
  for (;;) {
    if (i == a.size() || j == b.size()) {
      bool aEnd = i == a.size(), bEnd = j == b.size();
      return aEnd && bEnd ? 0 : (aEnd ? -1 : 1);
    }
    Weight wa = WeightOf(static_cast<unsigned char>(a[i]));
    Weight wb = WeightOf(static_cast<unsigned char>(b[j]));
    int ka, kb;
    if (secondary) {
      ka = wa.secondary;
      kb = wb.secondary;
      ++i;
      ++j;
    } else {
      ka = wa.primary[pi];
      kb = wb.primary[pj];
      if (++pi == wa.count) { pi = 0; ++i; }
      if (++pj == wb.count) { pj = 0; ++j; }
    }
    if (ka != kb) return ka < kb ? -1 : 1;
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + 8);
  for (char ch : cp1252) AppendUtf8(out, CodePoint(static_cast<unsigned char>(ch)));
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    std::optional<char32_t> c = NextCodePoint(utf8, i);
    if (!c) return std::nullopt;
    auto byte = ByteOf(*c);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

namespace {

bool IsControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

std::optional<char32_t> FirstUnstorableCharacter(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    std::optional<char32_t> c = NextCodePoint(utf8, i);
    if (!c) return U'\uFFFD';
    if (IsControlCharacter(*c) || !ByteOf(*c)) return *c;
  }
  return std::nullopt;
}

std::string UnstorableCharacterMessage(char32_t c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  if (IsControlCharacter(c))
    return std::string("Das Steuerzeichen ") + code + " kann nicht gespeichert werden. Bitte ändern!";
  std::string character;
  AppendUtf8(character, c);
  return "Das Zeichen \"" + character + "\" (" + code +
         ") gibt es im Zeichensatz der Datendateien nicht; es kann nicht gespeichert werden. Bitte ändern!";
}

void TrimRightBlanks(char* text) {
  size_t n = std::strlen(text);
  while (n > 0 && text[n - 1] == ' ') text[--n] = '\0';
}

std::string TrimRightBlanks(std::string_view text) {
  size_t n = text.size();
  while (n > 0 && text[n - 1] == ' ') --n;
  return std::string(text.substr(0, n));
}

std::string LowerAZ(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

int CompareNames(std::string_view a, std::string_view b) {
  if (int r = CompareLevel(a, b, false)) return r;
  return CompareLevel(a, b, true);
}

}  // namespace mensurio
