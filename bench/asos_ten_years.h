// Ten years (2011–2020) of one ASOS station with every column the weather
// service's portal offers: 87,672 hourly lines less a gap now and then, for
// the benchmarks of what reads many years.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace vlm::bench {

inline constexpr const char* kHeader =
    "지점,지점명,일시,기온(°C),기온 QC플래그,강수량(mm),강수량 QC플래그,풍속(m/s),"
    "풍속 QC플래그,풍향(16방위),풍향 QC플래그,습도(%),습도 QC플래그,증기압(hPa),"
    "이슬점온도(°C),현지기압(hPa),현지기압 QC플래그,해면기압(hPa),해면기압 QC플래그,일조(hr),"
    "일조 QC플래그,일사(MJ/m2),일사 QC플래그,적설(cm),3시간신적설(cm),전운량(10분위),"
    "중하층운량(10분위),운형(운형약어),최저운고(100m ),시정(10m),지면상태(지면상태코드),"
    "현상번호(국내식),지면온도(°C),지면온도 QC플래그,5cm 지중온도(°C),10cm 지중온도(°C),"
    "20cm 지중온도(°C),30cm 지중온도(°C)";

inline bool isLeap(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

// Daily and seasonal swings, night without radiation, calm hours and gaps.
inline std::string tenYears() {
  std::string text = std::string(kHeader) + "\r\n";
  const int daysIn[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  char line[512];
  long n = 0;
  for (int year = 2011; year <= 2020; ++year)
    for (int month = 1; month <= 12; ++month) {
      const int days = month == 2 && isLeap(year) ? 29 : daysIn[month - 1];
      for (int day = 1; day <= days; ++day)
        for (int hour = 0; hour < 24; ++hour, ++n) {
          const double season = std::cos(2.0 * M_PI * (month - 7.5) / 12.0);
          const double daily = std::cos(2.0 * M_PI * (hour - 14) / 24.0);
          const double t = 12.0 + 14.0 * season + 4.0 * daily;
          const bool sun = hour >= 7 && hour <= 18;
          char radiation[16] = "";
          if (sun) std::snprintf(radiation, sizeof radiation, "%.2f", 2.0 * std::max(0.0, daily));
          std::snprintf(line, sizeof line,
                        "108,서울,%04d-%02d-%02d %02d:00,%.1f,,,,%.1f,,%ld,,%d,,%.1f,%.1f,%.1f,,"
                        "%.1f,,,,%s,,,,%ld,,,,2000,,,%.1f,,%.1f,%.1f,%.1f,%.1f\r\n",
                        year, month, day, hour, t, 2.0 + std::fabs(daily) * 3.0, (n * 7) % 37 * 10,
                        40 + static_cast<int>(n % 50), 10.0, t - 6.0, 1005.0 + 5.0 * season, 1013.0,
                        radiation, n % 11, t, t, t, t, t);
          if (n % 997 != 0) text += line;  // a gap now and then
        }
    }
  return text;
}

inline const std::string& asosTenYears() {
  static const std::string text = tenYears();
  return text;
}

}  // namespace vlm::bench
