#!/usr/bin/env bash
# Installs what is missing, builds, and starts wmtool (or `./run.sh wmview`) on the
# bundled sample data. `./run.sh install` puts both programs with the sample data and menu
# entries into a program folder of the current user; `./run.sh uninstall` takes the
# programs and menu entries away again and leaves the user's files.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

# The program folder of an installation (WM_PREFIX overrides it).
prefix="${WM_PREFIX:-$HOME/.local/share/wendmoor}"
data_home="${XDG_DATA_HOME:-$HOME/.local/share}"

uninstall() {
    local program size
    for program in wmtool wmview; do
        rm -f "$prefix/$program" "$data_home/applications/wendmoor-$program.desktop" \
            "$data_home/icons/hicolor/scalable/apps/wendmoor-$program.svg"
        for size in 48 128 256; do
            rm -f "$data_home/icons/hicolor/${size}x$size/apps/wendmoor-$program.png"
        done
    done
    command -v update-desktop-database >/dev/null 2>&1 &&
        update-desktop-database -q "$data_home/applications" 2>/dev/null || true
    echo "Removed wmtool, wmview and their menu entries."
    if [ -d "$prefix" ]; then
        echo "Your data, options, character history and result files stay in: $prefix"
    fi
}

program="${1:-wmtool}"
case "$program" in
    wmtool|wmview) ;;
    install)
        wm_setup
        wm_build
        cmake --install "$WM_BUILD_DIR" --prefix "$prefix"
        command -v update-desktop-database >/dev/null 2>&1 &&
            update-desktop-database -q "$data_home/applications" 2>/dev/null || true
        echo "Installed into $prefix; the menu entries are Wendmoorツール and 生産品の簡易表示."
        exit 0 ;;
    uninstall) uninstall; exit 0 ;;
    *) echo "usage: $0 [wmtool|wmview|install|uninstall]" >&2; exit 2 ;;
esac

# Say so at once instead of letting Qt abort at its platform plugin after the build.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start ./run.sh from a desktop session, or try it under xvfb-run (xvfb-run ./run.sh)." >&2
    exit 1
fi

wm_setup
wm_build
exec "$WM_BUILD_DIR/bin/$program"
