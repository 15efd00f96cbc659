#include "startup.h"

#include "catalogue.h"
#include "recordfile.h"
#include "settings.h"

namespace mensurio {

std::vector<std::string> RequiredFiles() {
  std::vector<std::string> files;
  for (int n = 1; n <= kAreaCount; ++n) files.emplace_back(AreaCatalogue(n).file);
  for (const char* f : {kHelpFile, kSettingsFile, kReadmeFile, kInfoFile}) files.emplace_back(f);
  return files;
}

std::optional<std::string> FirstMissingRequiredFile() {
  for (const std::string& f : RequiredFiles())
    if (!FileExists(f)) return f;
  return std::nullopt;
}

std::string MissingFileMessage(const std::string& file) {
  return "Die Datei \"" + file + "\" ist nicht vorhanden, daher kann der Mensurio nicht gestartet werden!";
}

void RemoveLeftoverTempFiles() {
  RemoveLeftover(kTempFile);
  RemoveLeftover(kSettingsTemp);
}

}  // namespace mensurio
