// The message boxes the program shows, behind an interface so that the core
// and the window logic run without a person clicking.
#pragma once

#include <string>

namespace mensurio {

// Title and icon of a box: "Warnung", "Fehler", "Information", "Bestätigen".
enum class BoxKind { Warning, Error, Information, Confirmation };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A modal box of the kind with one "OK" button. Texts are UTF-8.
  virtual void Show(BoxKind kind, const std::string& text) = 0;
  // A "Bestätigen" box with "&Ja" and "&Nein"; true only for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // A box with a caption of its own, one OK button and no symbol.
  virtual void ShowPlain(const std::string& caption, const std::string& text) = 0;
  // The application-wide error report: caption "Mensurio", error symbol, OK.
  virtual void ReportError(const std::string& text) = 0;
};

}  // namespace mensurio
