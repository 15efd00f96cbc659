#include "datadir.h"

#include <cstdlib>
#include <filesystem>

#include "catalogue.h"

namespace mensurio {
namespace fs = std::filesystem;

namespace {

bool HasProgramFiles(const fs::path& dir) {
  std::error_code ec;
  return fs::exists(dir / AreaCatalogue(1).file, ec) && fs::exists(dir / kSettingsFile, ec);
}

bool IsMissingOrEmpty(const fs::path& dir) {
  std::error_code ec;
  if (!fs::exists(dir, ec)) return true;
  return fs::is_directory(dir, ec) && fs::is_empty(dir, ec);
}

}  // namespace

std::string DataDirectory() {
  if (const char* dir = std::getenv("MENSURIO_DIR"); dir && *dir) return dir;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/mensurio";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/share/mensurio";
}

std::string PristineDataDirectory(const std::string& program_dir) {
  for (fs::path candidate : {fs::path(program_dir) / "../share/mensurio", fs::path(program_dir) / "data"}) {
    if (HasProgramFiles(candidate)) return fs::weakly_canonical(candidate).string();
  }
  return "";
}

FillResult FillFrom(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::create_directories(to, ec);
  if (ec) return FillResult::NotCreated;
  for (const auto& entry : fs::directory_iterator(from, ec)) {
    if (!entry.is_regular_file() || entry.path().filename().string().front() == '.') continue;
    fs::copy_file(entry.path(), fs::path(to) / entry.path().filename(), fs::copy_options::skip_existing, ec);
    if (ec) return FillResult::NotCopied;
  }
  return ec ? FillResult::NotCopied : FillResult::Filled;
}

std::string EnterDataDirectory(const std::string& program_dir) {
  std::string dir = DataDirectory();
  if (IsMissingOrEmpty(dir)) {
    std::string pristine = PristineDataDirectory(program_dir);
    if (pristine.empty())
      return "Die mitgelieferten Dateien des Mensurio wurden nicht gefunden. Das Datenverzeichnis " + dir +
             " kann nicht gefüllt werden.";
    switch (FillFrom(pristine, dir)) {
      case FillResult::Filled: break;
      case FillResult::NotCreated: return "Das Datenverzeichnis " + dir + " konnte nicht angelegt werden.";
      case FillResult::NotCopied:
        return "Die Dateien des Mensurio konnten nicht in das Datenverzeichnis " + dir + " kopiert werden.";
    }
  }
  std::error_code ec;
  fs::current_path(dir, ec);
  if (ec) return "In das Datenverzeichnis " + dir + " kann nicht gewechselt werden.";
  return "";
}

}  // namespace mensurio
