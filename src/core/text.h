// Text helpers for the Windows-1252 texts of the data files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mensurio {

// Windows-1252 bytes to UTF-8. Total: the five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the C1 control characters of the same value, as
// the Windows conversion does, so every byte string survives a round trip.
std::string Cp1252ToUtf8(std::string_view cp1252);

// UTF-8 to Windows-1252; nullopt for malformed UTF-8 or a character the code
// page does not have.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// The first character of a UTF-8 text that a data file cannot store: a
// control character (C0, DEL, C1) or one Windows-1252 does not have;
// U+FFFD for malformed UTF-8; nullopt when every character can be stored.
std::optional<char32_t> FirstUnstorableCharacter(std::string_view utf8);
// "Das Zeichen "Д" (U+0414) gibt es im Zeichensatz der Datendateien nicht
// ...", or for a control character "Das Steuerzeichen U+0009 ...".
std::string UnstorableCharacterMessage(char32_t c);

// Replaces trailing blanks (code 32 only) of a zero-terminated text by zeros.
void TrimRightBlanks(char* text);
std::string TrimRightBlanks(std::string_view text);

// The letters A to Z turned into a to z; every other byte stays.
std::string LowerAZ(std::string_view text);

// The name order of the data files (the role lstrcmpiA plays on Windows):
// case-insensitive, umlauts and accented letters sort with their base letter
// (after it when the words are otherwise equal), ß as ss. Returns <0, 0, >0.
// Names that differ only in case compare equal.
int CompareNames(std::string_view a, std::string_view b);

}  // namespace mensurio
