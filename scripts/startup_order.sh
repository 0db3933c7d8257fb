#!/usr/bin/env bash
# Writes cli/startup_order.txt, the order in which the linker lays out
# vlm-cli's functions: those that a start of the timed command lines runs
# (load, then an EPW conversion, then the other commands that read a year)
# come first, side by side. Run it on a release build after the start-up path
# has changed much; a stale list only costs speed, never correctness.
#
#   scripts/startup_order.sh [build/release]
#
# Needs valgrind. The EPW comes from the shared climate folder or VLM_EPW_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
cli=$build/bin/vlm-cli
epw_dir=${VLM_EPW_DIR:-../shared/climate/epw}
epw=$epw_dir/KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw
[ -x "$cli" ] || { echo "startup_order: no $cli; build the release preset first" >&2; exit 1; }
[ -r "$epw" ] || { echo "startup_order: no $epw; set VLM_EPW_DIR" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runs=(
  "load seoul"
  "convert --yes $epw $work/seoul.cly"
  "analyse seoul"
  "months seoul"
  "degree-days seoul"
  "check seoul"
)
n=0
for run in "${runs[@]}"; do
  n=$((n + 1))
  # shellcheck disable=SC2086  # each run is a command line to split
  valgrind --tool=callgrind --demangle=no --callgrind-out-file="$work/$n.out" \
    "$cli" $run >/dev/null 2>"$work/$n.err" || { cat "$work/$n.err" >&2; exit 1; }
done

# Callgrind names each function once, as "(id) name", in the order it meets
# them; a trailing 'N marks a recursion level.
for i in $(seq "$n"); do
  sed -n "s/^c\{0,1\}fn=([0-9]*) \([^ ]*\)$/\1/p" "$work/$i.out"
done | sed "s/'[0-9]*$//" | grep -v '^0x' | awk '!seen[$0]++' >"$work/ran.txt"

# A name the program holds more than once (a file-local helper such as
# read_int) would pull every section that defines it to the front: left out.
nm "$cli" | awk '$2 ~ /^[tTwWi]$/ {print $3}' | sort >"$work/symbols.txt"
uniq -d "$work/symbols.txt" >"$work/ambiguous.txt"
grep -vxF -f "$work/ambiguous.txt" "$work/ran.txt" >"$work/order.txt" || true

# The C library picks one variant of each string function for the processor
# it runs on, and valgrind's processor is not the one users have: each that
# ran is followed by its variants for the processors of the last ten years.
while read -r name; do
  echo "$name"
  if [[ $name =~ ^(__[a-z0-9]+)_(sse2|ssse3|sse4_1|sse4_2|avx|avx2|evex|avx512) ]]; then
    grep "^${BASH_REMATCH[1]}_\(avx2\|evex\|avx512\)" "$work/symbols.txt" || true
  fi
done <"$work/order.txt" | awk '!seen[$0]++' >cli/startup_order.txt
echo "startup_order: $(wc -l <cli/startup_order.txt) functions in cli/startup_order.txt"
