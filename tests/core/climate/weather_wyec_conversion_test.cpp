// Converting WYEC/TRY lines into .cly records: columns, unit conversions,
// markers and the fields that do not convert.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <sstream>

#include "core/climate/field_number.h"
#include "core/climate/wyec_conversion.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm {
namespace {

using namespace weathertest;

ClimateFileRecord converted(const WyecFields& fields, int16_t k = 1) {
  const auto result = convertWeatherLine(wyecLine(fields, {1, 1, 0}), k);
  EXPECT_FALSE(result.fault.has_value());
  return result.record;
}

TEST(WyecConversion, TemperaturesAreFahrenheitToCelsiusExceptTheMarker) {
  struct Case {
    const char* text;
    float celsius;
  };
  const std::vector<Case> cases = {{"050", 10.0f},
                                   {"032", 0.0f},
                                   {"212", 100.0f},
                                   {"-40", -40.0f},
                                   {"  5", -15.0f},
                                   {"999", 999.0f},
                                   {"998", static_cast<float>((998.0 - 32.0) * 5.0 / 9.0)}};
  for (const auto& c : cases) {
    WyecFields f;
    f.dryBulb = c.text;
    f.wetBulb = c.text;
    const auto r = converted(f);
    EXPECT_FLOAT_EQ(r.DBT, c.celsius) << c.text;
    EXPECT_FLOAT_EQ(r.WBT, c.celsius) << c.text;
  }
  WyecFields f;
  f.dryBulb = "999";
  EXPECT_EQ(converted(f).DBT, kMissing) << "999 °F is the marker, not 537.2 °C";
}

TEST(WyecConversion, WindPressureCloudAndRadiation) {
  WyecFields f;  // 225°, 10 kn, 29.92 inHg, 5 tenths, 52.3 cal/cm²
  auto r = converted(f);
  EXPECT_EQ(r.WindDir, 225);
  EXPECT_FLOAT_EQ(r.WindSpeed, 5.144444f);
  EXPECT_NEAR(r.Pressure, 101.3207, 5e-5);
  EXPECT_EQ(r.Pressure, static_cast<float>(2992.0 * 0.03386388));
  EXPECT_EQ(r.Cloud, 5);
  EXPECT_EQ(r.Radiation, 523.0f);

  f.windDir = "999";
  f.windSpeed = "999";
  f.pressure = "9999";
  f.cloud = "99";
  f.radiation = "9999";
  r = converted(f);
  EXPECT_EQ(r.WindDir, kMissingWindDir);
  EXPECT_EQ(r.WindSpeed, kMissing);
  EXPECT_EQ(r.Pressure, kMissingPressure);
  EXPECT_EQ(r.Cloud, kMissingCloud);
  EXPECT_EQ(r.Radiation, kMissingRadiation);

  f.windDir = " 10";  // not a 16-point code: copied unchanged
  f.cloud = "10";
  r = converted(f);
  EXPECT_EQ(r.WindDir, 10);
  EXPECT_EQ(r.Cloud, 10);
}

TEST(WyecConversion, RecordIndexIsTheHourPlus123) {
  EXPECT_EQ(converted(WyecFields{}, 1).RecIndex, 124);
  EXPECT_EQ(converted(WyecFields{}, 8760).RecIndex, 8883);
}

TEST(WyecConversion, OnlyTheTableColumnsAreRead) {
  std::string line = wyecLine(WyecFields{}, {1, 1, 0});
  // Columns 12–14, 25, 28–55 and 60–73 may hold anything.
  put(line, 12, "xyz");
  put(line, 25, "#");
  put(line, 28, std::string(28, '?'));
  put(line, 60, std::string(14, '!'));
  const auto result = convertWeatherLine(line, 1);
  ASSERT_FALSE(result.fault.has_value());
  EXPECT_EQ(result.record, converted(WyecFields{}));
}

TEST(WyecConversion, AFieldThatIsNotANumberNamesItsColumns) {
  struct Case {
    std::function<void(WyecFields&)> edit;
    WeatherFieldFault fault;
  };
  const std::vector<Case> cases = {
      {[](WyecFields& f) { f.dryBulb = "   "; }, {6, 8, "건구온도", FieldFault::NotANumber}},
      {[](WyecFields& f) { f.wetBulb = "4 5"; }, {9, 11, "습구온도", FieldFault::NotANumber}},
      {[](WyecFields& f) { f.windDir = "N  "; }, {15, 17, "풍향", FieldFault::NotANumber}},
      {[](WyecFields& f) { f.windDir = "1e9"; }, {15, 17, "풍향", FieldFault::OutOfRange}},
      {[](WyecFields& f) { f.windSpeed = "--1"; }, {18, 20, "풍속", FieldFault::NotANumber}},
      {[](WyecFields& f) { f.pressure = "    "; }, {21, 24, "기압", FieldFault::NotANumber}},
      {[](WyecFields& f) { f.cloud = "**"; }, {26, 27, "운량", FieldFault::NotANumber}},
      {[](WyecFields& f) { f.radiation = "9e99"; }, {56, 59, "일사량", FieldFault::OutOfRange}},
  };
  for (const auto& c : cases) {
    WyecFields f;
    c.edit(f);
    const auto result = convertWeatherLine(wyecLine(f, {1, 1, 0}), 1);
    ASSERT_TRUE(result.fault.has_value()) << c.fault.name;
    EXPECT_EQ(*result.fault, c.fault);
  }
  // A line that is too short for the later fields does not read past its end.
  const auto shortLine = convertWeatherLine("00000050045", 1);
  ASSERT_TRUE(shortLine.fault.has_value());
  EXPECT_EQ(shortLine.fault->name, "풍향");
}

TEST(WyecConversion, FieldFaultMessagesNameTheLine) {
  const Message m = weatherFieldFaultMessage(5000, {6, 8, "건구온도", FieldFault::NotANumber});
  EXPECT_EQ(m.title, "에러");
  EXPECT_EQ(m.icon, MessageIcon::Error);
  EXPECT_EQ(m.lines, (std::vector<std::string>{"원본 파일의 5000행을 변환할 수 없습니다.",
                                               "[6~8열(건구온도)의 값이 숫자가 아닙니다.]"}));
  EXPECT_EQ(weatherFieldFaultMessage(12, {56, 59, "일사량", FieldFault::OutOfRange}).lines,
            (std::vector<std::string>{"원본 파일의 12행을 변환할 수 없습니다.",
                                      "[56~59열(일사량)의 값이 허용 범위를 벗어납니다.]"}));
}

TEST(FieldNumber, ReadsLikeTheOldNumericConversion) {
  struct Case {
    const char* text;
    FieldFault fault;
    float value;
  };
  const std::vector<Case> cases = {
      {"050", FieldFault::None, 50},       {"  5", FieldFault::None, 5},
      {"5  ", FieldFault::None, 5},        {"+5", FieldFault::None, 5},
      {"-40", FieldFault::None, -40},      {"5.", FieldFault::None, 5},
      {".5", FieldFault::None, 0.5f},      {"1e3", FieldFault::None, 1000},
      {"", FieldFault::NotANumber, 0},     {"   ", FieldFault::NotANumber, 0},
      {"abc", FieldFault::NotANumber, 0},  {"inf", FieldFault::NotANumber, 0},
      {"nan", FieldFault::NotANumber, 0},  {"-inf", FieldFault::NotANumber, 0},
      {"5 0", FieldFault::NotANumber, 0},  {"0x1A", FieldFault::NotANumber, 0},
      {"+-5", FieldFault::NotANumber, 0},  {"-", FieldFault::NotANumber, 0},
      {".", FieldFault::NotANumber, 0},    {"1e", FieldFault::NotANumber, 0},
      {"9e99", FieldFault::OutOfRange, 0},
  };
  for (const auto& c : cases) {
    float value = -1;
    EXPECT_EQ(parseSingleField(c.text, value), c.fault) << '"' << c.text << '"';
    if (c.fault == FieldFault::None) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

// Plain decimals take a short way; it must give the bits of the correctly
// rounded conversion, also at the bounds of the short way (2^24 as digits, ten
// places after the point) and for −0.
TEST(FieldNumber, PlainDecimalsGiveTheBitsOfTheFullConversion) {
  std::vector<std::string> texts = {"16777215",  "16777216",    "16777217",     "16777219",
                                    "1677721.7", "-16777217.0", "0.0000000001", "0.00000000001",
                                    "-0",        "-0.0",        "99.9",         "101782"};
  std::mt19937 random(17);
  for (int i = 0; i < 100000; ++i) {
    std::string text = random() % 2 != 0 ? "-" : "";
    const unsigned whole = 1 + random() % 9;
    const unsigned places = random() % 12;
    for (unsigned d = 0; d < whole; ++d) text += static_cast<char>('0' + random() % 10);
    if (places > 0) text += '.';
    for (unsigned d = 0; d < places; ++d) text += static_cast<char>('0' + random() % 10);
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    float expected = 0.0f;
    ASSERT_EQ(std::from_chars(text.data(), text.data() + text.size(), expected).ec, std::errc());
    float value = 0.0f;
    ASSERT_EQ(parseSingleField(text, value), FieldFault::None) << text;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(value), std::bit_cast<std::uint32_t>(expected)) << text;
  }
}

TEST(FieldNumber, SixteenBitFieldsRoundHalvesToEvenAndRefuseOverflow) {
  struct Case {
    const char* text;
    FieldFault fault;
    int16_t value;
  };
  const std::vector<Case> cases = {
      {"225", FieldFault::None, 225},       {" 10", FieldFault::None, 10},
      {"2.5", FieldFault::None, 2},         {"3.5", FieldFault::None, 4},
      {"-2.5", FieldFault::None, -2},       {"32767", FieldFault::None, 32767},
      {"-32768", FieldFault::None, -32768}, {"32767.5", FieldFault::OutOfRange, 0},
      {"1e9", FieldFault::OutOfRange, 0},   {"  ", FieldFault::NotANumber, 0},
  };
  for (const auto& c : cases) {
    int16_t value = -1;
    EXPECT_EQ(parseInt16Field(c.text, value), c.fault) << '"' << c.text << '"';
    if (c.fault == FieldFault::None) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(WyecConversion, AWholeTextBecomes8760RecordsInLineOrder) {
  auto lines = wyecLines(8760, [](int k, std::string& l) {
    put(l, 6, k == 2 ? "032" : "050");
    put(l, 56, k == 8760 ? "  17" : " 523");
  });
  std::istringstream in(joinLines(lines));
  RecordingSink sink;
  std::vector<int16_t> percents;
  ConversionProgress progress;
  progress.percent = [&](int16_t p) { percents.push_back(p); };
  const auto records = convertWeatherText(in, sink, progress);
  ASSERT_TRUE(records.has_value());
  EXPECT_TRUE(sink.empty());
  ASSERT_EQ(records->size(), 8760u);
  EXPECT_EQ((*records)[0].RecIndex, 124);
  EXPECT_EQ((*records)[1].DBT, 0.0f);
  EXPECT_EQ((*records)[8759].RecIndex, 8883);
  EXPECT_EQ((*records)[8759].Radiation, 17.0f);
  ASSERT_EQ(percents.size(), 8760u);
  EXPECT_EQ(percents.front(), 0);
  EXPECT_EQ(percents[87], 1);  // hour 88 of 8760 is 1.004 %
  EXPECT_EQ(percents.back(), 100);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
}

TEST(WyecConversion, StructuralRulesOutrankAnEarlierFieldFault) {
  // Line 5000 has a blank temperature, line 6000 is short: the check refuses first.
  const auto text = joinLines(wyecLines(8760, [](int k, std::string& l) {
    if (k == 5000) put(l, 6, "   ");
    if (k == 6000) l.pop_back();
  }));
  std::istringstream in(text);
  RecordingSink sink;
  EXPECT_FALSE(convertWeatherText(in, sink).has_value());
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines[1], "[행길이(80열) 위반]");

  // With the structure sound, the field fault of line 5000 is reported.
  std::istringstream sound(joinLines(wyecLines(8760, [](int k, std::string& l) {
    if (k == 5000) put(l, 6, "   ");
  })));
  sink.clear();
  EXPECT_FALSE(convertWeatherText(sound, sink).has_value());
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines[0], "원본 파일의 5000행을 변환할 수 없습니다.");
}

TEST(WyecConversion, ExtraLinesAreRefusedOnTheCountNotConverted) {
  auto lines = wyecLines();
  lines.push_back(lines.back());
  std::istringstream in(joinLines(lines));
  RecordingSink sink;
  EXPECT_FALSE(convertWeatherText(in, sink).has_value());
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines[1], "[총 행수(8760행) 위반]");
}

}  // namespace
}  // namespace vlm
