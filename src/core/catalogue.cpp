#include "catalogue.h"

#include <array>
#include <cassert>

#include "text.h"

namespace mensurio {
namespace {

constexpr std::array<Area, kAreaCount> kAreas = {{
    {"Anzahl", "ANZAHL.DAT", "Stück"},
    {"Arbeit (Energie,Wärme)", "ARBEIT.DAT", "Joule"},
    {"Arbeit, spezif.", "ARBEITSP.DAT", "kJ/kg"},
    {"Beleuchtungsstärke", "BELEUCHT.DAT", "Lux"},
    {"Brechkraft", "BRECHKRA.DAT", "Dioptrie"},
    {"Dichte", "DICHTE.DAT", "kg/m^3"},
    {"Druck", "DRUCK.DAT", "bar"},
    {"elektr. Flußdichte", "ELFLUSSD.DAT", "A s/m^2"},
    {"elektr. Kapazität", "ELKAP.DAT", "Farad"},
    {"elektr. Ladung", "ELLADUNG.DAT", "Coulomb"},
    {"elektr. Leitwert", "ELLEITW.DAT", "Siemens"},
    {"elektr. Spannung", "ELSPANN.DAT", "Volt"},
    {"elektr. Widerstand", "ELWIDER.DAT", "Ohm"},
    {"Energie-Äquivalentdosis", "ENDOSIS.DAT", "J/kg"},
    {"Fläche", "FLAECHE.DAT", "m^2"},
    {"Geschwindigkeit", "GESCHW.DAT", "m/s"},
    {"Induktivität", "INDUKTIV.DAT", "Henry"},
    {"Ionendosis", "IONENDO.DAT", "C/kg"},
    {"Kraft, Gewicht", "KRAFT.DAT", "Newton"},
    {"Länge", "LAENGE.DAT", "Meter"},
    {"Leistung", "LEISTUNG.DAT", "J/s"},
    {"Leuchtdichte", "LEUCHTDI.DAT", "cd/m^2"},
    {"Lichtstärke", "LISTAER.DAT", "Candela"},
    {"Lichtstrom", "LISTROM.DAT", "Lumen"},
    {"magn. Feldstärke", "MAFELD.DAT", "A/m"},
    {"magn. Fluß", "MAFLUSS.DAT", "Weber"},
    {"magn. Flußdichte", "MAFLUDI.DAT", "Tesla"},
    {"magn. Spannung", "MASPANN.DAT", "Ampere"},
    {"Masse", "MASSE.DAT", "Kilogramm"},
    {"Massenstrom", "MASTROM.DAT", "kg/s"},
    {"Radioaktivität", "RADIOAKT.DAT", "1/sec"},
    {"Radioaktivität, spezif.", "RADIOSPE.DAT", "1/s kg"},
    {"Radioaktivität/Volumen", "RAVOLU.DAT", "1/(sec m^3)"},
    {"Stromstärke", "STROMST.DAT", "Ampere"},
    {"Temperatur", "TEMPERA.DAT", "Kelvin"},
    {"Viskosität, dynam.", "VISKDYN.DAT", "kg/m s"},
    {"Viskosität, kinem.", "VISKKIN.DAT", "m^2/s"},
    {"Volumen", "VOLUMEN.DAT", "m^3"},
    {"Volumen, spezif.", "VOLSPEZ.DAT", "m^3/kg"},
    {"Volumenstrom", "VOLSTROM.DAT", "m^3/s"},
    {"Währungen", "WAEHRUNG.DAT", "DM"},
    {"Wärmekapazität, spezif.", "WAERMKAP.DAT", "kJ/kg K"},
    {"Wärmeleitfähigkeit", "WAELEIT.DAT", "W/m K"},
    {"Weltzeit", "WELTZEIT.DAT", "Uhr Weltzt."},
    {"Winkel", "WINKEL.DAT", "rad"},
    {"Winkel, Raum-", "WINKELR.DAT", "Steradiant"},
    {"Zeit", "ZEIT.DAT", "Sekunde"},
}};

const char* const kOrigins[kOriginCount + 1] = {
    "",
    "SI-Einheit", "Internationale Einheit", "Englisches System", "Eigene Einheit",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",  // 5..20
    "Ägypten", "Ägypten antik", "Äthiopien", "Afghanistan", "Algerien",      // 21..25
    "Arabien", "Argentinien", "Belgien", "Bolivien", "Brasilien",            // 26..30
    "Bulgarien", "Chile", "China", "Costa Rica", "Dänemark",                 // 31..35
    "Deutschland", "Deutschland - Baden", "Deutschland - Bayern",            // 36..38
    "Deutschland - Preußen", "Deutschland - Sachsen",                        // 39..40
    "", "", "", "", "", "", "", "", "",                                      // 41..49
    "Finnland", "Frankreich", "Griechenland", "Griechenland antik",          // 50..53
    "Großbritannien", "Guatemala", "Haiti", "Indien", "Indonesien",          // 54..58
    "",                                                                      // 59
    "Iran", "Israel antik", "Italien", "Japan", "Jugoslawien",               // 60..64
    "Kolumbien", "Korea", "Kuba", "Libyen", "Marokko",                       // 65..69
    "Mexiko", "Niederlande", "Norwegen", "Österreich", "Paraguay",           // 70..74
    "Peru", "Philippinen", "Polen", "Portugal", "Römisches Reich",           // 75..79
    "Rumänien", "Rußland", "Schweden", "Schweiz", "Spanien",                 // 80..84
    "Thailand", "Türkei", "Tunesien", "Ungarn", "Uruguay",                   // 85..89
    "USA", "Vietnam",                                                        // 90..91
};

}  // namespace

bool IsValidArea(int n) { return n >= 1 && n <= kAreaCount; }

const Area& AreaCatalogue(int n) {
  assert(IsValidArea(n));
  return kAreas[static_cast<size_t>(n - 1)];
}

AreaKind KindOfAreaName(const std::string& name) {
  if (name == "Weltzeit") return AreaKind::WorldTime;
  if (name == "Währungen") return AreaKind::Currency;
  if (name == "Temperatur") return AreaKind::Temperature;
  return AreaKind::Ordinary;
}

AreaKind KindOfArea(int n) { return KindOfAreaName(AreaCatalogue(n).name); }

std::string AreaFileOfKind(AreaKind kind) {
  for (int n = 1; n <= kAreaCount; ++n)
    if (KindOfArea(n) == kind) return AreaCatalogue(n).file;
  return {};
}

const char* OriginName(int code) {
  if (code < 1 || code > kOriginCount) return "";
  return kOrigins[code];
}

const std::string& OriginNameCp1252(int code) {
  static const std::array<std::string, kOriginCount + 1> names = [] {
    std::array<std::string, kOriginCount + 1> a;
    for (int k = 1; k <= kOriginCount; ++k) a[k] = *Utf8ToCp1252(kOrigins[k]);
    return a;
  }();
  return names[(code < 1 || code > kOriginCount) ? 0 : code];
}

}  // namespace mensurio

namespace mensurio {

int CountryBoxOrigin(int box) {
  if (box >= 1 && box <= 3) return box;
  if (box >= 4 && box <= 23) return box + 17;  // 21..40
  if (box >= 24 && box <= 32) return box + 26;  // 50..58
  if (box >= 33 && box <= 64) return box + 27;  // 60..91, code 59 skipped
  return 0;
}

const char* CountryBoxCaption(int box) {
  switch (int code = CountryBoxOrigin(box)) {
    case 37: return "D-Baden";
    case 38: return "D-Bayern";
    case 39: return "D-Preußen";
    case 40: return "D-Sachsen";
    case 53: return "Griechenl.antik";
    default: return OriginName(code);
  }
}

}  // namespace mensurio
