#!/usr/bin/env bash
# Puts small faults into the code one at a time (the table scripts/mutants.txt), rebuilds
# what the fault's tests need, runs those tests and takes the fault out again. A fault no
# test notices is "missed": a gap in the suite. Not part of ./test.sh: it takes minutes.
#
#   scripts/mutants.sh              every fault in the table
#   scripts/mutants.sh PATTERN      only the faults whose file or old text matches PATTERN
#                                   (grep -E), e.g. 'production' or 'keyfilter|calculation'
#   scripts/mutants.sh --list       the faults, without building or running anything
#
# Needs a configured and built tree in build/ (WM_BUILD_DIR names another). The source
# tree is restored after each fault, also on Ctrl+C; the build tree is brought back in
# line at the end. Exit status 1 when a fault was missed or a fault could not be applied
# or built.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2

table=scripts/mutants.txt
build="${WM_BUILD_DIR:-build}"
list=0
pattern=""
for arg in "$@"; do
    case "$arg" in
    --list) list=1 ;;
    -h | --help)
        sed -n '2,14p' "$0"
        exit 0
        ;;
    *) pattern="$arg" ;;
    esac
done

# The table: blocks of "key: value" lines separated by blank lines; "#" starts a comment.
#   file:  the source file (from the repository root)
#   old:   text that occurs exactly once in it
#   new:   its replacement (the fault)
#   tests: ctest arguments that select the tests meant to catch it (-L LABEL or -R REGEX)
#   equivalent: why the fault changes nothing a player or a file could see; it is listed,
#               not run
files=() olds=() news=() tests=() equivs=()
add_entry() {
    [ -z "$f$o$n$t$e" ] && return
    if [ -z "$f" ] || [ -z "$o" ] || { [ -z "$t" ] && [ -z "$e" ]; }; then
        echo "$table: an entry lacks file, old or tests (near \"$f: $o\")" >&2
        exit 2
    fi
    if [ -z "$pattern" ] || printf '%s\n%s\n' "$f" "$o" | grep -Eq -- "$pattern"; then
        files+=("$f") olds+=("$o") news+=("$n") tests+=("$t") equivs+=("$e")
    fi
}
f="" o="" n="" t="" e=""
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
    "#"*) continue ;;
    "")
        add_entry
        f="" o="" n="" t="" e=""
        continue
        ;;
    esac
    key="${line%%:*}"
    value="${line#*:}"
    value="${value#"${value%%[! ]*}"}" # leading blanks
    case "$key" in
    file) f="$value" ;;
    old) o="$value" ;;
    new) n="$value" ;;
    tests) t="$value" ;;
    equivalent) e="$value" ;;
    *)
        echo "$table: unknown key \"$key\"" >&2
        exit 2
        ;;
    esac
done <"$table"
add_entry

total=${#files[@]}
if [ "$list" -eq 1 ]; then
    for ((i = 0; i < total; i++)); do
        printf '%3d  %s\n     - %s\n     + %s\n     %s\n' "$((i + 1))" "${files[i]}" \
            "${olds[i]}" "${news[i]}" "${equivs[i]:+equivalent: }${equivs[i]:-tests: ${tests[i]}}"
    done
    exit 0
fi
if [ ! -f "$build/CTestTestfile.cmake" ]; then
    echo "No build tree in $build: run ./test.sh (or cmake and a build) first." >&2
    exit 2
fi

# How often the old text occurs in a file; the fault itself.
count_of() { WM_OLD="$2" perl -0777 -ne 'BEGIN { $o = $ENV{WM_OLD} } $c = () = /\Q$o\E/g; print $c' "$1"; }
apply() { WM_OLD="$2" WM_NEW="$3" perl -0777 -pi -e 'BEGIN { $o = $ENV{WM_OLD}; $n = $ENV{WM_NEW} } s/\Q$o\E/$n/' "$1"; }

backup_dir=$(mktemp -d)
mutated=""
restore() {
    if [ -n "$mutated" ]; then
        cp "$backup_dir/original" "$mutated"
        mutated=""
    fi
}
finish() {
    restore
    rm -rf "$backup_dir"
}
trap finish EXIT
trap 'echo; echo "Interrupted: the source tree is restored; build again before using $build."; exit 130' INT TERM

# Build targets are the test programs among the selected tests (scripts and installs are not).
targets_help=$(cmake --build "$build" --target help 2>/dev/null)
targets_of() {
    local name
    ctest --test-dir "$build" -N "$@" | sed -n 's/^ *Test *#[0-9]*: //p' | while read -r name; do
        name="${name%_corpus}"
        if grep -qE "(^|[ .:])$name(:|$| )" <<<"$targets_help"; then echo "$name"; fi
    done
}

caught=0 missed=0 equivalent=0 broken=0
missed_list=() all_targets=()
log="$backup_dir/log"
export QT_QPA_PLATFORM=offscreen
started=$SECONDS
for ((i = 0; i < total; i++)); do
    file="${files[i]}" old="${olds[i]}" new="${news[i]}"
    label=$(printf '[%2d/%d] %s: %s  ->  %s' "$((i + 1))" "$total" "$file" "$old" "$new")
    if [ -n "${equivs[i]}" ]; then
        echo "equivalent $label"
        echo "           (${equivs[i]})"
        equivalent=$((equivalent + 1))
        continue
    fi
    if [ ! -f "$file" ] || [ "$(count_of "$file" "$old")" != 1 ]; then
        echo "NOT APPLIED $label  (the old text is not in the file exactly once)"
        broken=$((broken + 1))
        continue
    fi
    read -ra selection <<<"${tests[i]}"
    mapfile -t targets < <(targets_of "${selection[@]}")
    [ "${#targets[@]}" -eq 0 ] && targets=(all) # tests that are scripts: build everything
    all_targets+=("${targets[@]}")
    cp "$file" "$backup_dir/original"
    mutated="$file"
    apply "$file" "$old" "$new"
    if ! cmake --build "$build" -j 2 --target "${targets[@]}" >"$log" 2>&1; then
        echo "BUILD FAILED $label"
        grep -m 3 -E 'error' "$log" | sed 's/^/           /'
        broken=$((broken + 1))
        restore
        continue
    fi
    if ctest --test-dir "$build" "${selection[@]}" -j 2 --timeout 120 >"$log" 2>&1; then
        echo "MISSED     $label  (${tests[i]})"
        missed=$((missed + 1))
        missed_list+=("$label")
    else
        failed=$(sed -n 's/^\s*[0-9]* - \([^ ]*\) .*/\1/p' "$log" | tr '\n' ' ')
        echo "caught     $label  by ${failed:-ctest}"
        caught=$((caught + 1))
    fi
    restore
done

echo
echo "Bringing $build back in line with the source tree..."
if [ "${#all_targets[@]}" -gt 0 ]; then
    mapfile -t all_targets < <(printf '%s\n' "${all_targets[@]}" | sort -u)
    cmake --build "$build" -j 2 --target "${all_targets[@]}" >"$log" 2>&1 ||
        echo "The rebuild failed: see cmake --build $build"
fi
run=$((caught + missed))
echo "Faults: $total   caught: $caught   missed: $missed   equivalent: $equivalent   not applied or not built: $broken"
[ "$run" -gt 0 ] && echo "Caught $((100 * caught / run))% of the faults that were run, in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s."
for m in "${missed_list[@]}"; do echo "  missed: $m"; done
[ "$missed" -eq 0 ] && [ "$broken" -eq 0 ]
