// ASOS hourly CSV import: the columns found by name in either encoding, the
// per-hour conversions worked by hand, absent hours and night radiation, the
// leap day, the choice among several station-years, and every refusal.
#include "core/climate/asos_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/climate/asos_columns.h"
#include "core/climate/asos_hour.h"
#include "core/climate/epw_import.h"
#include "tests/core/climate/asos_test_files.h"

namespace vlm {
namespace {

using namespace asostest;
using weathertest::joinLines;

std::optional<AsosYear> import(const std::string& text, RecordingSink& sink,
                               const AsosChoice& choice = {}) {
  std::istringstream in(text);
  return ImportAsos(in, choice, sink);
}

AsosYear imported(const std::string& text, const AsosChoice& choice = {}) {
  RecordingSink sink;
  auto year = import(text, sink, choice);
  EXPECT_TRUE(year.has_value()) << (sink.empty() ? "" : sink.last().text());
  EXPECT_TRUE(sink.empty());
  return year.value_or(AsosYear{});
}

// The two lines of a refused text ("" when it is imported).
std::vector<std::string> refusalOf(const std::string& text, const AsosChoice& choice = {}) {
  RecordingSink sink;
  if (import(text, sink, choice)) return {};
  EXPECT_EQ(sink.size(), 1u);
  if (sink.empty()) return {"?"};
  EXPECT_EQ(sink.last().title, "에러");
  EXPECT_EQ(sink.last().icon, MessageIcon::Error);
  return sink.last().lines;
}

const std::string kNotAsos = "원본 파일이 ASOS 시간자료 형식의 파일이 아닙니다.";

TEST(AsosColumns, NamesAreFoundWithoutUnitsAndBlanksAndQcColumnsAreNot) {
  EXPECT_EQ(asosColumnKey("기온(°C)"), "기온");
  EXPECT_EQ(asosColumnKey(" 최저운고(100m ) "), "최저운고");
  EXPECT_EQ(asosColumnKey("기온 QC플래그"), "기온QC플래그");
  const auto columns =
      parseAsosHeader("\xEF\xBB\xBF일시,기온 QC플래그, 기온 (°C) ,지점,일사(MJ/m2),풍향(16방위)");
  ASSERT_TRUE(columns.has_value());
  EXPECT_EQ(columns->encoding, TextEncoding::Utf8);
  EXPECT_EQ(columns->time, 0);
  EXPECT_EQ(columns->dryBulb, 2);
  EXPECT_EQ(columns->station, 3);
  EXPECT_EQ(columns->radiation, 4);
  EXPECT_EQ(columns->windDirection, 5);
  EXPECT_EQ(columns->humidity, AsosColumns::kAbsent);
  EXPECT_EQ(columns->fieldsNeeded(), 6);
  const auto cp949 = parseAsosHeader(toCp949("지점,지점명,일시,기온(°C)"));
  ASSERT_TRUE(cp949.has_value());
  EXPECT_EQ(cp949->encoding, TextEncoding::Cp949);
  EXPECT_EQ(cp949->dryBulb, 3);
}

TEST(AsosHour, WindDirectionToTheNearestOfTheSixteenCodes) {
  struct Case {
    std::optional<float> degrees;
    int16_t code;
  };
  const std::vector<Case> cases = {
      {0, 0},     {20, 23},   {50, 45},   {70, 68},   {90, 90},   {110, 113}, {140, 135},
      {160, 158}, {180, 180}, {200, 203}, {230, 225}, {250, 248}, {270, 270}, {290, 293},
      {320, 315}, {340, 338}, {360, 360}, {{}, 999},  {-10, 999}, {370, 999},
  };
  for (const auto& c : cases)
    EXPECT_EQ(asosWindDirCode(c.degrees), c.code) << c.degrees.value_or(-1);
}

TEST(AsosHour, RadiationFromMegajoulesToWholeTenthsOfCalories) {
  struct Case {
    std::optional<float> megajoules;
    float tenths;
  };
  // 1 MJ/m² = 23.9006 cal/cm²: 1.00 → 239.006, 0.5 → 119.503, 3.27 → 781.55.
  const std::vector<Case> cases = {{1.0f, 239},   {0.5f, 120},    {3.27f, 782},
                                   {0.0f, 0},     {0.01f, 2},     {5.0f, 1195},
                                   {5.01f, 9999}, {-0.01f, 9999}, {{}, 9999}};
  for (const auto& c : cases)
    EXPECT_EQ(asosRadiationTenths(c.megajoules), c.tenths) << c.megajoules.value_or(-1);
}

// A day of hand-worked hours: each hour of 1 January changes one thing.
TEST(AsosImport, ConvertsEachFieldHourByHour) {
  const auto lines = asosLines(2015, 8760, [](int i, AsosRow& r) {
    // Night: no radiation from 19 h to 7 h; one gap at noon.
    const int hour = (i - 1) % 24;
    if (hour < 8 || hour > 18 || (i == 13)) r["일사"] = "";
    switch (i) {
      case 1:
        r["기온"] = "-3.5";
        r["이슬점온도"] = "-3.5";
        break;  // saturated
      case 2:
        r["이슬점온도"] = "";
        r["습도"] = "100";
        break;  // from RH
      case 3:
        r["이슬점온도"] = "";
        r["습도"] = "";
        break;  // no humidity
      case 4:
        r["현지기압"] = "";
        break;
      case 5:
        r["현지기압"] = "1200";
        break;  // out of range
      case 6:
        r["풍향"] = "0";
        r["풍속"] = "0.0";
        break;  // calm
      case 7:
        r["풍향"] = "";
        r["풍속"] = "";
        break;
      case 8:
        r["전운량"] = "11";
        break;
      case 9:
        r["기온"] = "61.0";
        break;
      case 10:
        r["일사"] = "2.34";
        break;
      case 11:
        r["풍속"] = "abc";
        break;
      case 12:
        r.clear();
        break;  // absent hour
      case 14:
        r["이슬점온도"] = "10.0";
        r["습도"] = "5";
        break;  // dew point wins
      default:
        break;
    }
  });
  const AsosYear year = imported(joinLines(lines));
  ASSERT_EQ(year.records.size(), 8760u);
  const auto& r = year.records;
  EXPECT_EQ(r[0].RecIndex, 124);
  EXPECT_EQ(r[0].DBT, -3.5f);
  EXPECT_NEAR(r[0].WBT, -3.5f, 0.02f);
  EXPECT_FLOAT_EQ(r[0].Pressure, 101.3f);
  EXPECT_EQ(r[0].WindDir, 203);
  EXPECT_EQ(r[0].WindSpeed, 2.0f);
  EXPECT_EQ(r[0].Cloud, 5);
  EXPECT_EQ(r[0].Radiation, 0.0f) << "night";
  EXPECT_NEAR(r[1].WBT, 20.0f, 0.02f);
  EXPECT_EQ(r[2].WBT, kMissing);
  EXPECT_EQ(r[2].DBT, 20.0f);
  EXPECT_EQ(r[3].Pressure, kMissingPressure);
  EXPECT_EQ(r[3].WBT, kMissing);
  EXPECT_EQ(r[4].Pressure, kMissingPressure);
  EXPECT_EQ(r[5].WindDir, kCalm);
  EXPECT_EQ(r[5].WindSpeed, 0.0f);
  EXPECT_EQ(r[6].WindDir, kMissingWindDir);
  EXPECT_EQ(r[6].WindSpeed, kMissing);
  EXPECT_EQ(r[7].Cloud, kMissingCloud);
  EXPECT_EQ(r[8].DBT, kMissing);
  EXPECT_EQ(r[8].WBT, kMissing);
  EXPECT_EQ(r[9].Radiation, 559.0f);  // 2.34 × 239.006 = 559.27
  EXPECT_EQ(r[10].WindSpeed, kMissing);
  EXPECT_EQ(r[11], absentAsosHour(12));
  EXPECT_EQ(r[11].Radiation, kMissingRadiation) << "an absent hour is missing, day or night";
  EXPECT_EQ(r[12].Radiation, kMissingRadiation) << "an empty hour between reported hours";
  // 20 °C with a dew point of 10 °C at 101.3 kPa: W = 0.622 × 1.228 / (101.3 − 1.228)
  // = 0.00763, whose wet bulb by the psychrometer equation is 14.13 °C.
  EXPECT_NEAR(r[13].WBT, 14.13f, 0.02f);
  EXPECT_EQ(r[13].WBT, r[14].WBT);
  EXPECT_EQ(r[14].Radiation, 239.0f);
  EXPECT_EQ(r[23].Radiation, 0.0f);
  EXPECT_EQ(year.missing, (AsosMissingHours{2, 5, 3, 2, 3, 2, 2}));
  EXPECT_EQ(year.source, (AsosStationYear{108, "서울", 2015, 8759}));
  EXPECT_EQ(year.site, (Site{"서울", 37.57142, 126.9658, 9})) << "from the station list";
  EXPECT_FALSE(year.leapDayDropped);
}

// A line stamped H:00 reports the hour that ends then, as an EPW row of hour
// H does, and both are stored as the hour that starts at H−1:00. At the ends
// of the year, 1 January 00:00 belongs to the year before and the next
// 1 January 00:00 is 31 December 23 h, missing when the file stops before it.
TEST(AsosImport, ALineIsStoredAsTheHourEndingAtItsStampAsAnEpwRowIs) {
  // 12.3 °C read on 10 March at 14:00, in both files.
  const auto asos = asosLines(2015, 8760, [](int, AsosRow& r) {
    if (r["일시"] == "2015-03-10 14:00") r["기온"] = "12.3";
  });
  const auto epw = weathertest::epwLines(false, [](int, weathertest::EpwFields& f) {
    if (f.month == "3" && f.day == "10" && f.hour == "14") f.dryBulb = "12.3";
  });
  RecordingSink sink;
  std::istringstream epwText(joinLines(epw));
  const auto fromEpw = ImportEpw(epwText, sink);
  ASSERT_TRUE(fromEpw.has_value());
  const AsosYear fromAsos = imported(joinLines(asos));
  // 10 March 13 h: (31 + 28 + 9) × 24 + 13 + 1 = hour 1646 of the year.
  for (const std::size_t k : {1645u, 1646u, 1647u}) {
    const float expected = k == 1646u ? 12.3f : 20.0f;
    EXPECT_EQ(fromEpw->records[k - 1].DBT, expected) << "EPW hour " << k;
    EXPECT_EQ(fromAsos.records[k - 1].DBT, expected) << "ASOS hour " << k;
  }

  auto lines = asosLines(2015, 8760, [](int i, AsosRow& r) {
    if (i == 8760) r["기온"] = "1.0";
  });
  AsosRow previousYear = mildRow(2015, {1, 1, 0});
  previousYear["기온"] = "-9.0";
  lines.insert(lines.begin() + 1, asosLine(kPortalColumns, previousYear));
  std::istringstream text(joinLines(lines));
  EXPECT_EQ(ScanAsos(text, sink),
            (std::vector<AsosStationYear>{{108, "서울", 2014, 1}, {108, "서울", 2015, 8760}}));
  const AsosYear year = imported(joinLines(lines), {108, 2015});
  EXPECT_EQ(year.records.front().DBT, 20.0f) << "1 January 0 h is the line of 01:00";
  EXPECT_EQ(year.records.back().DBT, 1.0f) << "31 December 23 h is the line of 2016-01-01 00:00";
  EXPECT_EQ(imported(joinLines(asosLines(2015, 8759))).records.back(), absentAsosHour(8760));

  // 29 February 00:00 ends 28 February; 1 March 00:00 ends the dropped leap day.
  const AsosYear leap = imported(joinLines(asosLines(2016, 8784, [](int, AsosRow& r) {
    if (r["일시"] == "2016-02-29 00:00") r["기온"] = "-1.0";
    if (r["일시"] == "2016-03-01 00:00") r["기온"] = "-2.0";
  })));
  EXPECT_EQ(leap.records[1415].DBT, -1.0f) << "28 February 23 h";
  EXPECT_EQ(leap.records[1416].DBT, 20.0f) << "1 March 0 h";
  EXPECT_TRUE(std::none_of(leap.records.begin(), leap.records.end(),
                           [](const ClimateFileRecord& r) { return r.DBT == -2.0f; }));
  EXPECT_TRUE(sink.empty());
}

TEST(AsosImport, ADayWithoutAnyReportedRadiationIsMissingNotNight) {
  const auto lines = asosLines(2015, 8760, [](int i, AsosRow& r) {
    if (i <= 24) r["일사"] = "";
  });
  const AsosYear year = imported(joinLines(lines));
  for (int k = 0; k < 24; ++k)
    EXPECT_EQ(year.records[static_cast<std::size_t>(k)].Radiation, 9999.0f);
  EXPECT_EQ(year.missing.radiation, 24);
  // A file without the radiation column has none at all.
  std::vector<std::string> columns = kPortalColumns;
  std::erase(columns, "일사(MJ/m2)");
  EXPECT_EQ(imported(joinLines(asosLines(2015, 8760, {}, columns))).missing.radiation, 8760);
}

TEST(AsosImport, EncodingsLineEndsAndColumnOrderGiveTheSameYear) {
  const auto edit = [](int i, AsosRow& r) {
    r["기온"] = std::to_string(i % 35 - 10) + ".5";
    if (i % 24 < 6) r["일사"] = "";
  };
  const AsosYear reference = imported(joinLines(asosLines(2015, 8760, edit), "\r\n"));
  std::vector<std::string> reordered = {"일사 QC플래그",  "전운량(10분위)", "일시",
                                        "이슬점온도(°C)", "지점명",         "풍향(16방위)",
                                        "기온(°C)",       "습도(%)",        "현지기압 (hPa)",
                                        "지점",           "풍속(m/s)",      "일사(MJ/m2)"};
  const std::vector<std::pair<const char*, std::string>> variants = {
      {"UTF-8, LF", joinLines(asosLines(2015, 8760, edit), "\n")},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + joinLines(asosLines(2015, 8760, edit), "\n")},
      {"CP949, CR LF", asCp949(joinLines(asosLines(2015, 8760, edit)))},
      {"one-digit hours", joinLines(asosLines(2015, 8760,
                                              [&](int i, AsosRow& r) {
                                                edit(i, r);
                                                std::string& t = r["일시"];
                                                if (t[11] == '0') t.erase(11, 1);
                                              }))},
      {"another order, no last line break",
       joinLines(asosLines(2015, 8760, edit, reordered), "\n", false)},
      {"every value in double quotes", joinLines(asosLines(2015, 8760,
                                                           [&](int i, AsosRow& r) {
                                                             edit(i, r);
                                                             for (auto& [key, value] : r)
                                                               value = '"' + value + '"';
                                                           }))},
  };
  for (const auto& [what, text] : variants) {
    const AsosYear year = imported(text);
    EXPECT_EQ(year.source, reference.source) << what;
    EXPECT_TRUE(year.records == reference.records) << what;
  }
}

TEST(AsosImport, ALeapYearDropsThe29thOfFebruary) {
  const auto lines = asosLines(2016, 8784, [](int i, AsosRow& r) {
    const weathertest::Stamp s = weathertest::stampOf(i, 29);
    r["기온"] = s.month == 2 && s.day == 29 ? "-40.0" : std::to_string(i % 30);
  });
  const AsosYear year = imported(joinLines(lines));
  EXPECT_TRUE(year.leapDayDropped);
  EXPECT_EQ(year.source.hours, 8760);
  EXPECT_EQ(year.missing.dryBulb, 0);
  // Record 1417 (1 March 0 h) is line 1441 of the leap year.
  EXPECT_EQ(year.records[1415].DBT, static_cast<float>(1416 % 30));
  EXPECT_EQ(year.records[1416].DBT, static_cast<float>(1441 % 30));
  EXPECT_EQ(year.records[8759].DBT, static_cast<float>(8784 % 30));
}

// Two stations, two years each: listed with their hours, the most hours by
// default, or the one asked for.
TEST(AsosImport, SeveralStationYearsAreListedAndOneIsChosen) {
  auto lines = asosLines(2015, 8000);
  for (const auto& line : body(asosLines(2016, 8784, [](int, AsosRow& r) { r["기온"] = "16.0"; })))
    lines.push_back(line);
  const auto busan = [](const char* temperature) {
    return [=](int, AsosRow& r) {
      r["지점"] = "159";
      r["지점명"] = "부산";
      r["기온"] = temperature;
    };
  };
  for (const auto& line : body(asosLines(2015, 8760, busan("15.0")))) lines.push_back(line);
  for (const auto& line : body(asosLines(2016, 5000, busan("25.0")))) lines.push_back(line);
  const std::string text = asCp949(joinLines(lines));

  RecordingSink sink;
  std::istringstream in(text);
  const auto list = ScanAsos(in, sink);
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(*list, (std::vector<AsosStationYear>{{108, "서울", 2015, 8000},
                                                 {108, "서울", 2016, 8760},
                                                 {159, "부산", 2015, 8760},
                                                 {159, "부산", 2016, 4976}}));
  EXPECT_EQ(defaultStationYear(*list), (*list)[1]) << "most hours, the earlier on a tie";
  EXPECT_EQ(stationYearText((*list)[3]), "159 부산 2016년 (4976시간)");

  struct Case {
    AsosChoice choice;
    int32_t station;
    int16_t year;
    float dryBulb;
  };
  const std::vector<Case> cases = {
      {{}, 108, 2016, 16.0f},          {{159, {}}, 159, 2015, 15.0f},
      {{159, 2016}, 159, 2016, 25.0f}, {{{}, 2015}, 159, 2015, 15.0f},
      {{108, 2015}, 108, 2015, 20.0f},
  };
  for (const auto& c : cases) {
    const AsosYear year = imported(text, c.choice);
    EXPECT_EQ(year.source.station, c.station);
    EXPECT_EQ(year.source.year, c.year);
    EXPECT_EQ(year.records[0].DBT, c.dryBulb) << c.station << " " << c.year;
  }
  EXPECT_EQ(imported(text, {108, 2015}).missing.dryBulb, 760);
}

TEST(AsosImport, RefusalsNameTheBrokenRule) {
  using Lines = std::vector<std::string>;
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> lines;
    AsosChoice choice = {};
  };
  const auto year = [](const std::function<void(int, AsosRow&)>& edit = {}) {
    return asosLines(2015, 8760, edit);
  };
  const auto without = [&](const std::string& column) {
    Lines columns = kPortalColumns;
    std::erase(columns, column);
    return joinLines(asosLines(2015, 10, {}, columns));
  };
  Lines swapped = year();
  std::swap(swapped[100], swapped[101]);
  Lines repeated = year();
  repeated[100] = repeated[99];
  const std::vector<Case> cases = {
      {"no 일시 column", without("일시"), {kNotAsos, "[1행 머리글(지점, 일시, 기온 열) 위반]"}},
      {"no 기온 column", without("기온(°C)"), {kNotAsos, "[1행 머리글(지점, 일시, 기온 열) 위반]"}},
      {"an EPW file",
       joinLines(weathertest::epwHeader()),
       {kNotAsos, "[1행 머리글(지점, 일시, 기온 열) 위반]"}},
      {"empty file", "", {kNotAsos, "[1행 머리글(지점, 일시, 기온 열) 위반]"}},
      {"header only", joinLines(asosLines(2015, 0)), {kNotAsos, "[자료 행수(1행 이상) 위반]"}},
      {"unreadable time",
       joinLines(year([](int i, AsosRow& r) {
         if (i == 50) r["일시"] = "2015/01/03 01:00";
       })),
       {kNotAsos, "[51행의 일시(YYYY-MM-DD HH:MM) 위반]"}},
      {"no such day",
       joinLines(year([](int i, AsosRow& r) {
         if (i == 50) r["일시"] = "2015-02-29 01:00";
       })),
       {kNotAsos, "[51행의 일시(YYYY-MM-DD HH:MM) 위반]"}},
      {"hour 24",
       joinLines(year([](int i, AsosRow& r) {
         if (i == 7) r["일시"] = "2015-01-01 24:00";
       })),
       {kNotAsos, "[8행의 일시(YYYY-MM-DD HH:MM) 위반]"}},
      {"unreadable station",
       joinLines(year([](int i, AsosRow& r) {
         if (i == 3) r["지점"] = "서울";
       })),
       {kNotAsos, "[4행의 지점 위반]"}},
      {"dates out of order", joinLines(swapped), {kNotAsos, "[102행의 일시 순서 위반]"}},
      {"an hour twice", joinLines(repeated), {kNotAsos, "[101행의 일시 순서 위반]"}},
      {"fewer than half the hours",
       joinLines(asosLines(2015, 4379)),
       {kNotAsos, "[지점 108, 2015년의 시간 수(4380시간 이상) 위반: 4379시간]"}},
      {"no readable dry bulb",
       joinLines(year([](int, AsosRow& r) { r["기온"] = "\"-\""; })),
       {kNotAsos, "[지점 108, 2015년의 건구온도가 있는 시간 수(1시간 이상) 위반: 0시간]"}},
      {"line too long",
       joinLines(year([](int i, AsosRow& r) {
         if (i == 2) r["지점명"] = std::string(5000, 'x');
       })),
       {kNotAsos, "[3행의 길이(4096자 이하) 위반]"}},
      {"no line breaks", std::string(1 << 20, '7'), {kNotAsos, "[1행의 길이(4096자 이하) 위반]"}},
      {"station not in the file",
       joinLines(year()),
       {"선택한 지점 혹은 연도의 자료가 원본 파일에 없습니다.", "[지점 159, 2015년]"},
       {159, 2015}},
      {"year not in the file",
       joinLines(year()),
       {"선택한 지점 혹은 연도의 자료가 원본 파일에 없습니다.", "[2016년]"},
       {{}, 2016}},
  };
  for (const auto& c : cases) EXPECT_EQ(refusalOf(c.text, c.choice), c.lines) << c.what;
  // Exactly half the hours is enough, and so is one dry bulb.
  EXPECT_EQ(imported(joinLines(asosLines(2015, 4380))).missing.dryBulb, 4380);
  EXPECT_EQ(imported(joinLines(year([](int i, AsosRow& r) {
              if (i > 1) r["기온"] = "";
            }))).missing.dryBulb,
            8759);
}

}  // namespace
}  // namespace vlm
