#include "zipentry.h"

#include <zlib.h>

#include <cstdint>
#include <vector>

namespace mensurio::ui {
namespace {

constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr uint32_t kDirectoryEntry = 0x02014b50;
constexpr uint32_t kEndOfDirectory = 0x06054b50;
constexpr size_t kEndSize = 22;

// Little-endian numbers at an offset; 0 beyond the end (never a signature).
uint32_t Number(std::string_view b, size_t at, int bytes) {
  if (at + static_cast<size_t>(bytes) > b.size()) return 0;
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
  return v;
}
uint32_t U16(std::string_view b, size_t at) { return Number(b, at, 2); }
uint32_t U32(std::string_view b, size_t at) { return Number(b, at, 4); }

struct Entry {
  std::string_view name;
  uint32_t method = 0, crc = 0, packed = 0, size = 0, local = 0;
};

// The entries of the central directory, found through its end record (the
// last one, behind which at most a comment follows).
std::optional<std::vector<Entry>> Directory(std::string_view zip) {
  if (zip.size() < kEndSize) return std::nullopt;
  size_t end = zip.size() - kEndSize;
  size_t lowest = zip.size() > kEndSize + 0xFFFF ? zip.size() - kEndSize - 0xFFFF : 0;
  while (U32(zip, end) != kEndOfDirectory) {
    if (end == lowest) return std::nullopt;
    --end;
  }
  size_t count = U16(zip, end + 10);
  size_t at = U32(zip, end + 16);
  std::vector<Entry> entries;
  for (size_t i = 0; i < count; ++i) {
    if (U32(zip, at) != kDirectoryEntry) return std::nullopt;
    Entry e;
    e.method = U16(zip, at + 10);
    e.crc = U32(zip, at + 16);
    e.packed = U32(zip, at + 20);
    e.size = U32(zip, at + 24);
    size_t name_length = U16(zip, at + 28);
    e.local = U32(zip, at + 42);
    if (at + 46 + name_length > zip.size()) return std::nullopt;
    e.name = zip.substr(at + 46, name_length);
    entries.push_back(e);
    at += 46 + name_length + U16(zip, at + 30) + U16(zip, at + 32);
  }
  return entries;
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

const Entry* Chosen(const std::vector<Entry>& entries) {
  const Entry* first = nullptr;
  for (const Entry& e : entries) {
    if (EndsWith(e.name, "/")) continue;  // a folder
    if (EndsWith(e.name, ".csv") || EndsWith(e.name, ".xml")) return &e;
    if (!first) first = &e;
  }
  return first;
}

std::optional<std::string> Inflate(std::string_view packed, size_t size) {
  if (size == 0) return std::string();
  std::string out(size, '\0');
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  z.avail_in = static_cast<uInt>(packed.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  int result = inflate(&z, Z_FINISH);
  bool whole = result == Z_STREAM_END && z.total_out == size;
  inflateEnd(&z);
  if (!whole) return std::nullopt;
  return out;
}

}  // namespace

bool IsZipArchive(std::string_view bytes) { return U32(bytes, 0) == kLocalHeader; }

std::optional<std::string> FirstFileOfZip(std::string_view zip, size_t limit) {
  std::optional<std::vector<Entry>> entries = Directory(zip);
  if (!entries) return std::nullopt;
  const Entry* e = Chosen(*entries);
  if (!e || e->size > limit || U32(zip, e->local) != kLocalHeader) return std::nullopt;
  size_t data = static_cast<size_t>(e->local) + 30 + U16(zip, e->local + 26) + U16(zip, e->local + 28);
  if (data > zip.size() || e->packed > zip.size() - data) return std::nullopt;
  std::string_view packed = zip.substr(data, e->packed);
  std::optional<std::string> content;
  if (e->method == 0 && e->packed == e->size) content = std::string(packed);
  if (e->method == Z_DEFLATED) content = Inflate(packed, e->size);
  if (!content) return std::nullopt;
  uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(content->data()),
                    static_cast<uInt>(content->size()));
  if (crc != e->crc) return std::nullopt;
  return content;
}

}  // namespace mensurio::ui
