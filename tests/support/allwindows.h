// The main window and every dialog it has made.
#pragma once

#include <vector>

#include "tdlg_eigene_einfuegen.h"
#include "tdlg_eigene_einfuegen_waehrung.h"
#include "tdlg_eigene_einfuegen_wz.h"
#include "tdlg_einheit_einblenden.h"
#include "tfaktor_aendern.h"
#include "tfaktor_aendern_waehrung.h"
#include "tfaktor_aendern_weltzeit.h"
#include "tlaender_dlg.h"
#include "tmywindow.h"
#include "tsuch_dialog.h"
#include "tueberbox.h"
#include "tvorsatzzeichen.h"

namespace mensurio::testing {

inline std::vector<QWidget*> MainWindowAndDialogs(ui::TMyWindow& w) {
  w.CreateDialogs();
  return {&w,
          w.Laender_Dlg,
          w.Dlg_Einheit_einblenden,
          w.Dlg_eigene_einfuegen,
          w.Dlg_eigene_einfuegen_Waehrung,
          w.Dlg_eigene_einfuegen_WZ,
          w.Faktor_aendern,
          w.Faktor_aendern_Waehrung,
          w.Faktor_aendern_Weltzeit,
          w.Such_Dialog,
          w.ueberBox,
          w.Vorsatzzeichen};
}

}  // namespace mensurio::testing
