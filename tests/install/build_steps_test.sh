#!/usr/bin/env bash
# Usage: build_steps_test.sh SOURCE_DIR
# What run.sh, test.sh and bench.sh ask CMake to do, with a cmake that only records it:
# a configured build folder is not configured again, and each script builds its targets.
set -euo pipefail
source="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/bin"
cat >"$work/bin/cmake" <<'STUB'
#!/usr/bin/env bash
echo "cmake $*" >>"$WM_CMAKE_LOG"
STUB
chmod +x "$work/bin/cmake"
export PATH="$work/bin:$PATH" WM_CMAKE_LOG="$work/cmake.log"

# shellcheck source=/dev/null
. "$source/scripts/setup.sh"
cd "$work"
WM_BUILD_DIR="$work/build"

wm_build wmtool wmview
grep -q -- "-S . -B $WM_BUILD_DIR" cmake.log || fail "a new build folder is not configured"

mkdir -p "$WM_BUILD_DIR" && touch "$WM_BUILD_DIR/CMakeCache.txt"
: >cmake.log
wm_build wmtool wmview
[ "$(grep -c -- "-S " cmake.log || true)" -eq 0 ] || fail "a configured folder is configured again"
grep -qx "cmake --build $WM_BUILD_DIR -j [0-9]* --target wmtool --target wmview" cmake.log ||
    fail "run.sh's build: $(cat cmake.log)"

# run.sh and its install build the programs only; bench.sh names its own targets.
grep -q '^wm_build wmtool wmview$' "$source/run.sh" || fail "run.sh builds more than the programs"
[ "$(grep -c '^ *wm_build' "$source/run.sh")" -eq 2 ] || fail "run.sh has another build step"
grep -q '^wm_build wmtool bench_wmtool startcompare barewindow floorwindow$' "$source/bench.sh" ||
    fail "bench.sh does not build its benchmarks"
echo PASS
