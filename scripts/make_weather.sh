#!/usr/bin/env bash
# Regenerates the climate files of the 13 built-in regions,
# resources/weather/<stem>.cly, from the typical-year EPW files in
# ../shared/climate/epw (provenance in ../shared/climate/SOURCES.md), with the
# program's own EPW import (vlm-cli convert). Builds vlm-cli first if needed.
# Each source is checked against its recorded SHA-256 before it is converted,
# so the files are only ever made from the recorded sources.
#
#   scripts/make_weather.sh
#
# VLM_EPW_DIR and VLM_WEATHER_BUILD_DIR override the source folder and the
# build folder of vlm-cli.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
epw_dir=${VLM_EPW_DIR:-$root/../shared/climate/epw}
build_dir=${VLM_WEATHER_BUILD_DIR:-$root/build/make-weather}
out_dir=$root/resources/weather

# stem  source file  SHA-256
sources=(
  "seoul    KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw                240a1d01f6eb35060703d9782229c37166cfcc90ac4485f002f28c552936dcef"
  "pusan    KOR_PU_Busan-Daecheongdong.WS.471590_TMYx.2011-2025.epw  b7ee12f91594bbc4d905814991ae8289f24c4dd30eb4667c349d801ec3f50643"
  "taegu    KOR_TG_Daegu.471430_TMYx.2011-2025.epw                   3adb7134e5a63bd9acab9f00f7aed7646ae2131f6ce2bf7b1b699a7f2ae9ceda"
  "incheon  KOR_IN_Incheon.WS.471120_TMYx.2011-2025.epw              0e0268477ddf7e21e7794d54410b6b47c682cac58d4c0464f79e048f333ac432"
  "kwangju  KOR_KJ_Gwangju.471560_TMYx.2011-2025.epw                 748ee26ef25cb31eec6457dca11562ab7042f04675bec532112d429644cfb371"
  "taejeon  KOR_TJ_Daejeon.WS.471330_TMYx.2011-2025.epw              e460dd0d09eb7a05ad44cd4824711f765a6d5a9595b0619b49f1f432293860e9"
  "jeju     KOR_CJ_Jeju.WS.471840_TMYx.2011-2025.epw                 66c8f15f86f51301d2a3e94d31ed51c41dec889eb87bf6b4d239dcf757abf840"
  "kangrung KOR_KW_Gangneung.471050_TMYx.2009-2023.epw               7676962c482f0371e40e52c11c7e342da004b0c8d9cdf771dd94634dbc94a7dc"
  "cheongju KOR_HB_Cheongju.WS.471310_TMYx.2009-2023.epw             47b2deb83111d61bdf9169798d5e2c4a4925de688cb19c8980aafc40416691fb"
  "jeonju   KOR_CB_Jeonju.471460_TMYx.2009-2023.epw                  c8a75cf2f457e20f7f94623a3d41ee4d333b23f2dbddfb9c887fb93eb37947f4"
  "jinju    KOR_KN_Jinju.WS.471920_TMYx.2009-2023.epw                a46f2ad16609456bb52ab20eeded7b4c830dc92c84bc269b9e15cce4b388d1d8"
  "mokpo    KOR_CN_Mokpo.471650_TMYx.2009-2023.epw                   4e41360f9c798aed85d30c074bcb125eebe916fb6be3432b1775950a214b81f9"
  "pohang   KOR_KB_Pohang.WS.471380_TMYx.2009-2023.epw               0c8faa46309f33c35382760a7d82e9e6c8ec81ac32439788d1e38621f70dd43c"
)

if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVLM_BUILD_GUI=OFF -DVLM_BUILD_BENCH=OFF
fi
cmake --build "$build_dir" --target vlm-cli -j2
cli=$build_dir/bin/vlm-cli

mkdir -p "$out_dir"
for entry in "${sources[@]}"; do
  read -r stem file sha <<<"$entry"
  source=$epw_dir/$file
  echo "$sha  $source" | sha256sum --check --quiet -
  "$cli" convert "$source" "$out_dir/$stem.cly" --yes
  echo "$stem.cly ← $file"
done
