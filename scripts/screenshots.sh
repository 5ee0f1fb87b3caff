#!/usr/bin/env bash
# Takes the pictures of the README (docs/images/*.png): starts every window of wmtool and
# wmview under Xvfb with openbox (so each picture has its title bar), on a temporary copy
# of the built programs and the sample data, drives it by keyboard as a user would and
# saves a PNG of it. Run it again whenever a window changes, and look at the pictures.
#
#   scripts/screenshots.sh            install what is missing, build, take every picture
#   WM_SHOTS_WAIT=2 scripts/...       wait longer after each step (slow machine)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

if [ "${1:-}" != --inside-display ]; then
    . scripts/setup.sh
    wm_setup
    wm_install xvfb xauth openbox xdotool imagemagick
    wm_build
    exec xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" "$0" --inside-display
fi

# ---- inside the virtual display ------------------------------------------------------------

out="$root/docs/images"
work="$(mktemp -d)"
log="$work/programs.log"
wait="${WM_SHOTS_WAIT:-1}"
wm_pid=""
program_pid=""

cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
sleep 2

# The program folder: both programs and the sample data, as the build lays them out.
folder="$work/wendmoor"
mkdir -p "$folder" "$out"
cp -r "$root/build/bin/wmtool" "$root/build/bin/wmview" "$root/build/bin/txtFile" "$folder/"

# The startup options: window size (1 small, 2 large) and start page (1 calculation,
# 2 character data), CR LF as the program writes them.
options() {
    printf '%s\r\n%s\r\n' "$1" "$2" >"$folder/txtFile/Option.txt"
}

start() {
    "$folder/$1" >>"$log" 2>&1 &
    program_pid=$!
}

stop() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

# The id of the visible window whose title contains $1, waiting for it to appear.
window() {
    local id
    if ! id="$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1)" ||
        [ -z "$id" ]; then
        echo "screenshots: no window \"$1\" appeared; the programs said:" >&2
        cat "$log" >&2
        exit 1
    fi
    sleep "$wait"
    echo "$id"
}

focus() {
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    sleep 0.3
}

# Key presses in turn to the focused window; "key*N" presses it N times.
keys() {
    local k n
    for k in "$@"; do
        n=1
        if [[ "$k" == *'*'* ]]; then
            n="${k#*\*}"
            k="${k%\*"$n"}"
        fi
        for ((; n > 0; n--)); do
            xdotool key --clearmodifiers "$k"
            sleep 0.15
        done
    done
    sleep 0.5
}

typed() {
    xdotool type --clearmodifiers --delay 120 "$1"
    sleep 0.3
}

# Saves the window $1 with its title bar as docs/images/$2.png. The pointer waits in the
# far corner of the screen, so no tooltip or hover help shows.
shoot() {
    focus "$1"
    xdotool mousemove 1599 1199
    sleep "$wait"
    import -frame -window "$1" "$work/shot.png"
    convert "$work/shot.png" -strip -colors 256 "PNG8:$out/$2.png"
    echo "docs/images/$2.png"
}

main_calc='仕事技術計算 )'
main_character='キャラデータ )'

# The calculation page: levels 1 to 30 (Enter after the levels reaches 計算開始, Enter
# there calculates), then 剣鍛冶 and ミスリルの細剣 from the lists and 生産回数 (Alt+P).
calculate() {
    focus "$1"
    typed 1
    keys Return
    typed 30
    keys Return Return Return
    sleep "$wait"
    # From the start level, twelve tabs reach the work list.
    keys 'Tab*12' 'Down*13' Return 'Down*8' Return alt+p
}

# The character page: a named character with job, fame, level (high enough for a first
# reincarnation, 71) and status values. The page starts on its first option (能力); Tab
# goes from there to the name, and Enter from each box to the next: 職業, 名声, Lv., ＨＰ,
# ＭＰ, 体力, 敏捷, 知力, 筋力, 幸運, 魅力.
character() {
    focus "$1"
    keys Tab
    typed Ariel
    keys Return 'Down*2' Return
    local value
    for value in 1500 85 1450 620 120 95 88 140 60 75; do
        typed "$value"
        keys Return
    done
}

# ---- startup settings: no options file yet ----
rm -f "$folder/txtFile/Option.txt"
start wmtool
w="$(window '起動設定')"
shoot "$w" settings
stop

# ---- small main window, calculation page; material tree, version, product window ----
options 1 1
start wmtool
main="$(window "$main_calc")"
calculate "$main"
shoot "$main" main-small-calculation
# 表示 (Alt+V), sixth entry: 材料の内訳 of the chosen product and runs.
focus "$main"
keys alt+v 'Down*5' Return
w="$(window '材料の内訳')"
# Three runs: 生産回数 (Alt+R), its text replaced; Enter recalculates.
focus "$w"
keys alt+r ctrl+a
typed 3
keys Return
shoot "$w" material-tree
# 表示 (Alt+V), seventh entry: 育成計画 from the page's work and levels; 工程最少 (Alt+O).
focus "$main"
keys alt+v 'Down*6' Return
w="$(window '育成計画')"
focus "$w"
keys alt+o Down Return
shoot "$w" training-plan
# ヘルプ (Alt+H), first entry: バージョン情報.
focus "$main"
keys alt+h Return
w="$(window 'wmtoolのﾊﾞｰｼﾞｮﾝ情報')"
shoot "$w" version
# リストに追加 (Alt+L) in 材料の内訳: the three swords become the first row of 生産リスト.
focus "$(window '材料の内訳')"
keys alt+l
w="$(window '生産リスト')"
focus "$w"
# A second row: 剣鍛冶 (Alt+W), its second product (Alt+P), 2 runs (Alt+R, Enter adds).
keys alt+w 'Down*13' alt+p 'Down*2' alt+r ctrl+a
typed 2
keys Return
# 4 charcoal held (Alt+H, the name typed; Escape closes the completion; Alt+K, Enter).
keys alt+h
typed 木炭
keys Escape alt+k
typed 4
keys Return
# The weights: 最大重量 (Alt+X) and 現在重量 (Alt+Y).
keys alt+x
typed 1000
keys alt+y
typed 300
shoot "$w" production-list
stop

# ---- the product window in materials mode: 剣鍛冶, ミスリルの細剣 ----
options 1 1
start wmtool
main="$(window "$main_calc")"
focus "$main"
# 表示 (Alt+V), fourth entry: 生産品の追加・修正.
keys alt+v 'Down*3' Return
product="$(window '生産品の追加・修正')"
focus "$product"
keys 'Down*13' Return 'Down*9' Return
shoot "$product" product-materials
stop

# ---- the product window in product mode: 薬調合, 万能薬 and its effects ----
start wmtool
main="$(window "$main_calc")"
focus "$main"
keys alt+v 'Down*3' Return
product="$(window '生産品の追加・修正')"
focus "$product"
# Six tabs back from 生産Ｌｖ reach the mode 生産品; Space chooses it.
keys 'Down*7' Return 'Down*10' Return 'shift+Tab*6' space
shoot "$product" product-products
stop

# ---- large main window, calculation page ----
options 2 1
start wmtool
main="$(window "$main_calc")"
calculate "$main"
shoot "$main" main-large-calculation
stop

# ---- small main window, character page; PC保存, PC表示, reincarnation ----
options 1 2
start wmtool
main="$(window "$main_character")"
character "$main"
shoot "$main" main-small-character
focus "$main"
keys alt+s
# PC保存 asks first: はい(&Y).
w="$(window '保存の確認')"
focus "$w"
keys alt+y
# ... and says where it saved.
w="$(window 'ファイル作成')"
focus "$w"
keys Return
if [ ! -s "$folder/txtFile/PCData.txt" ]; then
    echo "screenshots: PC保存 wrote no character history" >&2
    exit 1
fi
focus "$main"
keys alt+l
w="$(window 'PCデータ表示')"
shoot "$w" character-data
focus "$main"
# 表示 (Alt+V), fifth entry: 転生ステータス表示.
keys alt+v 'Down*4' Return
w="$(window '転生用ステータス表示')"
# The saved character is shown; Enter past name, job and date to 転生回数, then on
# through the values to 計算.
focus "$w"
keys 'Return*3'
typed 1
keys 'Return*10' space
shoot "$w" reincarnation
stop

# ---- large main window, character page ----
options 2 2
start wmtool
main="$(window "$main_character")"
character "$main"
shoot "$main" main-large-character
stop

# ---- wmview: 鉱石掘り, ミスリル鉱石 and where it is gathered ----
start wmview
view="$(window '生産品の簡易表示')"
focus "$view"
keys 'Down*6' Return 'Down*11' Return
shoot "$view" wmview
stop
