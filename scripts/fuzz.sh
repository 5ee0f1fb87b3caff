#!/usr/bin/env bash
# Fuzzes one reader of outside data for a while:
#   scripts/fuzz.sh TARGET SECONDS      e.g. scripts/fuzz.sh fuzz_makedata 600
# Targets: fuzz_filelist fuzz_exptable fuzz_makedata fuzz_joblist fuzz_guild fuzz_options
#          fuzz_history fuzz_textrules
# Builds into build-fuzz (clang, ASan, UBSan, libFuzzer coverage). The seeds in
# tests/fuzz/corpus/TARGET are read, never changed; new inputs go to
# build-fuzz/fuzz-corpus/TARGET and findings to build-fuzz/fuzz-findings/TARGET. A finding
# is replayed with: build-fuzz/tests/fuzz/TARGET FILE
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/setup.sh

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "Usage: $0 TARGET [SECONDS]" >&2
    exit 2
fi
target="$1"
seconds="${2:-60}"
seeds="tests/fuzz/corpus/$target"
if [ ! -d "$seeds" ]; then
    echo "No fuzz target $target (no $seeds)" >&2
    exit 2
fi

wm_setup_sanitize
dir="${WM_FUZZ_DIR:-build-fuzz}"
CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWM_SANITIZE=ON \
    -DWM_FUZZ=ON >/dev/null
cmake --build "$dir" -j 2 --target "$target"
mkdir -p "$dir/fuzz-corpus/$target" "$dir/fuzz-findings/$target"
# The loaders read and write files on every run: keep them in memory where possible.
[ -d /dev/shm ] && export TMPDIR="${TMPDIR:-/dev/shm}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
exec "$dir/tests/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$dir/fuzz-findings/$target/" "$dir/fuzz-corpus/$target" "$seeds"
