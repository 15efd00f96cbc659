// The 258-byte unit record of the area data files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "real48.h"

namespace mensurio {

struct UnitRecord {
  uint8_t visible;          // 1 = shown; any other value = hidden
  uint8_t origin;           // origin code 1..91
  char symbol[21];
  char name[35];
  uint8_t factor[6];        // Real48
  char other_name[34];
  char validity[33];
  char field_of_use[28];
  char spare_text_1[41];
  char approx_value[22];
  char spare_text_2[18];
  uint8_t spare_byte_1;
  char spare_text_3[16];
  uint8_t spare_byte_2;

  long double Factor() const;
  void SetFactor(long double v);  // throws Real48Overflow, record unchanged
};

static_assert(sizeof(UnitRecord) == 258);
static_assert(offsetof(UnitRecord, symbol) == 2);
static_assert(offsetof(UnitRecord, name) == 23);
static_assert(offsetof(UnitRecord, factor) == 58);
static_assert(offsetof(UnitRecord, other_name) == 64);
static_assert(offsetof(UnitRecord, validity) == 98);
static_assert(offsetof(UnitRecord, field_of_use) == 131);
static_assert(offsetof(UnitRecord, spare_text_1) == 159);
static_assert(offsetof(UnitRecord, approx_value) == 200);
static_assert(offsetof(UnitRecord, spare_text_2) == 222);
static_assert(offsetof(UnitRecord, spare_byte_1) == 240);
static_assert(offsetof(UnitRecord, spare_text_3) == 241);
static_assert(offsetof(UnitRecord, spare_byte_2) == 257);

constexpr int kRecordSize = 258;

// The text of a field up to its terminating zero (the whole field when it has
// none), as Windows-1252 bytes.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  size_t n = 0;
  while (n < N && field[n] != '\0') ++n;
  return std::string(field, n);
}

// Stores text (Windows-1252, at most N-1 bytes; longer text is cut) with its
// terminating zero; the bytes behind the zero are set to zero.
template <size_t N>
void SetFieldText(char (&field)[N], std::string_view text) {
  size_t n = text.size() < N - 1 ? text.size() : N - 1;
  for (size_t i = 0; i < N; ++i) field[i] = i < n ? text[i] : '\0';
}

// Stores text, or N-1 blanks when text is empty (the writers' rule for
// fields that get nothing).
template <size_t N>
void SetFieldOrBlanks(char (&field)[N], std::string_view text) {
  if (text.empty())
    SetFieldText(field, std::string(N - 1, ' '));
  else
    SetFieldText(field, text);
}

// A record with every text field blank-filled, spare bytes 0, factor 0,
// visible 1 and origin 0: the starting point of every new record.
UnitRecord BlankRecord();

}  // namespace mensurio
