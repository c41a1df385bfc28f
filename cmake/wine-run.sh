#!/usr/bin/env bash
# Runs a Windows program of the 64-bit build under Wine in the build tree's private prefix:
# null graphics driver (real windows, no X server), Japanese code page, Tokyo time.
# Also offers a small real drive Q: (a 16 MiB tmpfs) for tests of a nearly full disk.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${PELNIX_WINEPREFIX:-$PWD/wineprefix}
export WINEDEBUG=-all LANG=ja_JP.UTF-8 TZ=Asia/Tokyo WINEDLLOVERRIDES="mscoree=;mshtml="
unset DISPLAY
"$here/wine-prefix.sh" null
"$here/small-drive.sh" || true
exec wine "$@"
