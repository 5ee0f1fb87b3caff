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
    # The folders the install made for the entries and icons, where nothing else is left in
    # them (a menu cache of no entries is nothing).
    if [ -z "$(find "$data_home/applications" -mindepth 1 ! -name mimeinfo.cache 2>/dev/null)" ]; then
        rm -f "$data_home/applications/mimeinfo.cache"
    fi
    local folder
    for folder in "$data_home"/icons/hicolor/{scalable,48x48,128x128,256x256}/apps \
        "$data_home"/icons/hicolor/{scalable,48x48,128x128,256x256} \
        "$data_home/icons/hicolor" "$data_home/icons" "$data_home/applications"; do
        if [ -d "$folder" ]; then rmdir --ignore-fail-on-non-empty "$folder" || true; fi
    done
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
        wm_build wmtool wmview
        cmake --install "$WM_BUILD_DIR" --prefix "$prefix"
        command -v update-desktop-database >/dev/null 2>&1 &&
            update-desktop-database -q "$data_home/applications" 2>/dev/null || true
        echo "Installed into $prefix; the menu entries are Wendmoorツール and 生産品の簡易表示" \
            "(in English: Wendmoor Tool and Wendmoor Product Viewer)."
        exit 0 ;;
    uninstall) uninstall; exit 0 ;;
    *) echo "usage: $0 [wmtool|wmview|install|uninstall]" >&2; exit 2 ;;
esac

# Say so at once instead of letting Qt abort at its platform plugin after the build.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start ./run.sh from a desktop session (over ssh: ssh -X). ./test.sh needs no display." >&2
    exit 1
fi

wm_setup
# Only the two programs: the tests and benchmarks are built by test.sh and bench.sh.
wm_build wmtool wmview
exec "$WM_BUILD_DIR/bin/$program"
