#!/usr/bin/env bash
# Runs the user's-eye driver against Pelnix.exe on a private Xvfb with Wine's X11 driver, then turns
# the driver's BMP screenshots into PNG files and prints their paths.
#   e2e-run.sh DRIVER.exe PELNIX.exe OUTDIR [driver options...]
# Exit code: the driver's; 77 (skipped) where no X server can be started.
# PELNIX_E2E_DESKTOP=WxH sizes the X screen and Wine's desktop on it (1024x768 when unset).
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ $# -ge 3 ] || { echo "usage: $0 DRIVER.exe PELNIX.exe OUTDIR [driver options...]" >&2; exit 2; }
driver=$(realpath "$1") pelnix=$(realpath "$2") out=$3
shift 3

command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed"; exit 77; }
mkdir -p "$out" && out=$(cd "$out" && pwd)

# Its own prefix with the X11 driver, beside the build's headless one.
export WINEPREFIX=${PELNIX_WINEPREFIX_X11:-$(dirname "$pelnix")/wineprefix-x11}
export WINEDEBUG=-all LANG=ja_JP.UTF-8 TZ=Asia/Tokyo WINEDLLOVERRIDES="mscoree=;mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"
# One run at a time per prefix: the end of a run stops the prefix's wineserver.
exec 7>"$WINEPREFIX.run.lock"
flock -w 1800 7 || { echo "another run kept $WINEPREFIX busy for 30 minutes" >&2; exit 1; }

tmp=$(mktemp -d)
xvfb=""
cleanup() {
  wineserver -k >/dev/null 2>&1
  timeout 20 wineserver -w >/dev/null 2>&1
  [ -n "$xvfb" ] && kill "$xvfb" >/dev/null 2>&1 && wait "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts connections.
desktop=${PELNIX_E2E_DESKTOP:-1024x768}
[[ $desktop =~ ^[0-9]+x[0-9]+$ ]] || { echo "PELNIX_E2E_DESKTOP wants WIDTHxHEIGHT, not $desktop" >&2; exit 2; }
Xvfb -displayfd 6 -screen 0 "${desktop}x24" -nolisten tcp 6>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$tmp/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
  echo "skipped: Xvfb could not start: $(tail -n 3 "$tmp/xvfb.log" | tr '\n' ' ')"
  exit 77
fi
export DISPLAY=:$(tr -d '[:space:]' <"$tmp/display")
"$here/wine-prefix.sh" x11

winpath() { printf 'Z:%s' "${1//\//\\}"; }
touch "$tmp/start"
wine "$driver" --pelnix="$(winpath "$pelnix")" --out="$(winpath "$out")" --desktop="$desktop" "$@"
rc=$?

# Screenshots of this run, oldest first.
while IFS= read -r bmp; do
  png=${bmp%.bmp}.png
  if convert "$bmp" "$png"; then
    rm -f "$bmp"
    echo "$png"
  else
    echo "cannot convert $bmp" >&2
    rc=1
  fi
done < <(find "$out" -maxdepth 1 -name '*.bmp' -newer "$tmp/start" -printf '%T@ %p\n' | sort -n | cut -d' ' -f2-)
# Other files the run kept (the demo's error log).
find "$out" -maxdepth 1 -type f ! -name '*.png' ! -name '*.bmp' -newer "$tmp/start"
exit $rc
