#!/usr/bin/env bash
# Proves the README on a new machine: in a minimal Debian 12 root made with
# debootstrap, a fresh clone of the project runs ./test.sh and then ./run.sh
# (under xvfb-run, until the main window appears); the .deb that
# scripts/make_package.sh writes there is then installed in a second clean
# root, without build tools, where vlm-cli analyses a built-in region and vlm
# starts. A machine with leftovers hides a missing install step; this does not.
#
#   sudo scripts/clean_root_check.sh
#
# The minimal root is kept as a tarball in a cache folder outside the
# repository (VLM_CLEAN_ROOT_CACHE, default ~/.cache/velmora-clean-root) and
# unpacked anew for every run; delete the folder to start from nothing. The
# Debian mirror is the one the machine's own apt sources name.
# Prints one line per stage with its time; exits non-zero on the first failure.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
suite=bookworm
cache=${VLM_CLEAN_ROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora-clean-root}
base_tar=$cache/$suite-minbase.tar
work=""
roots=()

log_dir=""
stage_started=0
stage_name=""

begin() {
  stage_name=$1
  stage_started=$(date +%s)
}

# Runs the rest of the line as the current stage; on failure shows the tail of
# its log and stops.
run_stage() {
  local log
  log="$log_dir/$(echo "$stage_name" | tr -c 'a-zA-Z0-9\n' '_').log"
  if "$@" >"$log" 2>&1; then
    printf 'stage %-28s ok      %4d s\n' "$stage_name" $(($(date +%s) - stage_started))
  else
    printf 'stage %-28s FAILED  %4d s\n' "$stage_name" $(($(date +%s) - stage_started))
    echo "---- last lines of $log" >&2
    tail -n 40 "$log" >&2
    exit 1
  fi
}

cleanup() {
  local root
  for root in "${roots[@]}"; do
    umount -R -l "$root/proc" "$root/sys" "$root/dev" 2>/dev/null || true
  done
  if [ -n "$work" ] && [ -z "${VLM_KEEP_ROOT:-}" ]; then
    rm -rf "$work"
  fi
}
trap cleanup EXIT

# The first Debian mirror (not the security archive) that the host's apt
# sources name for the suite, in either source-list format.
host_mirror() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk -v suite="$suite" '
      /^[[:space:]]*$/ { if (uri != "" && ok) { print uri; exit } uri = ""; ok = 0; next }
      /^URIs:/ { uri = $2 }
      /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == suite) ok = 1 }
      END { if (uri != "" && ok) print uri }' "$f"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -E 's/\[[^]]*\]//' "$f" | awk -v suite="$suite" '$1 == "deb" && $3 == suite { print $2 }'
  done
}

host_tools() {
  local missing=()
  command -v debootstrap >/dev/null || missing+=(debootstrap)
  command -v git >/dev/null || missing+=(git)
  if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

make_base() {
  local mirror root
  mirror=$(host_mirror | grep -v -i security | head -n 1)
  [ -n "$mirror" ] || { echo "no Debian mirror for $suite in the host's apt sources"; return 1; }
  echo "mirror: $mirror"
  root=$work/debootstrap
  debootstrap --variant=minbase "$suite" "$root" "$mirror"
  mkdir -p "$cache"
  tar -C "$root" -cf "$base_tar.partial" .
  mv "$base_tar.partial" "$base_tar"
  rm -rf "$root"
}

# A fresh root unpacked from the cached minimal root, with /proc, /sys, /dev
# and the host's name resolution.
new_root() {
  local root=$work/$1
  mkdir -p "$root"
  tar -C "$root" -xf "$base_tar"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
  mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
  mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
  roots+=("$root")
}

# Runs a shell command inside a root as a login shell of root would, with a
# clean environment.
in_root() {
  local root=$work/$1
  shift
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "$*"
}

clone_project() {
  local dest=$work/build/root/velmora
  git clone --quiet --no-local "$repo" "$dest"
  # The tests compare the built-in years with the public weather files they
  # were made from, which live beside the project.
  if [ -d "$repo/../shared/climate" ]; then
    mkdir -p "$work/build/root/shared"
    cp -r "$repo/../shared/climate" "$work/build/root/shared/"
  fi
}

# Starts the desktop program under a virtual display and waits for its main
# window (the splash is smaller and closes by itself), then closes it. The
# waiting is a small script placed in the root, run under xvfb-run.
readonly window_waiter='#!/bin/bash
"$@" >/tmp/vlm.log 2>&1 &
pid=$!
for i in $(seq 1 300); do
  for w in $(xdotool search --onlyvisible --name "^Velmora$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" -gt 600 ]; then
      echo "main window ${WIDTH}x${HEIGHT} after $i s"
      kill "$pid"
      exit 0
    fi
  done
  kill -0 "$pid" 2>/dev/null || { echo "the program ended"; cat /tmp/vlm.log; exit 1; }
  sleep 1
done
echo "no main window within 300 s"; cat /tmp/vlm.log; kill "$pid"; exit 1
'

window_check() {
  local root=$1
  shift
  printf '%s' "$window_waiter" >"$work/$root/usr/local/bin/wait-for-main-window"
  chmod +x "$work/$root/usr/local/bin/wait-for-main-window"
  in_root "$root" "set -e; apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >/dev/null
    xvfb-run -a -s '-screen 0 1280x1024x24' wait-for-main-window $*"
}

install_package() {
  local deb
  deb=$(ls "$work"/build/root/velmora/build/package/velmora_*.deb)
  cp "$deb" "$work/install/root/"
  in_root install "set -e; apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /root/$(basename "$deb")
    dpkg -L velmora"
}

main() {
  [ "$(id -u)" -eq 0 ] || { echo "clean_root_check: run as root (debootstrap and chroot need it)" >&2; exit 1; }
  work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-clean-root.XXXXXX")
  log_dir=$work/logs
  mkdir -p "$log_dir"
  echo "clean_root_check: logs in $log_dir"

  begin "host tools"; run_stage host_tools
  begin "minimal Debian root"
  if [ -f "$base_tar" ]; then
    printf 'stage %-28s cached  %4d s\n' "$stage_name" 0
  else
    run_stage make_base
  fi

  begin "fresh clone"; new_root build; run_stage clone_project
  begin "./test.sh"; run_stage in_root build "cd /root/velmora && ./test.sh"
  begin "./run.sh under xvfb-run"; run_stage window_check build /root/velmora/run.sh
  begin "package"; run_stage in_root build "cd /root/velmora && scripts/make_package.sh"

  begin "install .deb in a clean root"; new_root install; run_stage install_package
  begin "vlm-cli analyse 서울"
  run_stage in_root install "vlm-cli analyse 서울 --from 1/1/0 --to 12/31/23"
  # A drawing command, handed to the helper in the package's private folder.
  begin "vlm-cli chart 서울 (drawing helper)"
  run_stage in_root install "vlm-cli chart 서울 -o /tmp/seoul.png && test -s /tmp/seoul.png"
  begin "vlm under xvfb-run"; run_stage window_check install vlm
  echo "clean_root_check: passed"
}

main "$@"
