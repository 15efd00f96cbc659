// The main window: area selector, unit list, value entry, source line.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <memory>

#include "catalogue.h"
#include "flagimage.h"
#include "platform.h"
#include "settings.h"
#include "unitlist.h"

class QAction;
class QComboBox;
class QLineEdit;
class QToolButton;
class QFrame;

namespace mensurio::ui {

class UnitListBox;
class TLaender_Dlg;
class TDlg_Einheit_einblenden;
class TDlg_eigene_einfuegen;
class TDlg_eigene_einfuegen_Waehrung;
class TDlg_eigene_einfuegen_WZ;
class TFaktor_aendern;
class TFaktor_aendern_Waehrung;
class TFaktor_aendern_Weltzeit;
class TSuch_Dialog;
class TVorsatzzeichen;
class TueberBox;
class SummerTime;

class TMyWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMyWindow(Platform platform, QWidget* parent = nullptr);
  ~TMyWindow() override;

  // The required-file check, the initial state, the settings. False when a
  // required file is missing (the message has been shown): the program ends.
  bool FormCreate();
  // Creates the dialogs, after the window itself; later calls do nothing.
  // Every command that shows a dialog calls it first.
  void CreateDialogs();
  // Fills the selector and loads the first list; runs before the first show.
  void FormShow();

  // State shared with the dialogs.
  int area_index = 1;
  UnitList units;
  bool sort_alphabetical = true;
  bool scientific_display = true;
  OriginFlags origin_visible = AllOriginsShown();
  bool blink_phase = true;
  bool results_valid = false;
  bool unit_inserted = false;
  bool factor_changed = false;
  std::unique_ptr<SummerTime> summer_time;  // world time with summer time

  // Operations shared with the dialogs.
  void LoadUnits();
  void FillUnitList();
  void ShowSelectedUnit();
  void ShowSourceUnit();
  void ClearSourceUnit();
  void ComboBox1Change();
  // The selected entry, or -1 for an empty list.
  int SelectedIndex() const;
  void SelectRow(int row);
  std::string AreaFile() const;
  Platform& platform() { return platform_; }

  // Controls, named as in the window layout.
  QComboBox* ComboBox1;
  UnitListBox* ListBoxEinheit;
  QLineEdit* Edit_Eingabe;
  QLabel* Label_gewaehlte_einheit;
  FlagImage* Image1;
  QLabel* Label_Ausgangseinheit;
  FlagImage* Flagge1;
  QLabel* Label2;
  QLabel* StatusBar1;
  QFrame* Panel1;
  QToolButton* Rechentaste;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton3;
  QToolButton* SpeedButton4;
  QTimer* Timer1;

  // Menu items.
  QAction* Beenden1;
  QAction* Wertkopieren1;
  QAction* Werteinfgen1;
  QAction* Einheitausblenden1;
  QAction* Einheiteinblenden1;
  QAction* AusgeblendeteEinheitenlschen1;
  QAction* EigeneEinheiteinfgen1;
  QAction* Umrechnungsfaktorndern1;
  QAction* Fliekommaanzeige1;
  QAction* WissenschaZahlenanzeige1;
  QAction* EinheitensortierungnachAlphabet1;
  QAction* EinheitensortierungnachLand1;
  QAction* Lnderauseinblenden1;
  QAction* Index1;
  QAction* Vorsatzzeichen1;
  QAction* ber1;

  // The dialogs, created once.
  TLaender_Dlg* Laender_Dlg = nullptr;
  TDlg_Einheit_einblenden* Dlg_Einheit_einblenden = nullptr;
  TDlg_eigene_einfuegen* Dlg_eigene_einfuegen = nullptr;
  TDlg_eigene_einfuegen_Waehrung* Dlg_eigene_einfuegen_Waehrung = nullptr;
  TDlg_eigene_einfuegen_WZ* Dlg_eigene_einfuegen_WZ = nullptr;
  TFaktor_aendern* Faktor_aendern = nullptr;
  TFaktor_aendern_Waehrung* Faktor_aendern_Waehrung = nullptr;
  TFaktor_aendern_Weltzeit* Faktor_aendern_Weltzeit = nullptr;
  TSuch_Dialog* Such_Dialog = nullptr;
  TVorsatzzeichen* Vorsatzzeichen = nullptr;
  TueberBox* ueberBox = nullptr;

 public slots:
  void RechentasteClick();
  void ConvertCommand();
  void ListBoxEinheitClick();
  void Timer1Timer();
  void Beenden1Click();
  void Wertkopieren1Click();
  void Werteinfgen1Click();
  void Fliekommaanzeige1Click();
  void WissenschaZahlenanzeige1Click();
  void EinheitensortierungnachAlphabet1Click();
  void EinheitensortierungnachLand1Click();
  void Index1Click();
  void Lnderauseinblenden1Click();
  void Vorsatzzeichen1Click();
  void ber1Click();
  void SpeedButton2Click();
  void Einheitausblenden1Click();
  void SpeedButton3Click();
  void Einheiteinblenden1Click();
  void AusgeblendeteEinheitenlschen1Click();
  void EigeneEinheiteinfgen1Click();
  void Umrechnungsfaktorndern1Click();
  void Einheitensuchen1Click();
  void SpeedButton4Click();

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls(QWidget* client);
  void BuildMenu();
  void FinishConversion();
  void SetDisplayMode(bool scientific);
  void SetMenuStates();

  Platform platform_;
};

}  // namespace mensurio::ui
