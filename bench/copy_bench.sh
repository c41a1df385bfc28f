#!/usr/bin/env bash
# The copy engine against Wine's xcopy and against cp -a (the machine's floor), in one sitting:
#   small: 40 x 10 x 10 = 4,000 leaf directories (4,440 in all), 5 files of 2 KB in each leaf;
#   large: 20 files of 50 MB.
# Directories only is compared with "xcopy /T /E", a run with files with "xcopy /E", "cp -a" and
# the bare walk (bench_bare_walk.exe: find-first, create each directory, copy each file, nothing
# else). Each TREE given (e.g. a copy of /usr/share/doc) is measured the same way, with files.
# Each command runs ROUNDS times (default 3), interleaved with the others in a turning order, and
# its shortest time counts: the machine is shared, and the others' load only ever adds.
# "ours" is the run itself (ExecuteCopy, as the user starts it on a scanned tree); "process" is
# the whole bench program, with Wine's start-up, the dialog and the building of the tree. The
# Windows programs run under Wine; cp -a is the Linux side's own copy.
#   bench/copy_bench.sh [WORK_DIR [ROUNDS [TREE ...]]]   (default /tmp/pelnix-copy-bench; the trees, 1.2 GB,
#   are kept; each command's copy stays until the end, about 0.3 GB a round plus 3 x each TREE)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# The benchmarks are built only when asked for.
(cd "$here/.." && . scripts/configure.sh && configure build/x64 cmake/toolchain-x86_64.cmake -DPELNIX_BENCH=ON &&
  cmake --build build/x64 --target bench_copy_run bench_bare_walk -j 2 -- --no-print-directory >/dev/null)
build=$(cd "$here/../build/x64" && pwd)
work=${1:-/tmp/pelnix-copy-bench}
rounds=${2:-3}
shift $(($# < 2 ? $# : 2))
trees=("$@")
export PELNIX_WINEPREFIX=$build/wineprefix
wine_run() { "$here/../cmake/wine-run.sh" "$@"; }
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
now() { date +%s.%N; }

mkdir -p "$work"
if [ ! -f "$work/trees.done" ]; then
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
  touch "$work/trees.done"
fi

# Every command writes into a destination of its own, and none is deleted before the end: ext4
# makes a new file slowly while many inodes were deleted within the last minutes, and the order of
# the deletions would decide the figures. The large files' copies go at once (few inodes, much room).
out=$work/out
rm -rf "$out"
mkdir -p "$out"
n_dst=0
next_dst() {
  n_dst=$((n_dst + 1))
  dst=$out/$n_dst
  wdst=$(winpath "$dst")
}
declare -A best most
# Keeps the shortest time of a named measurement: NAME SECONDS
keep() { if [ -z "${best[$1]:-}" ] || [ "$(echo "$2 < ${best[$1]}" | bc)" = 1 ]; then best[$1]=$2; fi; }
# Times one command into a fresh destination: NAME COMMAND...
timed() {
  local name=$1
  shift
  sync
  local t0 t1
  t0=$(now)
  "$@" >"$work/last.log" 2>&1 || { cat "$work/last.log"; exit 1; }
  t1=$(now)
  keep "$name" "$(echo "$t1 - $t0" | bc)"
}
run_ours() { (cd "$ours_build/bench" && wine_run bench_copy_run.exe "$@"); }
# The bare walk's own time, as ours is the run's own: neither counts Wine's start-up.
bare() {
  timed "$1.process" wine_run "$build/bench/bench_bare_walk.exe" "$2" "$3"
  keep "$1" "$(sed -nE 's/^run \(bare walk\): wall ([0-9.]+) s.*/\1/p' "$work/last.log")"
}
# Our bench program: also keeps the run's own time and its threads' CPU times.
ours_build=$build
ours() {
  local name=$1
  shift
  timed "$name.process" run_ours "$@"
  local line
  line=$(grep '^run ' "$work/last.log")
  keep "$name" "$(sed -E 's/.*wall ([0-9.]+) s.*/\1/' <<<"$line")"
  keep "$name.ui" "$(sed -E 's/.*user-interface thread ([0-9.]+) s.*/\1/' <<<"$line")"
  keep "$name.worker" "$(sed -E 's/.*(worker|other threads) ([0-9.]+) s.*/\2/' <<<"$line")"
  # The interface thread's share of the run's time: the largest of the rounds counts.
  local share
  share=$(sed -E 's/.*wall ([0-9.]+) s, CPU of the user-interface thread ([0-9.]+) s.*/scale=3; \2 \/ \1/' <<<"$line" | bc)
  if [ -z "${most[$name]:-}" ] || [ "$(echo "$share > ${most[$name]}" | bc)" = 1 ]; then most[$name]=$share; fi
}
ratio() { echo "scale=2; $1 / $2" | bc; }

wine_run cmd /c exit >/dev/null 2>&1 || true # the prefix is ready before anything is timed
small=$(winpath "$work/small")
large=$(winpath "$work/large")
# Runs the named steps in an order that turns with the round, so that no program always
# follows the same one (a program that follows a large write can find the disk still busy).
in_turn() {
  local round=$1
  shift
  local steps=("$@") n=$#
  for ((i = 0; i < n; i++)); do
    next_dst
    "${steps[$(((i + round) % n))]}"
  done
}
s_dirs() { ours dirs "$small" "$wdst" dirs; }
s_xcopy_dirs() { timed xcopy_dirs wine_run xcopy /T /E /I /Q "$small" "$wdst"; }
s_files() { ours files "$small" "$wdst" files; }
s_files_closed() { ours files_closed "$small" "$wdst" files --no-expand; }
s_xcopy_files() { timed xcopy_files wine_run xcopy /E /I /Q /Y "$small" "$wdst"; }
s_cp_files() { timed cp_files cp -a "$work/small" "$dst"; }
s_bare_files() { bare bare_files "$small" "$wdst"; }
s_large() { ours large "$large" "$wdst" files && rm -rf "$dst"; }
s_xcopy_large() { timed xcopy_large wine_run xcopy /E /I /Q /Y "$large" "$wdst" && rm -rf "$dst"; }
s_cp_large() { timed cp_large cp -a "$work/large" "$dst" && rm -rf "$dst"; }
# PELNIX_BENCH_BEFORE=BUILD_DIR (a build tree of an earlier version with its bench programs built)
# runs that version's program beside ours on the small tree and on each TREE, with files.
before=${PELNIX_BENCH_BEFORE:-}
before_ours() {
  [ -n "$before" ] || return 0
  ours_build=$before
  ours "$@"
  ours_build=$build
}
s_before_files() { before_ours before_files "$small" "$wdst" files; }
for round in $(seq "$rounds"); do
  echo "round $round of $rounds ..."
  timed wine wine_run cmd /c exit
  in_turn "$round" s_dirs s_xcopy_dirs
  in_turn "$round" s_files s_files_closed s_xcopy_files s_cp_files s_bare_files s_before_files
  in_turn "$round" s_large s_xcopy_large s_cp_large
  for t in "${!trees[@]}"; do
    src=${trees[$t]}
    wsrc=$(winpath "$(cd "$src" && pwd)")
    eval "t_ours() { ours tree$t '$wsrc' \"\$wdst\" files; }"
    eval "t_xcopy() { timed tree$t.xcopy wine_run xcopy /E /I /Q /Y '$wsrc' \"\$wdst\"; }"
    eval "t_cp() { timed tree$t.cp cp -a '$src' \"\$dst\"; }"
    eval "t_bare() { bare tree$t.bare '$wsrc' \"\$wdst\"; }"
    eval "t_before() { before_ours tree$t.before '$wsrc' \"\$wdst\" files; }"
    in_turn "$round" t_ours t_xcopy t_cp t_bare t_before
  done
done
rm -rf "$out"

b() { printf '%.2f' "${best[$1]}"; }
m() { printf '%.2f' "${most[$1]}"; }
echo
echo "Shortest of $rounds rounds, in seconds (Wine's own start-up: $(b wine) s)."
echo "small tree: $(find "$work/small" -type d | wc -l) directories, $(find "$work/small" -type f | wc -l) files"
echo "  directories only: ours $(b dirs) (process $(b dirs.process), UI thread CPU $(b dirs.ui));" \
  "xcopy /T /E $(b xcopy_dirs); ours/xcopy $(ratio "${best[dirs]}" "${best[xcopy_dirs]}")"
echo "  with files, tree following the copy: ours $(b files) (process $(b files.process)," \
  "CPU: UI thread $(b files.ui) (at most $(m files) of the run), other threads $(b files.worker))"
echo "  with files, tree kept closed: ours $(b files_closed) (process $(b files_closed.process)," \
  "CPU: UI thread $(b files_closed.ui) (at most $(m files_closed)), other threads $(b files_closed.worker))"
echo "  xcopy /E $(b xcopy_files), cp -a $(b cp_files); ours/xcopy $(ratio "${best[files]}" "${best[xcopy_files]}")" \
  "(closed $(ratio "${best[files_closed]}" "${best[xcopy_files]}")), ours/cp -a $(ratio "${best[files]}" "${best[cp_files]}")"
echo "  bare walk $(b bare_files); ours/bare walk $(ratio "${best[files]}" "${best[bare_files]}")"
if [ -n "$before" ]; then
  echo "  before: $(b before_files) (CPU: UI thread $(b before_files.ui) (at most $(m before_files) of the run));" \
    "before/xcopy $(ratio "${best[before_files]}" "${best[xcopy_files]}"), before/bare walk $(ratio "${best[before_files]}" "${best[bare_files]}")"
fi
echo "large files: 20 x 50 MB"
echo "  ours $(b large) (process $(b large.process), CPU: UI thread $(b large.ui), other threads $(b large.worker));" \
  "xcopy /E $(b xcopy_large), cp -a $(b cp_large)"
echo "  ours/xcopy $(ratio "${best[large]}" "${best[xcopy_large]}"), ours/cp -a $(ratio "${best[large]}" "${best[cp_large]}")"
for t in "${!trees[@]}"; do
  src=${trees[$t]}
  echo "$src: $(find "$src" -type d | wc -l) directories, $(find "$src" -type f | wc -l) files, $(du -sh "$src" | cut -f1)"
  echo "  with files, tree following the copy: ours $(b tree$t) (CPU: UI thread $(b tree$t.ui) (at most $(m tree$t) of the run), other threads $(b tree$t.worker));" \
    "xcopy /E $(b tree$t.xcopy), bare walk $(b tree$t.bare), cp -a $(b tree$t.cp)"
  echo "  ours/xcopy $(ratio "${best[tree$t]}" "${best[tree$t.xcopy]}"), ours/bare walk $(ratio "${best[tree$t]}" "${best[tree$t.bare]}")"
  if [ -n "$before" ]; then
    echo "  before: $(b tree$t.before) (CPU: UI thread $(b tree$t.before.ui) (at most $(m tree$t.before) of the run));" \
      "before/xcopy $(ratio "${best[tree$t.before]}" "${best[tree$t.xcopy]}"), before/bare walk $(ratio "${best[tree$t.before]}" "${best[tree$t.bare]}")"
  fi
done
