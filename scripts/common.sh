# Shared by run.sh and test.sh: the repository root and the CMake configure step.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"

# configure BUILD_DIR [cmake options...]
configure() {
  local dir="$1"
  shift
  cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
}
