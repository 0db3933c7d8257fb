// The 13 built-in regions whose climate files ship in the weather folder of the
// program directory, and the "기타" choice for a file the user picks.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vlm {

struct Region {
  std::string_view optionName;  // the region page's option button, e.g. "opt11Seoul"
  std::string_view koreanName;  // RegionName, e.g. "서울"
  std::string_view fileStem;    // e.g. "seoul" for weather/seoul.cly
};

inline constexpr std::array<Region, 13> kBuiltInRegions = {{
    {"opt11Seoul", "서울", "seoul"},
    {"opt11Pusan", "부산", "pusan"},
    {"opt11Taegu", "대구", "taegu"},
    {"opt11Incheon", "인천", "incheon"},
    {"opt11Kwangju", "광주", "kwangju"},
    {"opt11Taejeon", "대전", "taejeon"},
    {"opt11Jeju", "제주", "jeju"},
    {"opt11Kangrung", "강릉", "kangrung"},
    {"opt11Cheongju", "청주", "cheongju"},
    {"opt11Jeonju", "전주", "jeonju"},
    {"opt11Jinju", "진주", "jinju"},
    {"opt11Mokpo", "목포", "mokpo"},
    {"opt11Pohang", "포항", "pohang"},
}};

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
