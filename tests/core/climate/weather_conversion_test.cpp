// The conversion command: name checks, the replace question, the atomic
// write of the target and the completion box, for WYEC/TRY and EPW sources.
#include "core/climate/weather_conversion.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/climate/check_climate_file.h"
#include "core/climate/climate_record.h"
#include "core/common/file_error.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm {
namespace {

using namespace weathertest;

const std::string kNameHeadline = "원본 기후파일명 혹은 변환후 기후파일명이 유효하지 않습니다.";

class WeatherConversion : public TempDirTest {
 protected:
  ConversionOutcome convert(const std::string& source, const std::string& target,
                            OverwritePolicy policy = OverwritePolicy::Ask) {
    return ConvertWeatherFile(source, target, sink_, policy, progress_);
  }
  void writeValidSource(const std::string& name = "source.wye") {
    write(name, joinLines(wyecLines()));
  }

  RecordingSink sink_;
  std::vector<std::string> statuses_;
  std::vector<int16_t> percents_;
  ConversionProgress progress_{[this](std::string_view s) { statuses_.emplace_back(s); },
                               [this](int16_t p) { percents_.push_back(p); }};
};

TEST_F(WeatherConversion, AValidSourceGivesAClimateFileThatLoads) {
  writeValidSource();
  EXPECT_EQ(convert(path("source.wye"), path("seoul.cly")), ConversionOutcome::Converted);
  const std::string bytes = read("seoul.cly");
  ASSERT_EQ(bytes.size(), 227760u);
  EXPECT_EQ(decodeRecord(std::string_view(bytes).substr(0, 26)).RecIndex, 124);
  EXPECT_EQ(decodeRecord(std::string_view(bytes).substr(227734, 26)).RecIndex, 8883);
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last(), infoMessage({"기후파일 변환후 저장이 완료되었습니다."}));
  RecordingSink checkSink;
  EXPECT_TRUE(CheckClimateFile(path("seoul.cly"), checkSink));
  EXPECT_TRUE(checkSink.empty());
  EXPECT_EQ(files(), (std::vector<std::string>{"seoul.cly", "source.wye"}));
}

TEST_F(WeatherConversion, ProgressRunsToHundredAndIsResetAfterTheCompletionBox) {
  writeValidSource();
  std::size_t messagesWhenReset = 99;
  progress_.status = [&](std::string_view s) {
    statuses_.emplace_back(s);
    if (s.empty()) messagesWhenReset = sink_.size();
  };
  ASSERT_EQ(convert(path("source.wye"), path("out.cly")), ConversionOutcome::Converted);
  EXPECT_EQ(statuses_, (std::vector<std::string>{"기후파일 변환후 저장중...", ""}));
  EXPECT_EQ(messagesWhenReset, 1u) << "reset after the completion box";
  ASSERT_GE(percents_.size(), 2u);
  EXPECT_EQ(percents_[percents_.size() - 2], 100);
  EXPECT_EQ(percents_.back(), 0);
}

TEST_F(WeatherConversion, NothingIsSaidToBeSavedBeforeTheSourcePassesItsChecks) {
  write("late.wye", joinLines(wyecLines(8760, [](int k, std::string& l) {
          if (k == 8760) put(l, 74, "010100");
        })));
  std::vector<std::string> epw = epwLines();
  epw.pop_back();
  write("late.epw", joinLines(epw));
  for (const char* source : {"late.wye", "late.epw"}) {
    statuses_.clear();
    percents_.clear();
    EXPECT_EQ(convert(path(source), path("out.cly")), ConversionOutcome::Refused) << source;
    EXPECT_TRUE(statuses_.empty()) << source;
    EXPECT_TRUE(percents_.empty()) << source;
  }
}

TEST_F(WeatherConversion, ReplacingALargerFileLeavesExactlyOneClimateFile) {
  writeValidSource();
  write("out.cly", std::string(300000, 'x'));
  EXPECT_EQ(convert(path("source.wye"), path("out.cly")), ConversionOutcome::Converted);
  EXPECT_EQ(read("out.cly").size(), 227760u);
  EXPECT_EQ(files(), (std::vector<std::string>{"out.cly", "source.wye"}));
}

TEST_F(WeatherConversion, AFailedConversionLeavesTheExistingTargetAsItWas) {
  write("source.wye", joinLines(wyecLines(8760, [](int k, std::string& l) {
          if (k == 5000) put(l, 6, "   ");
        })));
  const std::string before = "an older climate file that must survive";
  write("out.cly", before);
  EXPECT_EQ(convert(path("source.wye"), path("out.cly")), ConversionOutcome::Refused);
  EXPECT_EQ(read("out.cly"), before);
  EXPECT_EQ(files(), (std::vector<std::string>{"out.cly", "source.wye"}));
  ASSERT_EQ(sink_.size(), 2u);  // the replace question, then the failure
  EXPECT_EQ(sink_.messages()[1], errorMessage({"원본 파일의 5000행을 변환할 수 없습니다.",
                                               "[6~8열(건구온도)의 값이 숫자가 아닙니다.]"}));
  EXPECT_EQ(statuses_.back(), "");
  EXPECT_EQ(percents_.back(), 0);
}

TEST_F(WeatherConversion, ARefusedSourceWritesNothing) {
  write("source.try", joinLines(wyecLines(8761)));
  EXPECT_EQ(convert(path("source.try"), path("out.cly")), ConversionOutcome::Refused);
  EXPECT_EQ(files(), (std::vector<std::string>{"source.try"}));
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last(), errorMessage({"원본 파일이 WYEC(혹은 TRY) 형식의 파일이 아닙니다.",
                                        "[총 행수(8760행) 위반]"}));
}

TEST_F(WeatherConversion, NameChecksComeFirstAndTouchNothing) {
  writeValidSource();
  write("old.cly", "old");
  struct Case {
    std::string source, target, rule;
  };
  const std::string unnamed = "[원본 기후파일명 혹은 변환후 기후파일명이 지정되지 않았습니다.]";
  const std::string same = "[원본 기후파일명과 변환후 기후파일명이 같습니다.]";
  const std::string extension = "[변환후 기후파일명의 확장자가 cly가 아닙니다.]";
  const std::vector<Case> cases = {
      {"", path("new.cly"), unnamed},
      {path("source.wye"), "", unnamed},
      {"", "", unnamed},
      {path("old.cly"), path("old.cly"), same},
      {path("nothing.cly"), path("nothing.cly"), same},
      {path("old.cly"), (dir_ / "." / "old.cly").string(), same},
      {path("source.wye"), path("new.CLY"), extension},
      {path("source.wye"), path("new.Cly"), extension},
      {path("source.wye"), path("new.cl"), extension},
      {path("source.wye"), path("new.cly.txt"), extension},
      {path("source.wye"), "ly", extension},
  };
  for (const auto& c : cases) {
    sink_.clear();
    EXPECT_EQ(convert(c.source, c.target), ConversionOutcome::Refused)
        << c.source << " → " << c.target;
    ASSERT_EQ(sink_.size(), 1u);
    EXPECT_EQ(sink_.last(), errorMessage({kNameHeadline, c.rule})) << c.source << " → " << c.target;
  }
  EXPECT_EQ(read("old.cly"), "old");
  EXPECT_EQ(files(), (std::vector<std::string>{"old.cly", "source.wye"}));
  EXPECT_TRUE(statuses_.empty()) << "no work started";
}

TEST_F(WeatherConversion, BlanksAfterANameAreNotPartOfIt) {
  writeValidSource();
  EXPECT_EQ(convert(path("source.wye  "), path("out.cly  ")), ConversionOutcome::Converted);
  EXPECT_EQ(files(), (std::vector<std::string>{"out.cly", "source.wye"}));
  // The file loads under the name as typed, blanks and all.
  RecordingSink checkSink;
  EXPECT_TRUE(CheckClimateFile(path("out.cly  "), checkSink));
  // Replacing it asks about the name as typed.
  sink_.clear();
  sink_.queueAnswer(MessageAnswer::No);
  EXPECT_EQ(convert(path("source.wye"), path("out.cly ")), ConversionOutcome::Declined);
  EXPECT_EQ(sink_.last().lines[0], path("out.cly "));
  // Spelled with and without blanks, source and target are one file.
  sink_.clear();
  EXPECT_EQ(convert(path("out.cly"), path("out.cly ")), ConversionOutcome::Refused);
  EXPECT_EQ(sink_.last().lines[1], "[원본 기후파일명과 변환후 기후파일명이 같습니다.]");
}

TEST_F(WeatherConversion, AnExistingTargetIsReplacedOnlyWhenTheUserSaysYes) {
  writeValidSource();
  write("out.cly", "keep me");
  sink_.queueAnswer(MessageAnswer::No);
  EXPECT_EQ(convert(path("source.wye"), path("out.cly")), ConversionOutcome::Declined);
  EXPECT_EQ(read("out.cly"), "keep me");
  ASSERT_EQ(sink_.size(), 1u);
  const Message& question = sink_.last();
  EXPECT_EQ(question.title, "변환후 저장할 기후파일명");
  EXPECT_EQ(question.icon, MessageIcon::Exclamation);
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.lines,
            (std::vector<std::string>{path("out.cly"), "같은 이름의 파일이 이미 존재합니다.",
                                      "기존 파일을 이 파일로 대체하겠습니까?"}));
  EXPECT_TRUE(statuses_.empty());

  sink_.clear();
  sink_.queueAnswer(MessageAnswer::Yes);
  EXPECT_EQ(convert(path("source.wye"), path("out.cly")), ConversionOutcome::Converted);
  EXPECT_EQ(read("out.cly").size(), 227760u);
  EXPECT_EQ(sink_.size(), 2u);

  sink_.clear();
  EXPECT_EQ(convert(path("source.wye"), path("out.cly"), OverwritePolicy::Replace),
            ConversionOutcome::Converted);
  ASSERT_EQ(sink_.size(), 1u) << "no question with Replace";
  EXPECT_EQ(sink_.last().title, "Velmora");
}

TEST_F(WeatherConversion, TheQuestionComesBeforeTheSourceIsOpened) {
  write("out.cly", "keep me");
  sink_.queueAnswer(MessageAnswer::No);
  // The source does not exist, but declining ends the command before it is needed.
  EXPECT_EQ(convert(path("missing.wye"), path("out.cly")), ConversionOutcome::Declined);
  sink_.clear();
  EXPECT_THROW((void)convert(path("missing.wye"), path("out.cly")), FileError);
  EXPECT_EQ(read("out.cly"), "keep me");
}

TEST_F(WeatherConversion, ASourceThatIsNotARegularFileIsNotFound) {
  ASSERT_EQ(::mkfifo(path("pipe.wye").c_str(), 0600), 0);
  for (const std::string& source : {path("pipe.wye"), std::string("/dev/null")}) {
    try {
      (void)convert(source, path("out.cly"));
      ADD_FAILURE() << source << " was read";
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()), "파일을 찾을 수 없습니다. (" + source + ")");
    }
  }
  EXPECT_TRUE(statuses_.empty());
}

TEST_F(WeatherConversion, ATargetThatIsAFolderIsRefusedWithoutAQuestion) {
  writeValidSource();
  fs::create_directory(dir_ / "out.cly");
  EXPECT_THROW((void)convert(path("source.wye"), path("out.cly")), FileError);
  EXPECT_TRUE(sink_.empty());
  EXPECT_TRUE(fs::is_directory(dir_ / "out.cly"));
}

TEST_F(WeatherConversion, AnUnwritableTargetFolderIsAPlatformFailure) {
  writeValidSource();
  EXPECT_THROW((void)convert(path("source.wye"), path("no/such/folder/out.cly")), FileError);
  EXPECT_EQ(statuses_.back(), "") << "the page's status is reset on failure too";
}

TEST_F(WeatherConversion, AnEpwSourceIsImportedWhateverTheCaseOfItsExtension) {
  const std::string epw = joinLines(epwLines());
  for (const char* name : {"station.epw", "station.EPW", "station.Epw"}) {
    write(name, epw);
    sink_.clear();
    EXPECT_EQ(convert(path(name), path("station.cly"), OverwritePolicy::Replace),
              ConversionOutcome::Converted)
        << name;
    EXPECT_EQ(read("station.cly").size(), 227760u);
    ASSERT_EQ(sink_.size(), 1u);
    EXPECT_EQ(sink_.last(), infoMessage({"기후파일 변환후 저장이 완료되었습니다.",
                                         "관측소: Testville.WS (위도 37.5714°, 표고 87.1 m)"}));
  }
  RecordingSink checkSink;
  EXPECT_TRUE(CheckClimateFile(path("station.cly"), checkSink));
}

// Hours whose dew point lies more than 0.5 K above the dry bulb, with and
// without a relative humidity to stand in; 0.5 K above and a missing dry bulb
// are no such hours.
TEST_F(WeatherConversion, TheEpwCompletionBoxCountsDewPointsAboveTheDryBulb) {
  write("station.epw", joinLines(epwLines(false, [](int i, EpwFields& f) {
          if (i <= 5) f.dewPoint = "25.0";
          if (i == 4 || i == 5) f.rh = "999";
          if (i == 6) f.dewPoint = "20.5";
          if (i == 7) f.dryBulb = "99.9";
        })));
  ASSERT_EQ(convert(path("station.epw"), path("station.cly"), OverwritePolicy::Replace),
            ConversionOutcome::Converted);
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last(),
            infoMessage({"기후파일 변환후 저장이 완료되었습니다.",
                         "관측소: Testville.WS (위도 37.5714°, 표고 87.1 m)",
                         "이슬점온도가 건구온도보다 0.5℃ 넘게 높은 시간: 5시간 (상대습도로 계산 "
                         "3시간, 습구온도 결측 2시간)"}));
}

TEST_F(WeatherConversion, ARefusedEpwLeavesTheTargetAsItWas) {
  write("station.epw", joinLines(epwLines(false, [](int i, EpwFields& f) {
          if (i == 4000) f.pressure = "n/a";
        })));
  write("out.cly", "old");
  EXPECT_EQ(convert(path("station.epw"), path("out.cly"), OverwritePolicy::Replace),
            ConversionOutcome::Refused);
  EXPECT_EQ(read("out.cly"), "old");
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last(), errorMessage({"원본 파일이 EPW 형식의 파일이 아닙니다.",
                                        "[4008행 10번째 필드(대기압)의 숫자 위반]"}));
}

TEST(WeatherSourceKind, EpwByTheLastThreeCharactersInAnyCase) {
  struct Case {
    const char* path;
    WeatherSourceKind kind;
  };
  const std::vector<Case> cases = {
      {"a.epw", WeatherSourceKind::Epw},         {"A.EPW", WeatherSourceKind::Epw},
      {"a.ePw  ", WeatherSourceKind::Epw},       {"epw", WeatherSourceKind::Epw},
      {"a.wye", WeatherSourceKind::WyecTry},     {"a.try", WeatherSourceKind::WyecTry},
      {"a.epw.txt", WeatherSourceKind::WyecTry}, {"a.ep", WeatherSourceKind::WyecTry},
      {"", WeatherSourceKind::WyecTry},
  };
  for (const auto& c : cases) EXPECT_EQ(weatherSourceKindOf(c.path), c.kind) << c.path;
}

}  // namespace
}  // namespace vlm
