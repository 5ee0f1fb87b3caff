#!/usr/bin/env bash
# Usage: nodisplay_test.sh PROGRAM...
# Without a display each program prints one line that says so and ends with exit code 1.
set -uo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for program in "$@"; do
    name="$(basename "$program")"
    # No display at all, then a display that names no running server.
    for display in "" ":4917"; do
        given=()
        [ -n "$display" ] && given=(DISPLAY="$display")
        env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "${given[@]}" \
            timeout 60 "$program" >"$work/out" 2>"$work/err"
        status=$?
        [ "$status" -eq 1 ] || fail "$name with DISPLAY='$display' ended with $status: $(cat "$work/err")"
        [ ! -s "$work/out" ] || fail "$name wrote to stdout: $(cat "$work/out")"
        [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$name said more than one line: $(cat "$work/err")"
        grep -q "^$name: no display" "$work/err" || fail "$name said: $(cat "$work/err")"
    done
done
echo PASS
