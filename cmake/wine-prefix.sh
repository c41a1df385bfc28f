#!/usr/bin/env bash
# Creates $WINEPREFIX once (safe when several runs start together).
# Argument: "null" for the headless graphics driver, "x11" for screenshots.
set -euo pipefail
driver=${1:-null}
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.pelnix-ready" ]; then
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
  wineboot -i >/dev/null 2>&1 || true
  if [ "$driver" = null ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  fi
  # The display's DPI, read when the wineserver starts: a prefix of its own for each value.
  if [ -n "${PELNIX_LOGPIXELS:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$PELNIX_LOGPIXELS" /f >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
      /t REG_DWORD /d "$PELNIX_LOGPIXELS" /f >/dev/null 2>&1
  fi
  wineserver -w || true
  touch "$WINEPREFIX/.pelnix-ready"
fi
# Caption buttons are drawn with the Marlett symbol font. fonts-wine ships it, but this Wine does
# not load fonts from that directory: without the entry the buttons show as the letters "0 1 r".
if [ ! -f "$WINEPREFIX/.pelnix-marlett" ]; then
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
  for marlett in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
    if [ -f "$marlett" ]; then
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /v 'Marlett (TrueType)' \
        /d "Z:${marlett//\//\\}" /f >/dev/null 2>&1
      wineserver -w || true
      break
    fi
  done
  touch "$WINEPREFIX/.pelnix-marlett"
fi
