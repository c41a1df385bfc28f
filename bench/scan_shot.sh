#!/usr/bin/env bash
# Takes the picture of a scan in progress (bench_scan_shot.exe) on a private Xvfb with Wine's X11
# driver and writes it as a PNG.   bench/scan_shot.sh [OUT.png] [seconds before the picture]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-out/scan-status.png}")
seconds=${2:-3}
# The benchmarks are built only when asked for.
. scripts/configure.sh
configure build/x64 cmake/toolchain-x86_64.cmake -DPELNIX_BENCH=ON
cmake --build build/x64 --target bench_scan_shot -j 2 -- --no-print-directory >/dev/null
exe=$PWD/build/x64/bench/bench_scan_shot.exe
mkdir -p "$(dirname "$out")"

export WINEPREFIX=$PWD/build/x64/wineprefix-x11
export WINEDEBUG=-all LANG=ja_JP.UTF-8 TZ=Asia/Tokyo WINEDLLOVERRIDES="mscoree=;mshtml="
exec 7>"$WINEPREFIX.run.lock"
flock -w 1800 7
tmp=$(mktemp -d)
xvfb=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb" ] && kill "$xvfb" >/dev/null 2>&1 && wait "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
Xvfb -displayfd 6 -screen 0 1024x768x24 -nolisten tcp 6>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || { echo "Xvfb could not start" >&2; exit 77; }
export DISPLAY=:$(tr -d '[:space:]' <"$tmp/display")
cmake/wine-prefix.sh x11
wine "$exe" "Z:${tmp//\//\\}\\shot.bmp" "$seconds"
convert "$tmp/shot.bmp" "$out"
echo "$out"
