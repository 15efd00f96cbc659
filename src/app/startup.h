// The files the program refuses to start without.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mensurio {

// The 47 area files in catalogue order, then MSR.HLP, MSR.INI, README.TXT
// and G_INFO.DAT.
std::vector<std::string> RequiredFiles();

// The first required file that does not exist in the working directory (a
// plain existence test, not an open).
std::optional<std::string> FirstMissingRequiredFile();

// Die Datei "ZEIT.DAT" ist nicht vorhanden, daher kann der Mensurio nicht
// gestartet werden!
std::string MissingFileMessage(const std::string& file);

// Removes the temporary files (TEMP.DAT, MSR.INI.NEU) that a write cut off
// by a crash or a power cut left in the working directory.
void RemoveLeftoverTempFiles();

}  // namespace mensurio
