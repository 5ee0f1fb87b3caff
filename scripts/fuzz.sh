#!/usr/bin/env bash
# Fuzzes one reader of outside data or rule of the calculator for a while:
#   scripts/fuzz.sh TARGET SECONDS      e.g. scripts/fuzz.sh fuzz_makedata 600
# Targets: the folders of tests/fuzz/corpus (fuzz_filelist fuzz_exptable fuzz_makedata
#          fuzz_joblist fuzz_guild fuzz_options fuzz_history fuzz_textrules fuzz_rules
#          fuzz_products fuzz_writers fuzz_plans)
# Builds into build-fuzz (clang, ASan, UBSan, libFuzzer coverage). The seeds in
# tests/fuzz/corpus/TARGET are read, never changed; new inputs go to
# build-fuzz/fuzz-corpus/TARGET and findings to build-fuzz/fuzz-findings/TARGET. A finding
# is replayed with: build-fuzz/tests/fuzz/TARGET FILE
#
#   scripts/fuzz.sh --coverage [PERCENT]
# Replays every target's seed corpus in a build with line coverage (build-fuzzcov, no
# sanitizers) and prints what share of core's lines they reach together, file by file;
# fails when the total is below PERCENT (85 unless given).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/setup.sh

coverage() {
    local minimum="${1:-85}"
    local dir="${WM_COVERAGE_DIR:-build-fuzzcov}"
    local targets
    targets=$(ls tests/fuzz/corpus)
    wm_setup_sanitize
    # A compiler cache would make the source paths relative, and a header would then count
    # once per folder that includes it.
    export CCACHE_DISABLE=1
    # shellcheck disable=SC2086
    CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWM_FUZZ=ON \
        -DWM_LINE_COVERAGE=ON -DWM_BUILD_BENCHMARKS=OFF >/dev/null
    # shellcheck disable=SC2086
    cmake --build "$dir" -j 2 --target $targets
    rm -rf "$dir/coverage"
    mkdir -p "$dir/coverage"
    [ -d /dev/shm ] && export TMPDIR="${TMPDIR:-/dev/shm}"
    local objects=() target
    for target in $targets; do
        if ! LLVM_PROFILE_FILE="$dir/coverage/$target.profraw" "$dir/tests/fuzz/$target" -runs=0 \
            -artifact_prefix="$dir/coverage/" "tests/fuzz/corpus/$target" >"$dir/coverage/$target.log" 2>&1; then
            cat "$dir/coverage/$target.log" >&2
            echo "$target fails on its seed corpus" >&2
            return 1
        fi
        objects+=(-object "$dir/tests/fuzz/$target")
    done
    llvm-profdata merge -sparse "$dir"/coverage/*.profraw -o "$dir/coverage/all.profdata"
    # The first object is given without -object; only core's own files count.
    llvm-cov report "${objects[@]:1}" -instr-profile="$dir/coverage/all.profdata" \
        -ignore-filename-regex='/(tests|usr|build[^/]*)/' | tee "$dir/coverage/report.txt"
    # A file no target links is missing from the report: it counts as not reached at all.
    local source missing=0
    for source in core/*.cpp; do
        if ! grep -q "^${source#core/} " "$dir/coverage/report.txt"; then
            echo "$source: linked into no fuzz target" >&2
            missing=1
        fi
    done
    [ "$missing" -eq 0 ] || return 1
    awk -v minimum="$minimum" '$1 == "TOTAL" {
        sub("%", "", $10)
        printf "core lines reached by the fuzz corpora: %s %% (at least %s %% wanted)\n", $10, minimum
        exit ($10 + 0 < minimum + 0) }' "$dir/coverage/report.txt"
}

if [ "${1:-}" = "--coverage" ]; then
    coverage "${2:-85}"
    exit
fi

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "Usage: $0 TARGET [SECONDS] | --coverage [PERCENT]" >&2
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
