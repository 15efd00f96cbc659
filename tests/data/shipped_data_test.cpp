// Checks of the data files the build compiled from data/.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue.h"
#include "compiler.h"
#include "text.h"

namespace mensurio::datac {
namespace {

const std::string kBuilt = MENSURIO_BUILD_DATA;

TEST(ShippedData, AllFilesAreThere) {
  for (int n = 1; n <= kAreaCount; ++n)
    EXPECT_TRUE(std::filesystem::exists(kBuilt + "/" + AreaCatalogue(n).file)) << AreaCatalogue(n).file;
  for (const char* f : {kHelpFile, kSettingsFile, kReadmeFile, kInfoFile})
    EXPECT_TRUE(std::filesystem::exists(kBuilt + "/" + f)) << f;
}

TEST(ShippedData, CheckModeFindsNothing) {
  auto problems = CheckDirectory(kBuilt);
  for (const auto& p : problems) ADD_FAILURE() << p;
}

TEST(ShippedData, DecompileAndCompileGiveTheSameBytes) {
  for (int n = 1; n <= kAreaCount; ++n) {
    std::string bytes = ReadFile(kBuilt + "/" + AreaCatalogue(n).file);
    std::string source = Decompile(bytes, n);
    EXPECT_EQ(RecordBytes(CompileArea(source, n, AreaCatalogue(n).file)), bytes) << AreaCatalogue(n).file;
  }
}

TEST(ShippedData, EveryAreaHasThreeUnitsAndTheBaseUnit) {
  for (int n = 1; n <= kAreaCount; ++n) {
    auto units = CompileArea(ReadFile(AreaSourcePath(MENSURIO_SOURCE_DIR "/data", n)), n, "x");
    EXPECT_GE(units.size(), 3u) << AreaCatalogue(n).name;
    if (KindOfArea(n) == AreaKind::Temperature) continue;
    bool base = false;
    for (const auto& u : units) base |= u.record.Factor() == (KindOfArea(n) == AreaKind::WorldTime ? 0 : 1);
    EXPECT_TRUE(base) << AreaCatalogue(n).name << " has no unit of factor 1";
  }
}

TEST(CheckMode, ReportsFaultyFiles) {
  namespace fs = std::filesystem;
  std::string dir = ::testing::TempDir() + "/checkmode";
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (int n = 1; n <= kAreaCount; ++n)
    fs::copy_file(kBuilt + "/" + AreaCatalogue(n).file, dir + "/" + AreaCatalogue(n).file);
  std::string laenge = ReadFile(dir + "/LAENGE.DAT");
  laenge[1] = 0;                   // origin 0 in record 0
  laenge += std::string(10, 'x');  // tail
  WriteFileAtomically(dir + "/LAENGE.DAT", laenge);
  fs::remove(dir + "/ZEIT.DAT");
  auto problems = CheckDirectory(dir);
  EXPECT_EQ(problems.size(), 3u);
  std::string all;
  for (const auto& p : problems) all += p + "\n";
  EXPECT_NE(all.find("LAENGE.DAT: Satz 0: origin 0 liegt nicht in 1..91"), std::string::npos) << all;
  EXPECT_NE(all.find("kein Vielfaches von 258"), std::string::npos) << all;
  EXPECT_NE(all.find("ZEIT.DAT: fehlt"), std::string::npos) << all;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace mensurio::datac

namespace mensurio::datac {
namespace {

// The information texts belong to currencies (date and value) and world-time
// places (summer time); every other area leaves them blank.
TEST(ShippedData, InformationTextsOnlyWhereTheyBelong) {
  for (int n = 1; n <= kAreaCount; ++n) {
    AreaKind kind = KindOfArea(n);
    auto units = CompileArea(ReadFile(AreaSourcePath(MENSURIO_SOURCE_DIR "/data", n)), n, "x");
    for (const auto& u : units) {
      std::string name = Cp1252ToUtf8(FieldText(u.record.name));
      if (kind != AreaKind::Currency && kind != AreaKind::WorldTime)
        EXPECT_EQ(FieldText(u.record.validity), std::string(32, ' ')) << AreaCatalogue(n).file << ": " << name;
      if (kind != AreaKind::Currency)
        EXPECT_EQ(FieldText(u.record.approx_value), std::string(21, ' ')) << AreaCatalogue(n).file << ": " << name;
    }
  }
}

}  // namespace
}  // namespace mensurio::datac
