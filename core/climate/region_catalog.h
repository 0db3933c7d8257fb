// The 13 built-in regions whose climate files ship in the weather folder of the
// program directory, and the "기타" choice for a file the user picks.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/climate/site.h"

namespace vlm {

// The station a built-in year was observed at, as the LOCATION line of its
// source EPW file gives it (see resources/weather/README.md for the files).
struct RegionSite {
  std::string_view station;
  double latitude, longitude, utcOffset;
};

struct Region {
  std::string_view optionName;  // the region page's option button, e.g. "opt11Seoul"
  std::string_view koreanName;  // RegionName, e.g. "서울"
  std::string_view fileStem;    // e.g. "seoul" for weather/seoul.cly
  RegionSite site;
};

inline constexpr std::array<Region, 13> kBuiltInRegions = {{
    {"opt11Seoul", "서울", "seoul", {"Seoul.WS", 37.57140, 126.9658, 9.0}},
    {"opt11Pusan", "부산", "pusan", {"Busan-Daecheongdong.WS", 35.10470, 129.0319, 9.0}},
    {"opt11Taegu", "대구", "taegu", {"Daegu", 35.82830, 128.6522, 9.0}},
    {"opt11Incheon", "인천", "incheon", {"Incheon.WS", 37.47780, 126.6250, 9.0}},
    {"opt11Kwangju", "광주", "kwangju", {"Gwangju", 35.17310, 126.8917, 9.0}},
    {"opt11Taejeon", "대전", "taejeon", {"Daejeon.WS", 36.37190, 127.3722, 9.0}},
    {"opt11Jeju", "제주", "jeju", {"Jeju.WS", 33.51420, 126.5297, 9.0}},
    {"opt11Kangrung", "강릉", "kangrung", {"Gangneung", 37.75140, 128.8911, 9.0}},
    {"opt11Cheongju", "청주", "cheongju", {"Cheongju.WS", 36.63920, 127.4406, 9.0}},
    {"opt11Jeonju", "전주", "jeonju", {"Jeonju", 35.84080, 127.1172, 9.0}},
    {"opt11Jinju", "진주", "jinju", {"Jinju.WS", 35.16390, 128.0400, 9.0}},
    {"opt11Mokpo", "목포", "mokpo", {"Mokpo", 34.81690, 126.3811, 9.0}},
    {"opt11Pohang", "포항", "pohang", {"Pohang.WS", 36.03190, 129.3800, 9.0}},
}};

// The built-in years' source files centre each hour's radiation on its time
// stamp, as their own extraterrestrial field shows (it peaks alike in the hours
// stamped 12 and 13 at a solar noon of 12:32 standard time).
inline constexpr double kBuiltInRadiationLag = 0.5;

// The region's station as a Site.
[[nodiscard]] Site siteOf(const Region& region);

// The choice of a file of the user's own.
inline constexpr std::string_view kOtherRegionName = "기타";
inline constexpr std::string_view kOtherRegionOption = "opt11Mis";
// The region selected when the region page opens.
inline constexpr std::string_view kDefaultRegionOption = "opt11Seoul";

// "weather/seoul.cly": the region's file relative to the program directory.
[[nodiscard]] std::string relativeFileName(const Region& region);
// The program directory joined with the relative file name by one "/".
[[nodiscard]] std::string regionFilePath(std::string_view programDir, const Region& region);

[[nodiscard]] std::optional<Region> regionByKoreanName(std::string_view name);
[[nodiscard]] std::optional<Region> regionByStem(std::string_view stem);
[[nodiscard]] std::optional<Region> regionByOption(std::string_view optionName);

}  // namespace vlm
