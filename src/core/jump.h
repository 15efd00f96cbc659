// "Gehe zu": the jump from a search hit to its unit in the main list.
#pragma once

#include <cstddef>
#include <optional>

#include "messages.h"
#include "search.h"
#include "unitlist.h"

namespace mensurio {

constexpr const char* kJumpToHiddenUnitQuestion =
    "Die Einheit, zu der gesprungen werden soll, ist von der Anzeige ausgeblendet. Soll sie eingeblendet "
    "werden?";
constexpr const char* kJumpToHiddenOriginQuestion =
    "Die Einheit, zu der gesprungen werden soll, ist aus einem Land, das von der Anzeige ausgeblendet ist. "
    "Soll das Land eingeblendet werden?";

enum class JumpAnswer {
  Go,           // no question, or every question answered Yes
  Stay,         // a question answered No
  FileChanged,  // the hit's record no longer holds its unit: nothing written, message shown; search again
};

// Asks what the hit needs: for a hidden unit (visible 0) whether to show it
// again, and a Yes sets visible := 1 in the hit's own area file at once,
// provided the record there still has the hit's name and origin; then, for
// a switched-off origin (flag 0), whether to switch it on, and a Yes sets
// the flag. The file work catches nothing: an IoError reaches the caller
// before the second question.
JumpAnswer ConfirmJump(const TSuchobjekt& hit, OriginFlags& origin_visible, MessageBoxes& boxes);

// The entry to select after the hit's area has been loaded: the first whose
// name bytes (as stored) and origin equal the hit's; nullopt when none does.
std::optional<size_t> FindJumpTarget(const UnitList& units, const TSuchobjekt& hit);

}  // namespace mensurio
