# Sourced by the scripts: configure BUILD_DIR TOOLCHAIN [cmake options...]
# The toolchain is given only when the build tree is new (CMake ignores it afterwards and says so).
configure() {
  local dir=$1 toolchain=$2
  shift 2
  if [ -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "$@" >/dev/null
  else
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@" >/dev/null
  fi
}
