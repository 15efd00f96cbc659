// What the three factor dialogs share.
#pragma once

#include <QLabel>

#include "factorchange.h"
#include "unitlist.h"

class QDialog;
class QLineEdit;

namespace mensurio::ui {

class TMyWindow;

// The selected entry of the main list (the command opens no dialog for an
// empty list).
TAusgabetextobject& SelectedEntry(TMyWindow& main);

// "Gebiet:", "Land:" and the unit's name.
void ShowUnitCaptions(TMyWindow& main, const TAusgabetextobject& entry, QLabel* area, QLabel* country,
                      QLabel* name);

// After OK: a bad entry keeps the dialog open with the focus in the factor
// edit; a failed write keeps it open; a change closes it with
// factor_changed set.
void FinishFactorChange(QDialog& dialog, TMyWindow& main, FactorChangeResult result, QLineEdit* factor_edit);

}  // namespace mensurio::ui
