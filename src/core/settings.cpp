#include "settings.h"

#include <climits>

#include "catalogue.h"
#include "ioerror.h"
#include "maintenance.h"
#include "recordfile.h"

namespace mensurio {
namespace {

constexpr char kEndOfFile = 26;

// Reads the text of MSR.INI the way the program's text-file reader does:
// integers skip everything up to code 32 first; a line is skipped up to and
// including its line end; single characters include the line ends, and past
// the end of the file the end-of-file character is delivered.
class SettingsReader {
 public:
  explicit SettingsReader(const std::string& bytes) : s_(bytes) {}

  bool ReadInteger(long& value) {
    while (pos_ < s_.size() && static_cast<unsigned char>(s_[pos_]) <= 32) ++pos_;
    if (pos_ >= s_.size()) {
      value = 0;
      return true;
    }
    size_t start = pos_;
    while (pos_ < s_.size() && static_cast<unsigned char>(s_[pos_]) > 32) ++pos_;
    std::string token = s_.substr(start, pos_ - start);
    return token.size() <= 32 && ParseInteger(token, value);
  }

  // A line ends in CR LF, LF or a CR alone.
  void SkipLine() {
    while (pos_ < s_.size() && s_[pos_] != '\n' && s_[pos_] != '\r') ++pos_;
    if (pos_ < s_.size() && s_[pos_++] == '\r' && pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
  }

  char ReadChar() { return pos_ < s_.size() ? s_[pos_++] : kEndOfFile; }

 private:
  static bool ParseInteger(const std::string& token, long& value) {
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    if (i == token.size()) return false;
    long long v = 0;
    for (; i < token.size(); ++i) {
      if (token[i] < '0' || token[i] > '9') return false;
      v = v * 10 + (token[i] - '0');
      if (v > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (negative) v = -v;
    if (v > INT_MAX || v < INT_MIN) return false;
    value = static_cast<long>(v);
    return true;
  }

  const std::string& s_;
  size_t pos_ = 0;
};

// Far more than the four lines ever take; a longer file is not the
// program's settings file.
constexpr size_t kMaxSettingsBytes = 64 * 1024;

bool ReadWholeFile(const char* name, std::string& bytes) {
  try {
    bytes = ReadSmallFile(name, kMaxSettingsBytes);
    return true;
  } catch (const IoError&) {
    return false;
  }
}

// Through a fresh temporary file renamed over the file (or over what the
// user's link points to). Returns where the new file lies.
std::string ReplaceSettingsFile(const std::string& bytes) {
  Replacement plan = PlanReplacement(kSettingsFile, kSettingsTemp);
  try {
    RecordFile out = RecordFile::Create(plan.temp, static_cast<int>(bytes.size()), plan.target);
    out.Write(bytes.data());
    out.Flush();
    out.Close();
    RenameFile(plan.temp, plan.target);
  } catch (const IoError&) {
    RemoveLeftover(plan.temp);
    throw;
  }
  return plan.target;
}

}  // namespace

bool ParseSettings(const std::string& bytes, Settings& out) {
  SettingsReader in(bytes);
  long area = 0, sort = 0, display = 0;
  if (!in.ReadInteger(area)) return false;
  in.SkipLine();
  if (!in.ReadInteger(sort)) return false;
  in.SkipLine();
  if (!in.ReadInteger(display)) return false;
  in.SkipLine();
  out.area_index = static_cast<int>(area);
  out.sort_alphabetical = sort == 0;
  out.scientific_display = display == 0;
  for (int k = 1; k <= kOriginCount; ++k) out.origin_visible[k] = in.ReadChar() == '0' ? 0 : 1;
  in.SkipLine();
  long summer_time = 0;
  out.summer_time = in.ReadInteger(summer_time) && summer_time == 1;
  return true;
}

Settings ReadSettings(MessageBoxes& boxes) {
  std::string bytes;
  Settings settings;
  // An area number outside 1..47 cannot select an area: it counts as a bad
  // file, like one that cannot be read.
  if (ReadWholeFile(kSettingsFile, bytes) && ParseSettings(bytes, settings) && IsValidArea(settings.area_index))
    return settings;
  boxes.Show(BoxKind::Warning, kSettingsMissingWarning);
  return Settings{};
}

std::string FormatSettings(const Settings& settings) {
  std::string s = std::to_string(settings.area_index) + "\r\n";
  s += settings.sort_alphabetical ? "0\r\n" : "1\r\n";
  s += settings.scientific_display ? "0\r\n" : "1\r\n";
  for (int k = 1; k <= kOriginCount; ++k) s += settings.origin_visible[k] == 1 ? '1' : '0';
  if (settings.summer_time) s += "\r\n1";
  return s;
}

bool WriteSettings(const Settings& settings, MessageBoxes& boxes) {
  // The new content replaces MSR.INI in one step, so a failed write never
  // leaves a truncated settings file.
  std::string written;
  try {
    written = ReplaceSettingsFile(FormatSettings(settings));
  } catch (const IoError&) {
    boxes.Show(BoxKind::Warning, kSettingsWriteWarning);
    return false;
  }
  // The file is replaced; only the directory entry may not be on the disk yet.
  try {
    SyncDirectoryOf(written);
  } catch (const IoError& e) {
    boxes.Show(BoxKind::Warning, SavedUnconfirmedMessage(kSettingsFile, e.code()));
  }
  return true;
}

}  // namespace mensurio
