// The structural check of WYEC/TRY text files: line length, line count and
// the stamps of the first and last lines, in file order.
#include "core/climate/weather_text_check.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "core/climate/text_line_reader.h"
#include "core/common/file_error.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm {
namespace {

using namespace weathertest;

const std::string kHeadline = "원본 파일이 WYEC(혹은 TRY) 형식의 파일이 아닙니다.";

// Checks a text from memory; gives "" when it passes, else the bracketed rule,
// after asserting that exactly one well-formed error box was shown.
std::string ruleOf(const std::string& text) {
  std::istringstream in(text);
  RecordingSink sink;
  const bool ok = CheckWeatherText(in, sink);
  if (ok) {
    EXPECT_TRUE(sink.empty());
    return "";
  }
  EXPECT_EQ(sink.size(), 1u);
  if (sink.empty()) return "?";
  const Message& m = sink.last();
  EXPECT_EQ(m.title, "에러");
  EXPECT_EQ(m.icon, MessageIcon::Error);
  EXPECT_EQ(m.buttons, MessageButtons::Ok);
  EXPECT_EQ(m.lines.size(), 2u);
  EXPECT_EQ(m.lines[0], kHeadline);
  return m.lines.back();
}

// An endless text without line breaks that counts what was taken from it.
class EndlessText : public std::streambuf {
 public:
  std::size_t taken = 0;

 protected:
  int_type underflow() override {
    if (gptr() == egptr()) {
      if (taken >= kGigabyte) return traits_type::eof();
      ++taken;
      setg(&c_, &c_, &c_ + 1);
    }
    return traits_type::to_int_type(c_);
  }

 private:
  static constexpr std::size_t kGigabyte = std::size_t{1} << 30;
  char c_ = 'A';
};

TEST(WeatherTextCheck, AValidYearPassesWhateverItsLineEnds) {
  const auto lines = wyecLines();
  EXPECT_EQ(ruleOf(joinLines(lines, "\r\n")), "");
  EXPECT_EQ(ruleOf(joinLines(lines, "\n")), "");
  EXPECT_EQ(ruleOf(joinLines(lines, "\r\n", false)), "") << "last line without terminator";
  EXPECT_EQ(ruleOf(joinLines(lines, "\n", false) + "\r"), "") << "a half CR LF at the end";
}

TEST(WeatherTextCheck, LineLengthIsCheckedOnEveryLineWithoutItsTerminator) {
  struct Case {
    const char* what;
    std::function<void(int, std::string&)> edit;
  };
  const std::vector<Case> cases = {
      {"line 3 of 79 columns",
       [](int k, std::string& l) {
         if (k == 3) l.pop_back();
       }},
      {"line 3 of 81 columns",
       [](int k, std::string& l) {
         if (k == 3) l += "0";
       }},
      {"line 8760 of 79 columns",
       [](int k, std::string& l) {
         if (k == 8760) l.pop_back();
       }},
      {"an empty line 1",
       [](int k, std::string& l) {
         if (k == 1) l.clear();
       }},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ruleOf(joinLines(wyecLines(8760, c.edit))), "[행길이(80열) 위반]") << c.what;
  EXPECT_EQ(ruleOf(joinLines(wyecLines()) + "\r\n"), "[행길이(80열) 위반]")
      << "an extra empty line at the end";
}

TEST(WeatherTextCheck, TheFirstOffendingLineDecides) {
  // Line 3 is short and line 8760 carries a wrong stamp: only line 3 is reported.
  const auto text = joinLines(wyecLines(8760, [](int k, std::string& l) {
    if (k == 3) l.pop_back();
    if (k == 8760) put(l, 74, "010100");
  }));
  EXPECT_EQ(ruleOf(text), "[행길이(80열) 위반]");
  // A wrong first stamp is reported before a short line further on.
  const auto stampFirst = joinLines(wyecLines(8760, [](int k, std::string& l) {
    if (k == 1) put(l, 74, "020100");
    if (k == 5) l.pop_back();
  }));
  EXPECT_EQ(ruleOf(stampFirst), "[1행의 월(01), 일(01), 시각(00) 데이터위반]");
}

TEST(WeatherTextCheck, StampsAreExactTwoCharacterTexts) {
  struct Case {
    int line;
    const char* stamp;  // columns 74–79
    const char* rule;   // "" = passes
  };
  const std::string first = "[1행의 월(01), 일(01), 시각(00) 데이터위반]";
  const std::string last = "[8760행의 월(12), 일(31), 시각(23) 데이터위반]";
  const std::vector<Case> cases = {
      {1, "010100", ""},
      {1, " 10100", first.c_str()},
      {1, "1 0100", first.c_str()},
      {1, "01 100", first.c_str()},
      {1, "010101", first.c_str()},
      {1, "020100", first.c_str()},
      {8760, "123123", ""},
      {8760, "123122", last.c_str()},
      {8760, "123023", last.c_str()},
      {8760, "113123", last.c_str()},
      {8760, "12312 ", last.c_str()},
  };
  for (const auto& c : cases) {
    const auto text = joinLines(wyecLines(8760, [&](int k, std::string& l) {
      if (k == c.line) put(l, 74, c.stamp);
    }));
    EXPECT_EQ(ruleOf(text), c.rule) << "line " << c.line << " stamp '" << c.stamp << "'";
  }
}

TEST(WeatherTextCheck, OtherStampsAreNotChecked) {
  const auto text = joinLines(wyecLines(8760, [](int k, std::string& l) {
    if (k > 1 && k < 8760) put(l, 74, "999999");
  }));
  EXPECT_EQ(ruleOf(text), "");
}

TEST(WeatherTextCheck, LineCountIsCheckedAtTheEnd) {
  const std::string count = "[총 행수(8760행) 위반]";
  EXPECT_EQ(ruleOf(""), count) << "an empty file";
  EXPECT_EQ(ruleOf(joinLines(wyecLines(8759))), count);
  EXPECT_EQ(ruleOf(joinLines(wyecLines(1))), count);
  // 8761 lines whose line 8760 is 31 December 23 h fail only on the count.
  auto lines = wyecLines();
  lines.push_back(lines.back());
  EXPECT_EQ(ruleOf(joinLines(lines)), count);
  // A leap year of 8784 hourly lines fails on the stamp of line 8760 (30 December 23 h).
  EXPECT_EQ(ruleOf(joinLines(wyecLines(8784, {}, 29))),
            "[8760행의 월(12), 일(31), 시각(23) 데이터위반]");
}

TEST(WeatherTextCheck, AFileWithoutLineBreaksIsRefusedAfterAtMost81Characters) {
  EndlessText endless;
  std::istream in(&endless);
  RecordingSink sink;
  EXPECT_FALSE(CheckWeatherText(in, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines[1], "[행길이(80열) 위반]");
  EXPECT_LE(endless.taken, 82u);  // 81 characters and at most one look-ahead
}

TEST(WeatherTextCheck, APathThatCannotBeReadIsAPlatformFailure) {
  RecordingSink sink;
  EXPECT_THROW((void)CheckWeatherText(std::string("/nonexistent/vlm/source.wye"), sink), FileError);
  EXPECT_THROW((void)CheckWeatherText(fs::temp_directory_path().string(), sink), FileError);
  EXPECT_TRUE(sink.empty());
}

class WeatherTextCheckFile : public TempDirTest {};

TEST_F(WeatherTextCheckFile, ReadsTheFileItIsGiven) {
  write("good.wye", joinLines(wyecLines()));
  write("short.try", joinLines(wyecLines(100)));
  RecordingSink sink;
  EXPECT_TRUE(CheckWeatherText(path("good.wye"), sink));
  EXPECT_FALSE(CheckWeatherText(path("short.try"), sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().text(), kHeadline + "\r\n[총 행수(8760행) 위반]");
}

TEST(TextLineReader, SplitsOnLfAndCrLfAndKeepsALoneCr) {
  std::istringstream in("ab\r\ncd\nx\ry\r\n\nlast");
  TextLineReader reader(in, 10);
  std::string line;
  std::vector<std::string> got;
  while (reader.next(line) == TextLineReader::Status::Line) got.push_back(line);
  EXPECT_EQ(got, (std::vector<std::string>{"ab", "cd", "x\ry", "", "last"}));
  EXPECT_EQ(reader.lineNumber(), 5);
}

TEST(TextLineReader, StopsAtTheFirstLineThatIsTooLong) {
  std::istringstream in("12345\n1234567\nnext\n");
  TextLineReader reader(in, 5);
  std::string line;
  EXPECT_EQ(reader.next(line), TextLineReader::Status::Line);
  EXPECT_EQ(reader.next(line), TextLineReader::Status::TooLong);
  EXPECT_EQ(line, "123456");
  EXPECT_EQ(reader.lineNumber(), 2);
  EXPECT_EQ(reader.next(line), TextLineReader::Status::End);
}

// The lines a reader gives, a too-long one marked "!", and the last line number.
std::pair<std::vector<std::string>, std::int64_t> readAll(const std::string& text,
                                                          std::size_t maxLength) {
  std::istringstream in(text);
  TextLineReader reader(in, maxLength);
  std::vector<std::string> got;
  std::string line;
  for (auto status = reader.next(line); status != TextLineReader::Status::End;
       status = reader.next(line))
    got.push_back(status == TextLineReader::Status::TooLong ? "!" + line : line);
  return {got, reader.lineNumber()};
}

// With lines of at most 5 characters the reader takes 7 bytes first, then 14,
// 28 …, so these texts put line breaks, CRs and long lines across its reads.
TEST(TextLineReader, LinesAcrossTheReadsAreWholeAndNumbered) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
    std::int64_t lastNumber;
  };
  const std::vector<Case> cases = {
      {"abc\ndefg\nhi", {"abc", "defg", "hi"}, 3},       // a line split between reads
      {"a\nbcde\r\nz\r", {"a", "bcde", "z"}, 3},         // CR last in a read; CR at the end
      {"abcde\r\nabcdef\r\n", {"abcde", "!abcdef"}, 2},  // CR LF after 5 and after 6
      {"ab\ncdefghij\nnext\n", {"ab", "!cdefgh"}, 2},    // too long across two reads
      {"abcdefghijklmnopqrstuvwxyz", {"!abcdef"}, 1},    // no break at all
      {"1\n22\n333\n4444\n55555\n\n", {"1", "22", "333", "4444", "55555", ""}, 6},
  };
  for (const Case& c : cases) {
    const auto [lines, lastNumber] = readAll(c.text, 5);
    EXPECT_EQ(lines, c.lines) << c.text;
    EXPECT_EQ(lastNumber, c.lastNumber) << c.text;
  }
  // Far more than one block, in lines that end wherever the blocks fall.
  std::string text;
  std::vector<std::string> expected;
  for (int n = 0; n < 40000; ++n) {
    expected.push_back(std::to_string(n * 7919 % 100003));
    text += expected.back() + (n % 3 == 0 ? "\r\n" : "\n");
  }
  const auto [lines, lastNumber] = readAll(text, 6);
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(lastNumber, 40000);
}

}  // namespace
}  // namespace vlm
