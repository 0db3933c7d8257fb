// The source EPW file of each built-in region's year, as resources/weather
// records it, for the tests that hold the regions to their sources.
#pragma once

#include <map>
#include <string_view>

namespace vlm::regiontest {

inline const std::map<std::string_view, std::string_view> kSourceOf = {
    {"seoul", "KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw"},
    {"pusan", "KOR_PU_Busan-Daecheongdong.WS.471590_TMYx.2011-2025.epw"},
    {"taegu", "KOR_TG_Daegu.471430_TMYx.2011-2025.epw"},
    {"incheon", "KOR_IN_Incheon.WS.471120_TMYx.2011-2025.epw"},
    {"kwangju", "KOR_KJ_Gwangju.471560_TMYx.2011-2025.epw"},
    {"taejeon", "KOR_TJ_Daejeon.WS.471330_TMYx.2011-2025.epw"},
    {"jeju", "KOR_CJ_Jeju.WS.471840_TMYx.2011-2025.epw"},
    {"kangrung", "KOR_KW_Gangneung.471050_TMYx.2009-2023.epw"},
    {"cheongju", "KOR_HB_Cheongju.WS.471310_TMYx.2009-2023.epw"},
    {"jeonju", "KOR_CB_Jeonju.471460_TMYx.2009-2023.epw"},
    {"jinju", "KOR_KN_Jinju.WS.471920_TMYx.2009-2023.epw"},
    {"mokpo", "KOR_CN_Mokpo.471650_TMYx.2009-2023.epw"},
    {"pohang", "KOR_KB_Pohang.WS.471380_TMYx.2009-2023.epw"},
};

}  // namespace vlm::regiontest
