// Changing the conversion factor of a listed unit: the OK buttons of the
// three factor dialogs. Texts are Windows-1252, as typed into the dialog.
#pragma once

#include <string>

#include "messages.h"
#include "unitlist.h"

namespace mensurio {

constexpr const char* kBadFactorEntryMessage = "Falsche oder keine Angabe im Eingabefeld! Bitte ändern!";

enum class FactorChangeResult {
  BadInput,  // kBadFactorEntryMessage shown; nothing written, focus to the factor edit
  Failed,    // ReportRewriteFailure shown; the entry is unchanged, the dialog stays open
  Changed,   // the file and the entry hold the new values
  FileChanged,  // the record no longer held the entry's unit: nothing written, the list is to be reloaded
};

// Each writes the named fields of the entry's record in the data file of
// area 1..47 and, only on success, into the entry's record copy.
// factor.
FactorChangeResult ChangeFactor(int area, TAusgabetextobject& entry, const std::string& factor_text,
                                MessageBoxes& boxes);
// factor, validity ("Stand", 32 blanks when empty), approx_value (21 blanks when empty).
FactorChangeResult ChangeCurrencyFactor(int area, TAusgabetextobject& entry, const std::string& factor_text,
                                        const std::string& validity, const std::string& approx_value,
                                        MessageBoxes& boxes);
// factor := minutes * 1/60, validity (the summer time, 32 blanks when empty).
FactorChangeResult ChangeWorldTimeFactor(int area, TAusgabetextobject& entry, const std::string& minutes_text,
                                         const std::string& summer_time, MessageBoxes& boxes);

}  // namespace mensurio
