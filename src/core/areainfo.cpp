#include "areainfo.h"

#include "catalogue.h"
#include "recordfile.h"

namespace mensurio {

std::string ReadAreaInformation(int area) {
  RecordFile f = RecordFile::Open(kInfoFile, kInfoRecordSize, false);
  char buffer[kInfoRecordSize];
  f.Seek(area - 1);
  f.Read(buffer);
  f.Close();
  size_t n = 0;
  while (n < sizeof buffer && buffer[n] != '\0') ++n;
  return std::string(buffer, n);
}

}  // namespace mensurio
