#include "maintenance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "catalogue.h"
#include "datafiles.h"
#include "deletehidden.h"
#include "faultplan.h"
#include "scriptedboxes.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;

constexpr const char* kFile = "LAENGE.DAT";
const std::string kFailure =
    "Die Datei LAENGE.DAT konnte nicht geöffnet werden oder die revidierte Datei konnte nicht geschrieben "
    "werden!";

// Answers from a script; 'w' write, 'd' drop, 'n' new record first, 'r'
// new record instead.
class ScriptedRule : public RewriteRule {
 public:
  ScriptedRule(std::string script, const UnitRecord* final_record)
      : script_(std::move(script)), final_(final_record) {}
  RuleAnswer Ask(const UnitRecord& record) override {
    asked.push_back(FieldText(record.name));
    char c = script_.at(asked.size() - 1);
    return c == 'w' ? RuleAnswer::Write : c == 'd' ? RuleAnswer::Drop : c == 'r' ? RuleAnswer::Replace
                                                                               : RuleAnswer::WriteNewFirst;
  }
  const UnitRecord* NewRecord() const override { return &new_; }
  const UnitRecord* FinalRecord() const override { return final_; }

  std::vector<std::string> asked;

 private:
  std::string script_;
  const UnitRecord* final_;
  UnitRecord new_ = Marked("new");
};

const std::string kOld = FileBytes({Marked("a"), Marked("b", 0), Marked("c"), Marked("d", 2)});
const std::string kNew = FileBytes({Marked("a"), Marked("c")});

TEST(RewriteAreaFile, WritesWhatTheRuleSays) {
  struct Case {
    std::string script;
    bool final_record;
    Names names;
  };
  const Case cases[] = {
      {"wwww", false, {"a", "b", "c", "d"}},   {"dddd", false, {}},
      {"nwdw", false, {"new", "a", "b", "d"}}, {"wwnw", true, {"a", "b", "new", "c", "d", "final"}},
      {"wdwd", true, {"a", "c", "final"}},     {"rwwr", false, {"new", "b", "c", "new"}},
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    WriteBytes(kFile, kOld);
    ScriptedBoxes boxes;
    UnitRecord final_record = Marked("final");
    ScriptedRule rule(c.script, c.final_record ? &final_record : nullptr);
    EXPECT_TRUE(RewriteAreaFile(kFile, rule, boxes)) << c.script;
    EXPECT_EQ(rule.asked, (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(NamesIn(kFile), c.names) << c.script;
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(FileExists(kTempFile));
  }
}

TEST(RewriteAreaFile, CopiesRecordsByteForByte) {
  TempWorkDir dir;
  WriteBytes(kFile, kOld);
  ScriptedBoxes boxes;
  ScriptedRule rule("wwww", nullptr);
  ASSERT_TRUE(RewriteAreaFile(kFile, rule, boxes));
  EXPECT_EQ(ReadBytes(kFile), kOld);
}

TEST(RewriteAreaFile, EmptyFileGetsOnlyTheFinalRecord) {
  TempWorkDir dir;
  WriteBytes(kFile, "");
  ScriptedBoxes boxes;
  UnitRecord final_record = Marked("only");
  ScriptedRule rule("", &final_record);
  ASSERT_TRUE(RewriteAreaFile(kFile, rule, boxes));
  EXPECT_EQ(ReadBytes(kFile), Bytes(final_record));
}

TEST(RewriteAreaFile, ReusesALeftoverTempFile) {
  TempWorkDir dir;
  WriteBytes(kFile, kOld);
  WriteBytes(kTempFile,
             FileBytes({Marked("x"), Marked("y"), Marked("z"), Marked("w"), Marked("v")}) + "tail");
  ScriptedBoxes boxes;
  DeleteHiddenUnits rule;
  ASSERT_TRUE(RewriteAreaFile(kFile, rule, boxes));
  EXPECT_EQ(ReadBytes(kFile), kNew);
  EXPECT_FALSE(FileExists(kTempFile));
}

TEST(RewriteAreaFile, ReplacesTheFileInOneStepAfterTheTempFileIsOnDisk) {
  TempWorkDir dir;
  WriteBytes(kFile, kOld);
  ScriptedBoxes boxes;
  DeleteHiddenUnits rule;
  std::vector<StepTaken> steps = StepsOf([&] { RewriteAreaFile(kFile, rule, boxes); });
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps[steps.size() - 2], (StepTaken{FileStep::Rename, kTempFile}));
  EXPECT_EQ(steps.back(), (StepTaken{FileStep::SyncDirectory, kFile}));
  auto at = [&](FileStep s, const std::string& name) {
    return std::find(steps.begin(), steps.end(), StepTaken{s, name}) - steps.begin();
  };
  EXPECT_LT(at(FileStep::Write, kTempFile), at(FileStep::Flush, kTempFile));
  EXPECT_LT(at(FileStep::Flush, kTempFile), at(FileStep::Close, kTempFile));
  EXPECT_LT(at(FileStep::Close, kFile), at(FileStep::Rename, kTempFile));
  for (const StepTaken& s : steps) {
    if (s.name == kFile) {
      EXPECT_NE(s.step, FileStep::Remove) << "the area file must never be missing";
      EXPECT_NE(s.step, FileStep::Write);
      EXPECT_NE(s.step, FileStep::Create);
    }
  }
}

// Every step of the rewrite made to fail in turn: up to the rename the area
// file keeps its old content, TEMP.DAT is removed, the one message is shown
// and no step follows the failure. After the rename only the directory sync
// can fail: the new content stands and a warning says the disk did not
// confirm it.
TEST(RewriteAreaFile, AFailureAtAnyStepLeavesTheOldFile) {
  TempWorkDir dir;
  WriteBytes(kFile, kOld);
  ScriptedBoxes quiet;
  DeleteHiddenUnits probe;
  size_t count = StepsOf([&] { RewriteAreaFile(kFile, probe, quiet); }).size();
  ASSERT_EQ(count, 14u);  // open, create, seek, 4 reads, 2 writes, flush, 2 closes, rename, directory sync
  for (size_t k = 1; k <= count; ++k) {
    WriteBytes(kFile, kOld);
    ScriptedBoxes boxes;
    DeleteHiddenUnits rule;
    FaultPlan plan(k);
    const bool renamed = k == count;
    EXPECT_EQ(RewriteAreaFile(kFile, rule, boxes), renamed) << k;
    SCOPED_TRACE(::testing::Message() << "step " << k << " on " << plan.FailedStep().name);
    EXPECT_EQ(plan.steps.size(), k);
    EXPECT_EQ(ReadBytes(kFile), renamed ? kNew : kOld);
    EXPECT_FALSE(FileExists(kTempFile));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, renamed ? BoxKind::Warning : BoxKind::Error);
    EXPECT_EQ(boxes.shown[0].text, renamed ? "Die Datei LAENGE.DAT ist gespeichert, aber das Schreiben auf den "
                                             "Datenträger wurde nicht bestätigt (Dateizugriff verweigert)."
                                           : kFailure);
  }
}

TEST(RewriteAreaFile, RealFailures) {
  TempWorkDir dir;
  ScriptedBoxes boxes;
  DeleteHiddenUnits rule;
  EXPECT_FALSE(RewriteAreaFile(kFile, rule, boxes));  // missing
  EXPECT_FALSE(FileExists(kFile));
  EXPECT_FALSE(FileExists(kTempFile));
  WriteBytes(kFile, kOld);
  std::filesystem::create_directory(kTempFile);  // cannot be created
  EXPECT_FALSE(RewriteAreaFile(kFile, rule, boxes));
  EXPECT_EQ(ReadBytes(kFile), kOld);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{kFailure, kFailure}));
}

TEST(ReportRewriteFailure, NamesTheFile) {
  ScriptedBoxes boxes;
  ReportRewriteFailure("TEMPERA.DAT", boxes);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
  EXPECT_EQ(boxes.shown[0].text,
            "Die Datei TEMPERA.DAT konnte nicht geöffnet werden oder die revidierte Datei konnte nicht "
            "geschrieben werden!");
}

// Record n of kOld, as a list entry remembers it.
UnitAt At(int32_t n) {
  static const char* names[] = {"a", "b", "c", "d"};
  return {n, n >= 0 && n < 4 ? names[n] : "", 1};
}

RecordChange SetValidity(const std::string& text) {
  return [text](UnitRecord& r) { SetFieldText(r.validity, text); };
}

TEST(UpdateRecordInPlace, ChangesOnlyTheFieldsOfTheOneRecord) {
  TempWorkDir dir;
  WriteBytes(kFile, kOld);
  ScriptedBoxes boxes;
  ASSERT_EQ(UpdateRecordInPlace(kFile, At(2), SetValidity("neu"), boxes), InPlaceResult::Saved);
  UnitRecord expected = Marked("c");
  SetFieldText(expected.validity, "neu");
  EXPECT_EQ(ReadBytes(kFile), FileBytes({Marked("a"), Marked("b", 0), expected, Marked("d", 2)}));
  EXPECT_TRUE(boxes.shown.empty());
}

// A failure up to the write leaves the old record and reports the failure;
// a failing flush or close after it leaves the new record, which counts as
// saved, with a warning that the disk did not confirm it.
TEST(UpdateRecordInPlace, AFailureAtAnyStepLeavesTheOldOrTheNewRecord) {
  TempWorkDir dir;
  WriteBytes(kFile, kOld);
  ScriptedBoxes quiet;
  std::vector<StepTaken> steps = StepsOf([&] { UpdateRecordInPlace(kFile, At(1), SetValidity("neu"), quiet); });
  const std::vector<FileStep> expected = {FileStep::Open,  FileStep::Seek,  FileStep::Read, FileStep::Seek,
                                          FileStep::Write, FileStep::Flush, FileStep::Close};
  ASSERT_EQ(steps.size(), expected.size());
  for (size_t i = 0; i < steps.size(); ++i) EXPECT_EQ(steps[i].step, expected[i]) << i;
  const std::string changed = ReadBytes(kFile);
  for (size_t k = 1; k <= steps.size(); ++k) {
    WriteBytes(kFile, kOld);
    ScriptedBoxes boxes;
    FaultPlan plan(k);
    const bool written = expected[k - 1] > FileStep::Write;
    EXPECT_EQ(UpdateRecordInPlace(kFile, At(1), SetValidity("neu"), boxes),
              written ? InPlaceResult::Saved : InPlaceResult::Failed)
        << k;
    EXPECT_EQ(plan.steps.size(), k);
    EXPECT_EQ(ReadBytes(kFile), written ? changed : kOld) << k;
    ASSERT_EQ(boxes.shown.size(), 1u) << k;
    EXPECT_EQ(boxes.shown[0].kind, written ? BoxKind::Warning : BoxKind::Error) << k;
    EXPECT_EQ(boxes.shown[0].text, written ? "Die Datei LAENGE.DAT ist gespeichert, aber das Schreiben auf den "
                                             "Datenträger wurde nicht bestätigt (Dateizugriff verweigert)."
                                           : kFailure)
        << k;
  }
}

TEST(UpdateRecordInPlace, ARecordNumberBehindTheEndNeitherWritesNorGrowsTheFile) {
  TempWorkDir dir;
  WriteBytes(kFile, kOld);
  for (int32_t n : {4, 5, -1}) {
    ScriptedBoxes boxes;
    EXPECT_EQ(UpdateRecordInPlace(kFile, At(n), SetValidity("neu"), boxes), InPlaceResult::Failed) << n;
    EXPECT_EQ(ReadBytes(kFile), kOld) << n;
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kFailure});
  }
}

}  // namespace
}  // namespace mensurio
