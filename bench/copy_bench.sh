#!/usr/bin/env bash
# The copy engine against Wine's xcopy and against cp -a (the machine's floor), in one sitting:
#   small: 40 x 10 x 10 = 4,000 leaf directories (4,440 in all), 5 files of 2 KB in each leaf;
#   large: 20 files of 50 MB.
# Directories only is compared with "xcopy /T /E", a run with files with "xcopy /E" and "cp -a".
# Every Windows program is timed as a whole process (Wine's start-up included, and for ours the
# building of the tree from the source); bench_copy_run.exe also prints the run alone and the CPU
# time of its threads.
#   bench/copy_bench.sh [WORK_DIR]    (default /tmp/pelnix-copy-bench; about 1.2 GB; kept for reruns)
# Needs the 64-bit build: cmake --build build/x64
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$here/../build/x64" && pwd)
work=${1:-/tmp/pelnix-copy-bench}
export PELNIX_WINEPREFIX=$build/wineprefix
wine_run() { "$here/../cmake/wine-run.sh" "$@"; }
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
now() { date +%s.%N; }

mkdir -p "$work"
if [ ! -f "$work/small.done" ]; then
  echo "generating $work/small and $work/large ..."
  rm -rf "$work/small" "$work/large"
  python3 - "$work" <<'EOF'
import os, sys
work = sys.argv[1]
block = os.urandom(2048)
for a in range(40):
    for b in range(10):
        for c in range(10):
            leaf = os.path.join(work, "small", "top%02d" % a, "mid%02d" % b, "leaf%02d" % c)
            os.makedirs(leaf)
            for f in range(5):
                with open(os.path.join(leaf, "file%d.dat" % f), "wb") as out:
                    out.write(block)
os.makedirs(os.path.join(work, "large"))
chunk = os.urandom(1 << 20)
for f in range(20):
    with open(os.path.join(work, "large", "big%02d.bin" % f), "wb") as out:
        for _ in range(50):
            out.write(chunk)
EOF
  touch "$work/small.done"
fi

# Seconds of one command, the destination removed before and after.
timed() {
  local dst=$1
  shift
  rm -rf "$dst"
  sync
  local t0 t1
  t0=$(now)
  "$@" >"$work/last.log" 2>&1 || { cat "$work/last.log"; exit 1; }
  t1=$(now)
  echo "$t1 - $t0" | bc
}
ratio() { echo "scale=2; $1 / $2" | bc; }

ours() { (cd "$build/bench" && wine_run bench_copy_run.exe "$@"); }
xcopy_() { wine_run xcopy "$@"; }
dst=$work/dst
wine_run cmd /c exit >/dev/null 2>&1 || true # prefix ready before anything is timed
t_start=$(timed "$dst" wine_run cmd /c exit)
echo "Wine start-up (cmd /c exit): ${t_start} s"
echo

for set in small large; do
  src=$work/$set
  echo "== $set: $(find "$src" -type d | wc -l) directories, $(find "$src" -type f | wc -l) files, $(du -sh "$src" | cut -f1)"
  if [ $set = small ]; then
    t_ours=$(timed "$dst" ours "$(winpath "$src")" "$(winpath "$dst")" dirs)
    grep -E '^(tree|run)' "$work/last.log"
    t_x=$(timed "$dst" xcopy_ /T /E /I /Q "$(winpath "$src")" "$(winpath "$dst")")
    echo "directories only: ours ${t_ours} s, xcopy /T /E ${t_x} s, ratio $(ratio "$t_ours" "$t_x")"
  fi
  t_ours=$(timed "$dst" ours "$(winpath "$src")" "$(winpath "$dst")" files)
  grep -E '^(tree|run)' "$work/last.log"
  if [ $set = small ]; then
    t_closed=$(timed "$dst" ours "$(winpath "$src")" "$(winpath "$dst")" files --no-expand)
    grep -E '^run' "$work/last.log"
  fi
  t_x=$(timed "$dst" xcopy_ /E /I /Q /Y "$(winpath "$src")" "$(winpath "$dst")")
  t_cp=$(timed "$dst" cp -a "$src" "$dst")
  echo "with files: ours ${t_ours} s, xcopy /E ${t_x} s, cp -a ${t_cp} s;" \
    "ratio to xcopy $(ratio "$t_ours" "$t_x"), to cp -a $(ratio "$t_ours" "$t_cp")"
  if [ $set = small ]; then
    echo "  with the tree kept closed (NoExpandOnCopy 1): ours ${t_closed} s"
  fi
  echo
done
rm -rf "$dst"
