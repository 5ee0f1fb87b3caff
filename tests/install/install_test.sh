#!/usr/bin/env bash
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/program folder"
export XDG_DATA_HOME="$work/xdg"
export HOME="$work/home"
mkdir -p "$HOME"

fail() { echo "FAIL: $*" >&2; exit 1; }
install_once() { cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }; }

install_once

# A complete program folder: both programs with the sample data beside them.
for program in wmtool wmview; do
    [ -x "$prefix/$program" ] || fail "$program not installed"
done
( cd "$source/data/txtFile" && find . -type f ) | while read -r file; do
    cmp -s "$source/data/txtFile/$file" "$prefix/txtFile/$file" || fail "txtFile/$file not copied"
done

# Installed without their debugging data and symbols.
for program in wmtool wmview; do
    sections="$(readelf -S -W "$prefix/$program")" || fail "readelf $program"
    ! grep -qE '\.(debug_info|symtab) ' <<<"$sections" || fail "$program is not stripped"
done

# Menu entries and icons in the user's data folder, starting the installed programs.
for program in wmtool wmview; do
    entry="$XDG_DATA_HOME/applications/wendmoor-$program.desktop"
    [ -f "$entry" ] || fail "no menu entry for $program"
    grep -qx "Exec=\"$prefix/$program\"" "$entry" || fail "$entry does not start $prefix/$program"
    grep -qx "Icon=wendmoor-$program" "$entry" || fail "$entry has no icon name"
    [ -f "$XDG_DATA_HOME/icons/hicolor/scalable/apps/wendmoor-$program.svg" ] ||
        fail "no scalable icon for $program"
    [ -f "$XDG_DATA_HOME/icons/hicolor/48x48/apps/wendmoor-$program.png" ] ||
        fail "no 48 px icon for $program"
done
grep -qx "Name\[ja\]=Wendmoorツール" "$XDG_DATA_HOME/applications/wendmoor-wmtool.desktop" ||
    fail "wmtool's Japanese name"
grep -qx "Name\[ja\]=生産品の簡易表示" "$XDG_DATA_HOME/applications/wendmoor-wmview.desktop" ||
    fail "wmview's Japanese name"
grep -q "^Comment\[ja\]=.*採取場所" "$XDG_DATA_HOME/applications/wendmoor-wmview.desktop" ||
    fail "wmview's comment does not say 採取場所"

if command -v desktop-file-validate >/dev/null 2>&1; then
    for program in wmtool wmview; do
        out="$(desktop-file-validate "$XDG_DATA_HOME/applications/wendmoor-$program.desktop" 2>&1)" ||
            fail "desktop-file-validate: $out"
        [ -z "$out" ] || fail "desktop-file-validate warns: $out"
    done
    validated=1
fi

# A second install replaces the programs, keeps the user's files and adds missing ones.
first_data="$(cd "$prefix/txtFile" && find . -type f | sort | head -n 1)"
printf 'edited by the user\r\n' >"$prefix/txtFile/$first_data"
printf '1,1\r\n' >"$prefix/Option.txt"
printf 'result\r\n' >"$prefix/result.txt"
second_data="$(cd "$prefix/txtFile" && find . -type f | sort | tail -n 1)"
rm "$prefix/txtFile/$second_data"
printf 'stale' >"$prefix/wmtool"
install_once
[ "$(cat "$prefix/txtFile/$first_data")" = $'edited by the user\r' ] || fail "edited $first_data replaced"
[ "$(cat "$prefix/Option.txt")" = $'1,1\r' ] || fail "Option.txt replaced"
[ -f "$prefix/result.txt" ] || fail "result file removed"
cmp -s "$source/data/txtFile/$second_data" "$prefix/txtFile/$second_data" ||
    fail "missing $second_data not added again"
[ "$(head -c 5 "$prefix/wmtool")" != stale ] || fail "wmtool not replaced"

# Uninstalling takes the programs and entries away and leaves the user's files.
out="$(WM_PREFIX="$prefix" bash "$source/run.sh" uninstall)"
[ ! -e "$prefix/wmtool" ] && [ ! -e "$prefix/wmview" ] || fail "programs left after uninstall"
[ ! -e "$XDG_DATA_HOME/applications/wendmoor-wmtool.desktop" ] || fail "menu entry left"
[ -f "$prefix/Option.txt" ] && [ -f "$prefix/txtFile/$first_data" ] || fail "user files removed"
grep -qF "$prefix" <<<"$out" || fail "uninstall does not say where the data stays: $out"
# The folders the install created in the user's data folder go too.
[ ! -e "$XDG_DATA_HOME/icons" ] && [ ! -e "$XDG_DATA_HOME/applications" ] ||
    fail "uninstall left folders: $(find "$XDG_DATA_HOME")"

if [ -z "${validated:-}" ]; then
    echo "desktop-file-validate is not installed: the entries were not validated" >&2
    exit 77
fi
echo "PASS"
