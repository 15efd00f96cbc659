#include "search.h"

#include <optional>
#include <string_view>

#include "catalogue.h"
#include "ioerror.h"
#include "recordfile.h"
#include "text.h"
#include "unitrecord.h"

namespace mensurio {
namespace {

char FoldAZ(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The field's text with A-Z folded, in a buffer of the field's size.
template <size_t N>
std::string_view Folded(const char (&field)[N], char (&buffer)[N]) {
  size_t n = 0;
  for (; n < N && field[n] != '\0'; ++n) buffer[n] = FoldAZ(field[n]);
  return std::string_view(buffer, n);
}

bool EqualFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldAZ(a[i]) != FoldAZ(b[i])) return false;
  return true;
}

std::string Cut(std::string line) {
  if (line.size() > kSearchLineLength) line.resize(kSearchLineLength);
  return line;
}

std::string WithOrigin(std::string_view text, const UnitRecord& r) {
  return Cut(std::string(text) + " - " + OriginNameCp1252(r.origin));
}

// Decides whether a record is a hit and gives its line.
class Matcher {
 public:
  Matcher(SearchMode mode, const std::string& text)
      : mode_(mode), text_(mode == SearchMode::Name ? LowerAZ(text) : text) {}

  std::optional<std::string> Line(const UnitRecord& r) const {
    return mode_ == SearchMode::Name ? NameLine(r) : SymbolLine(r);
  }
  // The symbol a hit keeps.
  std::string HitSymbol(const UnitRecord& r) const {
    return mode_ == SearchMode::Name ? FieldText(r.symbol) : TrimRightBlanks(FieldText(r.symbol));
  }

 private:
  std::optional<std::string> NameLine(const UnitRecord& r) const {
    if (text_.empty()) return std::nullopt;
    char name[sizeof r.name], other[sizeof r.other_name];
    if (Folded(r.name, name).find(text_) != std::string_view::npos)
      return WithOrigin(TrimRightBlanks(FieldText(r.name)), r);
    if (Folded(r.other_name, other).find(text_) != std::string_view::npos)
      return WithOrigin(TrimRightBlanks(FieldText(r.other_name)), r);
    return std::nullopt;
  }

  std::optional<std::string> SymbolLine(const UnitRecord& r) const {
    std::string symbol = TrimRightBlanks(FieldText(r.symbol));
    if (!EqualFolded(symbol, text_)) return std::nullopt;
    return WithOrigin(TrimRightBlanks(symbol + " - " + FieldText(r.name)), r);
  }

  SearchMode mode_;
  std::string text_;
};

void SearchArea(int area, const Matcher& matcher, SearchResult& result) {
  RecordFile f = RecordFile::Open(AreaCatalogue(area).file, kRecordSize, false);
  int32_t count = f.Count();
  UnitRecord r;
  for (int32_t n = 0; n < count; ++n) {
    f.Read(&r);
    std::optional<std::string> line = matcher.Line(r);
    if (!line) continue;
    result.hits.push_back(
        {FieldText(r.name), matcher.HitSymbol(r), FieldText(r.other_name), r.visible, area, r.origin, n});
    result.lines.push_back(std::move(*line));
  }
  f.Close();
}

}  // namespace

SearchResult SearchUnits(SearchMode mode, const std::string& text) {
  Matcher matcher(mode, text);
  SearchResult result;
  try {
    for (int area = 1; area <= kAreaCount; ++area) SearchArea(area, matcher, result);
  } catch (const IoError&) {
    result.file_failed = true;
  }
  return result;
}

}  // namespace mensurio
