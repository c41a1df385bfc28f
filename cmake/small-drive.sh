#!/usr/bin/env bash
# Links a 16 MiB tmpfs as drive Q: of $WINEPREFIX. Where mounting is not permitted, writes the
# reason to $WINEPREFIX/small-drive-unavailable.txt so that the tests that need it report themselves skipped.
set -u
# Outside the build tree, so that removing the build never runs into a mount.
mnt="/tmp/pelnix-smalldrive-$(printf %s "$WINEPREFIX" | md5sum | cut -c1-12)"
reason="$WINEPREFIX/small-drive-unavailable.txt"
exec 8>"$mnt.lock"
flock 8
if ! mountpoint -q "$mnt" 2>/dev/null; then
  mkdir -p "$mnt"
  if ! err=$(mount -t tmpfs -o size=16m,mode=0777 tmpfs "$mnt" 2>&1); then
    echo "cannot mount a tmpfs for drive Q: ($err)" >"$reason"
    rm -f "$WINEPREFIX/dosdevices/q:"
    exit 1
  fi
fi
rm -f "$reason"
touch "$mnt/pelnix-small-drive"
ln -sfn "$mnt" "$WINEPREFIX/dosdevices/q:"
