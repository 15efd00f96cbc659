#include "tmywindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QToolButton>

#include "accessiblenames.h"
#include "areainfo.h"
#include "conversion.h"
#include "ioerror.h"
#include "deletehidden.h"
#include "failedconversion.h"
#include "hiding.h"
#include "menuitem.h"
#include "ownunit.h"
#include "tdlg_eigene_einfuegen.h"
#include "tdlg_eigene_einfuegen_waehrung.h"
#include "tdlg_eigene_einfuegen_wz.h"
#include "tdlg_einheit_einblenden.h"
#include "tfaktor_aendern.h"
#include "tfaktor_aendern_waehrung.h"
#include "tfaktor_aendern_weltzeit.h"
#include "tlaender_dlg.h"
#include "tsuch_dialog.h"
#include "tueberbox.h"
#include "tvorsatzzeichen.h"
#include "images.h"
#include "lightlook.h"
#include "qttext.h"
#include "rateimportcommand.h"
#include "ratestand.h"
#include "summertime.h"
#include "zonerefreshcommand.h"
#include "startup.h"
#include "text.h"
#include "uifonts.h"
#include "buttonkeys.h"
#include "dropdown.h"
#include "sourceline.h"
#include "unitrow.h"
#include "unittooltips.h"

namespace mensurio::ui {
namespace {

constexpr const char* kEmptyListMessage =
    "Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle Einheiten oder alle Länder "
    "ausgeblendet oder die Datendatei konnte nicht geöffnet werden.";

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, const QFont& font,
                  const QColor& color) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);  // unit names are data, never markup
  label->setFont(font);
  SetTextColor(label, color);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& hint, const QRect& geometry) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setGeometry(geometry);
  button->setAutoRaise(false);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

TMyWindow::TMyWindow(Platform platform, QWidget* parent) : QMainWindow(parent), platform_(std::move(platform)) {
  setObjectName("MyWindow");
  setWindowTitle("Mensurio");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  UseLightLook(*this);
  setFont(PixelFont("Arial", 11));
  SetTextColor(this, kBlue);
  auto* client = new QWidget(this);
  client->setObjectName("Client");
  client->setFixedSize(561, 373);
  setCentralWidget(client);
  summer_time = std::make_unique<SummerTime>(*this);
  BuildControls(client);
  ShowUnitDetailsAsToolTips(*this);
  BuildMenu();
  AddButtonKeys(*this);
  UseLightMenus(*menuBar());
  NameControls(*this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TMyWindow::~TMyWindow() = default;

void TMyWindow::BuildControls(QWidget* client) {
  MakeLabel(client, "Label4", "Gebiet:", 10, 0, LabelFont(true), kBlue);
  ComboBox1 = new QComboBox(client);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setEditable(false);  // a pure drop-down list: no area outside 1..47
  ComboBox1->setGeometry(10, 20, 145, 21);
  ComboBox1->setFont(SmallFont());
  SetTextColor(ComboBox1, Qt::black);
  connect(ComboBox1, &QComboBox::activated, this, [this](int) { ComboBox1Change(); });

  SpeedButton2 = MakeButton(client, "SpeedButton2", QString::fromUtf8("Information über Gebiet"), {160, 20, 25, 21});
  MakeLabel(client, "Label1", "Ausgangseinheit und Ergebnis:", 201, 5, LabelFont(true), kBlue);
  Label_Ausgangseinheit = MakeLabel(client, "Label_Ausgangseinheit", "", 201, 25, LabelFont(), kRed);
  Flagge1 = new FlagImage(client, "Flagge1", 350, 25);
  Label2 = MakeLabel(client, "Label2", "=", 405, 25, PixelFont("MS Sans Serif", 16, true), kRed);

  Panel1 = new QFrame(client);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(10, 45, 206, 281);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(1);
  auto* name = MakeLabel(Panel1, "LabelProgramm", "Mensurio", 0, 40, LabelFont(true), kBlue);
  name->move((206 - name->width()) / 2, 40);
  auto* version =
      MakeLabel(Panel1, "LabelVersion", QString::fromUtf8("Version 4.0 für Windows 95"), 0, 64,
                PixelFont("MS Sans Serif", 11, false, true), kBlue);
  version->move((206 - version->width()) / 2, 64);
  auto* earth = new QLabel(Panel1);
  earth->setObjectName("ImageErde");
  earth->setGeometry((206 - 120) / 2, 120, 120, 90);
  earth->setScaledContents(true);
  earth->setPixmap(EarthPicture());

  ListBoxEinheit = new UnitListBox(client);
  ListBoxEinheit->setObjectName("ListBoxEinheit");
  ListBoxEinheit->setGeometry(226, 46, 327, 259);
  ListBoxEinheit->setFont(SmallFont());
  ListBoxEinheit->SetContentSource([this](int row) {
    UnitRowContent content;
    if (row < 0 || row >= static_cast<int>(units.size())) return content;
    const TAusgabetextobject& e = units[static_cast<size_t>(row)];
    content.name = FromCp1252(e.name());
    content.image = OriginImage(e.origin());
    content.origin = QString::fromUtf8(OriginName(e.origin()));
    if (results_valid) content.result = FromCp1252(scientific_display ? e.scientific_text : e.float_text);
    return content;
  });
  connect(ListBoxEinheit, &UnitListBox::currentRowChanged, this, [this](int) { ListBoxEinheitClick(); });
  connect(ListBoxEinheit, &UnitListBox::EnterPressed, this, &TMyWindow::ConvertCommand);

  StatusBar1 = new QLabel(client);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setTextFormat(Qt::PlainText);
  StatusBar1->setGeometry(226, 308, 327, 21);
  StatusBar1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StatusBar1->setFont(SmallFont());
  StatusBar1->setIndent(2);
  SetTextColor(StatusBar1, kBlue);

  MakeLabel(client, "Label3", "Werteingabe:", 10, 337, LabelFont(true), kBlue);
  Edit_Eingabe = new QLineEdit("1,0", client);
  Edit_Eingabe->setObjectName("Edit_Eingabe");
  Edit_Eingabe->setGeometry(100, 335, 71, 21);
  Edit_Eingabe->setMaxLength(15);
  Edit_Eingabe->setFont(SmallFont());
  SetTextColor(Edit_Eingabe, Qt::black);
  Edit_Eingabe->installEventFilter(this);
  connect(Edit_Eingabe, &QLineEdit::returnPressed, this, &TMyWindow::ConvertCommand);

  Label_gewaehlte_einheit = MakeLabel(client, "Label_gewaehlte_einheit", "", 180, 340, LabelFont(), kRed);
  Image1 = new FlagImage(client, "Image1", 330, 340);

  Rechentaste = MakeButton(client, "Rechentaste", "Einheit umrechnen", {432, 335, 45, 25});
  SpeedButton4 = MakeButton(client, "SpeedButton4", "Einheit suchen", {487, 335, 25, 25});
  SpeedButton3 = MakeButton(client, "SpeedButton3", "Markierte Einheit ausblenden", {512, 335, 25, 25});
  Rechentaste->setIcon(ButtonGlyph(Glyph::Convert));
  SpeedButton4->setIcon(ButtonGlyph(Glyph::Search));
  SpeedButton3->setIcon(ButtonGlyph(Glyph::Hide));
  SpeedButton2->setIcon(ButtonGlyph(Glyph::Info));
  for (QToolButton* b : {Rechentaste, SpeedButton2, SpeedButton3, SpeedButton4}) b->setIconSize(QSize(16, 16));
  connect(Rechentaste, &QToolButton::clicked, this, &TMyWindow::RechentasteClick);
  connect(SpeedButton3, &QToolButton::clicked, this, &TMyWindow::SpeedButton3Click);
  connect(SpeedButton4, &QToolButton::clicked, this, &TMyWindow::SpeedButton4Click);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(500);
  connect(Timer1, &QTimer::timeout, this, &TMyWindow::Timer1Timer);

  // Tab order: list, entry, panel, area selector.
  ListBoxEinheit->setFocusPolicy(Qt::StrongFocus);
  setTabOrder(ListBoxEinheit, Edit_Eingabe);
  setTabOrder(Edit_Eingabe, ComboBox1);
}

void TMyWindow::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  QMenu* datei = bar->addMenu("&Datei");
  AddRateImportItem(*this, datei);
  AddZoneRefreshItem(*this, datei);
  datei->addSeparator();
  Beenden1 = AddMenuItem(datei, "Beenden1", "&Beenden");
  QMenu* bearbeiten = bar->addMenu("&Bearbeiten");
  Wertkopieren1 = AddMenuItem(bearbeiten, "Wertkopieren1", "&Kopieren Rechenergebnis", QKeySequence("Ctrl+C"));
  Werteinfgen1 = AddMenuItem(bearbeiten, "Werteinfgen1", "&Einfügen in Werteingabefeld");
  bearbeiten->addSeparator();
  Einheitausblenden1 = AddMenuItem(bearbeiten, "Einheitausblenden1", "Einheit &ausblenden", QKeySequence("Ctrl+Del"));
  Einheiteinblenden1 = AddMenuItem(bearbeiten, "Einheiteinblenden1", "Einheit &einblenden...");
  AusgeblendeteEinheitenlschen1 =
      AddMenuItem(bearbeiten, "AusgeblendeteEinheitenlschen1", "Au&sgeblendete Einheiten löschen");
  bearbeiten->addSeparator();
  EigeneEinheiteinfgen1 = AddMenuItem(bearbeiten, "EigeneEinheiteinfgen1", "Eigene Einheit ein&fügen...");
  Umrechnungsfaktorndern1 = AddMenuItem(bearbeiten, "Umrechnungsfaktorndern1", "&Umrechnungsfaktor ändern...");
  QMenu* einstellungen = bar->addMenu("&Einstellungen");
  Fliekommaanzeige1 = AddMenuItem(einstellungen, "Fliekommaanzeige1", "&Fließkommaanzeige");
  WissenschaZahlenanzeige1 = AddMenuItem(einstellungen, "WissenschaZahlenanzeige1", "&Wissenscha. Zahlenanzeige");
  einstellungen->addSeparator();
  EinheitensortierungnachAlphabet1 =
      AddMenuItem(einstellungen, "EinheitensortierungnachAlphabet1", "Einheitensortierung nach &Alphabet");
  EinheitensortierungnachLand1 = AddMenuItem(einstellungen, "EinheitensortierungnachLand1", "Einheitensortierung nach &Land");
  einstellungen->addSeparator();
  summer_time->AddMenuItem(einstellungen);
  einstellungen->addSeparator();
  Lnderauseinblenden1 = AddMenuItem(einstellungen, "Lnderauseinblenden1", "Lä&nder aus-/einblenden...");
  QMenu* hilfe = bar->addMenu("&Hilfe");
  Index1 = AddMenuItem(hilfe, "Index1", "&Index", QKeySequence(Qt::Key_F1));
  Vorsatzzeichen1 = AddMenuItem(hilfe, "Vorsatzzeichen1", "&Vorsatzzeichen");
  hilfe->addSeparator();
  ber1 = AddMenuItem(hilfe, "ber1", "&Über Mensurio");

  connect(Beenden1, &QAction::triggered, this, &TMyWindow::Beenden1Click);
  connect(Wertkopieren1, &QAction::triggered, this, &TMyWindow::Wertkopieren1Click);
  connect(Werteinfgen1, &QAction::triggered, this, &TMyWindow::Werteinfgen1Click);
  connect(Einheitausblenden1, &QAction::triggered, this, &TMyWindow::Einheitausblenden1Click);
  connect(Einheiteinblenden1, &QAction::triggered, this, &TMyWindow::Einheiteinblenden1Click);
  connect(AusgeblendeteEinheitenlschen1, &QAction::triggered, this, &TMyWindow::AusgeblendeteEinheitenlschen1Click);
  connect(EigeneEinheiteinfgen1, &QAction::triggered, this, &TMyWindow::EigeneEinheiteinfgen1Click);
  connect(Umrechnungsfaktorndern1, &QAction::triggered, this, &TMyWindow::Umrechnungsfaktorndern1Click);
  connect(Fliekommaanzeige1, &QAction::triggered, this, &TMyWindow::Fliekommaanzeige1Click);
  connect(WissenschaZahlenanzeige1, &QAction::triggered, this, &TMyWindow::WissenschaZahlenanzeige1Click);
  connect(EinheitensortierungnachAlphabet1, &QAction::triggered, this,
          &TMyWindow::EinheitensortierungnachAlphabet1Click);
  connect(EinheitensortierungnachLand1, &QAction::triggered, this, &TMyWindow::EinheitensortierungnachLand1Click);
  connect(Index1, &QAction::triggered, this, &TMyWindow::Index1Click);
  connect(Lnderauseinblenden1, &QAction::triggered, this, &TMyWindow::Lnderauseinblenden1Click);
  connect(Vorsatzzeichen1, &QAction::triggered, this, &TMyWindow::Vorsatzzeichen1Click);
  connect(ber1, &QAction::triggered, this, &TMyWindow::ber1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TMyWindow::SpeedButton2Click);
}

void TMyWindow::CreateDialogs() {
  if (Laender_Dlg) return;
  Laender_Dlg = new TLaender_Dlg(*this);
  Dlg_Einheit_einblenden = new TDlg_Einheit_einblenden(*this);
  Dlg_eigene_einfuegen = new TDlg_eigene_einfuegen(*this);
  Dlg_eigene_einfuegen_Waehrung = new TDlg_eigene_einfuegen_Waehrung(*this);
  Dlg_eigene_einfuegen_WZ = new TDlg_eigene_einfuegen_WZ(*this);
  Faktor_aendern = new TFaktor_aendern(*this);
  Faktor_aendern_Waehrung = new TFaktor_aendern_Waehrung(*this);
  Faktor_aendern_Weltzeit = new TFaktor_aendern_Weltzeit(*this);
  Such_Dialog = new TSuch_Dialog(*this);
  ueberBox = new TueberBox(this);
  Vorsatzzeichen = new TVorsatzzeichen(this);
}

bool TMyWindow::eventFilter(QObject* watched, QEvent* event) {
  // The menu's short cuts win over the entry's own Ctrl+C and Ctrl+Del while
  // their items are enabled, as menu short cuts do.
  if (watched == Edit_Eingabe && event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    QKeySequence pressed(key->keyCombination());
    for (QAction* a : {Wertkopieren1, Einheitausblenden1}) {
      if (a->isEnabled() && a->shortcut() == pressed) {
        event->ignore();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TMyWindow::FormCreate() {
  if (auto missing = FirstMissingRequiredFile()) {
    platform_.boxes.Show(BoxKind::Error, MissingFileMessage(*missing));
    return false;
  }
  RemoveLeftoverTempFiles();
  results_valid = false;
  Settings s = ReadSettings(platform_.boxes);
  area_index = s.area_index;
  sort_alphabetical = s.sort_alphabetical;
  scientific_display = s.scientific_display;
  origin_visible = s.origin_visible;
  summer_time->SetOn(s.summer_time);
  units.clear();
  blink_phase = true;
  return true;
}

void TMyWindow::FormShow() {
  DropDownLines(ComboBox1, 20);
  ComboBox1->clear();
  for (int n = 1; n <= kAreaCount; ++n) ComboBox1->addItem(QString::fromUtf8(AreaCatalogue(n).name));
  ComboBox1->setCurrentIndex(area_index - 1);
  LoadUnits();
  FillUnitList();
  ShowSelectedUnit();
  Label_Ausgangseinheit->setText("");
  Label2->setText("");
  Flagge1->hide();
  SetMenuStates();
  Wertkopieren1->setEnabled(false);
  ListBoxEinheit->setFocus();  // first in the tab order
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    adjustSize();
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TMyWindow::SetMenuStates() {
  EinheitensortierungnachAlphabet1->setEnabled(!sort_alphabetical);
  EinheitensortierungnachLand1->setEnabled(sort_alphabetical);
  WissenschaZahlenanzeige1->setEnabled(!scientific_display);
  Fliekommaanzeige1->setEnabled(scientific_display);
}

void TMyWindow::closeEvent(QCloseEvent* event) {
  Settings s;
  s.area_index = ComboBox1->currentIndex() + 1;
  if (!IsValidArea(s.area_index)) s.area_index = area_index;
  s.sort_alphabetical = sort_alphabetical;
  s.scientific_display = scientific_display;
  s.origin_visible = origin_visible;
  s.summer_time = summer_time->on();
  WriteSettings(s, platform_.boxes);
  units.clear();
  platform_.help.Quit();
  event->accept();
}

std::string TMyWindow::AreaFile() const { return AreaCatalogue(area_index).file; }

void TMyWindow::LoadUnits() {
  units = mensurio::LoadUnits(AreaFile(), origin_visible, sort_alphabetical, platform_.boxes);
}

void TMyWindow::FillUnitList() {
  int remembered = results_valid ? ListBoxEinheit->currentRow() : -1;
  {
    QSignalBlocker block(ListBoxEinheit);
    ListBoxEinheit->SetRowCount(static_cast<int>(units.size()));
    int row = results_valid ? remembered : 0;
    if (!units.empty()) ListBoxEinheit->setCurrentRow(row >= 0 && row < static_cast<int>(units.size()) ? row : 0);
  }
  ListBoxEinheit->viewport()->update();
  ShowRateStand(*this);
  if (units.empty()) platform_.boxes.Show(BoxKind::Information, kEmptyListMessage);
}

int TMyWindow::SelectedIndex() const {
  if (units.empty()) return -1;
  int row = ListBoxEinheit->currentRow();
  return row >= 0 && row < static_cast<int>(units.size()) ? row : 0;
}

void TMyWindow::SelectRow(int row) {
  QSignalBlocker block(ListBoxEinheit);
  ListBoxEinheit->setCurrentRow(row);
}

void TMyWindow::ShowSelectedUnit() {
  if (units.empty()) {
    Label_gewaehlte_einheit->setText("");
    Image1->ShowOrigin(0);
    // Nothing is listed, so no country is chosen either.
    StatusBar1->setText("");
    return;
  }
  const TAusgabetextobject& e = units[static_cast<size_t>(SelectedIndex())];
  StatusBar1->setText(QString::fromUtf8("Gewähltes Land:  ") + QString::fromUtf8(OriginName(e.origin())));
  Label_gewaehlte_einheit->setText(FromCp1252(TrimRightBlanks(e.name())));
  Label_gewaehlte_einheit->adjustSize();
  PlaceRightOf(Image1, Label_gewaehlte_einheit, 5);
  Image1->ShowOrigin(e.origin());
}

void TMyWindow::ShowSourceUnit() {
  Timer1->start();
  ShowSourceLine({Label_Ausgangseinheit, Flagge1, Label2}, Edit_Eingabe->text(), Label_gewaehlte_einheit->text(),
                 Image1->origin());
}

void TMyWindow::Timer1Timer() {
  Label_Ausgangseinheit->setVisible(blink_phase);
  Flagge1->setVisible(blink_phase);
  Label2->setVisible(blink_phase);
  blink_phase = !blink_phase;
}

void TMyWindow::ClearSourceUnit() {
  Timer1->stop();
  Label_Ausgangseinheit->setText("");
  Flagge1->hide();
  Label2->setText("");
}

void TMyWindow::ComboBox1Change() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  results_valid = false;
  Wertkopieren1->setEnabled(false);
  ClearSourceUnit();
  int selected = ComboBox1->currentIndex() + 1;
  if (IsValidArea(selected)) area_index = selected;
  units.clear();
  LoadUnits();
  FillUnitList();
  ShowSelectedUnit();
  if (!units.empty()) SelectRow(0);
  QApplication::restoreOverrideCursor();
}

void TMyWindow::ListBoxEinheitClick() { ShowSelectedUnit(); }

void TMyWindow::RechentasteClick() { ConvertCommand(); }

void TMyWindow::ConvertCommand() {
  if (units.empty()) return;
  int top = ListBoxEinheit->TopIndex();
  ConversionResult r = summer_time->Convert(units, static_cast<size_t>(SelectedIndex()), ToCp1252(Edit_Eingabe->text()));
  switch (r.status) {
    case ConversionStatus::Done:
      FinishConversion();
      break;
    case ConversionStatus::BadInput:
      platform_.boxes.Show(BoxKind::Error, r.message);
      Edit_Eingabe->setFocus();
      break;
    case ConversionStatus::Overflow:
      platform_.boxes.ReportError(r.message + ".");
      TakeAwayShownResults(*this);
      break;
  }
  ListBoxEinheit->SetTopIndex(top);
}

void TMyWindow::FinishConversion() {
  results_valid = true;
  Wertkopieren1->setEnabled(true);
  ShowSourceUnit();
  FillUnitList();
}

void TMyWindow::Beenden1Click() { close(); }

void TMyWindow::Wertkopieren1Click() {
  if (units.empty() || ListBoxEinheit->currentRow() < 0) return;
  const TAusgabetextobject& e = units[static_cast<size_t>(SelectedIndex())];
  platform_.clipboard.SetText(FromCp1252(scientific_display ? e.scientific_text : e.float_text));
}

void TMyWindow::Werteinfgen1Click() {
  Edit_Eingabe->setText("");
  // As the entry's own paste: one line, cut at the entry's limit.
  QString text = platform_.clipboard.Text();
  qsizetype lineEnd = text.indexOf(QRegularExpression("[\r\n]"));
  Edit_Eingabe->insert(lineEnd < 0 ? text : text.left(lineEnd));
}

void TMyWindow::SetDisplayMode(bool scientific) {
  scientific_display = scientific;
  SetMenuStates();
  int top = ListBoxEinheit->TopIndex();
  if (results_valid) FillUnitList();
  ListBoxEinheit->SetTopIndex(top);
}

void TMyWindow::WissenschaZahlenanzeige1Click() { SetDisplayMode(true); }

void TMyWindow::Fliekommaanzeige1Click() { SetDisplayMode(false); }

void TMyWindow::EinheitensortierungnachLand1Click() {
  results_valid = false;
  sort_alphabetical = false;
  SetMenuStates();
  SortUnitsByOrigin(units);
  FillUnitList();
  ClearSourceUnit();
  ShowSelectedUnit();
}

void TMyWindow::EinheitensortierungnachAlphabet1Click() {
  results_valid = false;
  sort_alphabetical = true;
  SetMenuStates();
  LoadUnits();
  FillUnitList();
  ClearSourceUnit();
  ShowSelectedUnit();
}

void TMyWindow::Index1Click() { platform_.help.ShowContents(kHelpFile); }

}  // namespace mensurio::ui

namespace mensurio::ui {

void TMyWindow::Lnderauseinblenden1Click() {
  CreateDialogs();
  platform_.show_modal(*Laender_Dlg);
}

void TMyWindow::Vorsatzzeichen1Click() {
  CreateDialogs();
  Vorsatzzeichen->show();
  Vorsatzzeichen->raise();
  Vorsatzzeichen->activateWindow();
}

void TMyWindow::ber1Click() {
  CreateDialogs();
  platform_.show_modal(*ueberBox);
}

void TMyWindow::SpeedButton2Click() {
  try {
    std::string text = ReadAreaInformation(area_index);
    platform_.boxes.ShowPlain("Gebiet-Information", Cp1252ToUtf8(text));
  } catch (const IoError& e) {
    platform_.boxes.ReportError(IoErrorReport(e.code()));
  }
}

}  // namespace mensurio::ui

namespace mensurio::ui {

void TMyWindow::Einheitausblenden1Click() {
  results_valid = false;
  if (units.empty()) return;
  int index = SelectedIndex();
  std::optional<size_t> hidden;
  try {
    hidden = HideUnit(area_index, units, static_cast<size_t>(index), platform_.boxes);
  } catch (const IoError& e) {
    platform_.boxes.ReportError(IoErrorReport(e.code()));
    return;
  }
  if (!hidden) return ComboBox1Change();  // the file has changed: read it again
  size_t next = *hidden;
  {
    QSignalBlocker block(ListBoxEinheit);
    ListBoxEinheit->RemoveRow(index);
  }
  if (!units.empty()) SelectRow(static_cast<int>(next));
  ListBoxEinheit->viewport()->update();
  ClearSourceUnit();
  ShowSelectedUnit();
}

void TMyWindow::SpeedButton3Click() { Einheitausblenden1Click(); }

void TMyWindow::Einheiteinblenden1Click() {
  CreateDialogs();
  platform_.show_modal(*Dlg_Einheit_einblenden);
}

void TMyWindow::AusgeblendeteEinheitenlschen1Click() {
  if (DeleteHiddenUnitsOfArea(area_index, platform_.boxes)) ComboBox1Change();
}

void TMyWindow::EigeneEinheiteinfgen1Click() {
  if (!OwnUnitsAllowed(area_index, platform_.boxes)) return;
  CreateDialogs();
  switch (KindOfArea(area_index)) {
    case AreaKind::WorldTime: platform_.show_modal(*Dlg_eigene_einfuegen_WZ); break;
    case AreaKind::Currency: platform_.show_modal(*Dlg_eigene_einfuegen_Waehrung); break;
    default: platform_.show_modal(*Dlg_eigene_einfuegen); break;
  }
  if (unit_inserted) ComboBox1Change();
}

void TMyWindow::Umrechnungsfaktorndern1Click() {
  if (units.empty()) return;
  CreateDialogs();
  switch (KindOfArea(area_index)) {
    case AreaKind::WorldTime: platform_.show_modal(*Faktor_aendern_Weltzeit); break;
    case AreaKind::Currency: platform_.show_modal(*Faktor_aendern_Waehrung); break;
    default: platform_.show_modal(*Faktor_aendern); break;
  }
  if (!factor_changed) return;
  results_valid = false;
  int row = ListBoxEinheit->currentRow();
  FillUnitList();
  SelectRow(row);
  ShowSelectedUnit();
  ClearSourceUnit();
}

void TMyWindow::Einheitensuchen1Click() {
  CreateDialogs();
  platform_.show_modal(*Such_Dialog);
}

void TMyWindow::SpeedButton4Click() { Einheitensuchen1Click(); }

}  // namespace mensurio::ui
