# Shared by run.sh and test.sh: installs what is missing and builds.
# Usage: source scripts/setup.sh; wm_setup [extra packages...]; wm_build
#        or wm_setup_sanitize; wm_build_sanitize for the sanitizer build

wm_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Need root (or sudo) to install: $*" >&2
        return 1
    fi
}

wm_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# Installs the given Debian packages that are not installed yet.
wm_install() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        wm_installed "$pkg" || missing+=("$pkg")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    wm_root apt-get update -q
    wm_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

wm_setup() {
    # qt6-wayland: the programs run natively on Wayland desktops as well as on X11.
    # desktop-file-utils: the tests validate the menu entries.
    wm_install g++ make cmake qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev fontconfig \
        desktop-file-utils "$@"
    # The windows are Japanese and made for Noto Sans CJK JP and its monospaced face: the
    # programs prefer them and the tests check for them, so layouts are tested as users
    # see them. Another Japanese font already installed does not take their place.
    if [ -z "$(fc-list 'Noto Sans CJK JP' 2>/dev/null)" ] ||
        [ -z "$(fc-list 'Noto Sans Mono CJK JP' 2>/dev/null)" ]; then
        wm_install fonts-noto-cjk
    fi
}

WM_BUILD_DIR="${WM_BUILD_DIR:-build}"

# Builds the given targets (everything but the benchmarks when none are given). A build folder
# that is configured already is not configured again: the build re-runs CMake by itself
# when a CMakeLists.txt changed.
wm_build() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    if [ ! -f "$WM_BUILD_DIR/CMakeCache.txt" ]; then
        cmake -S . -B "$WM_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWM_WERROR="$werror"
    fi
    local targets=()
    local target
    for target in "$@"; do
        targets+=(--target "$target")
    done
    cmake --build "$WM_BUILD_DIR" -j "$(wm_jobs)" "${targets[@]}"
}

# As many compile jobs as processors (at least 2).
wm_jobs() {
    local cpus
    cpus="$(nproc 2>/dev/null || echo 2)"
    [ "$cpus" -ge 2 ] 2>/dev/null || cpus=2
    echo "$cpus"
}

WM_SANITIZE_DIR="${WM_SANITIZE_DIR:-build-sanitize}"

# clang with its runtime (ASan, UBSan, libFuzzer); Debian 12 names the runtime
# libclang-rt-14-dev, later releases libclang-rt-dev.
wm_setup_sanitize() {
    wm_setup clang
    if ! wm_installed libclang-rt-dev && ! wm_installed libclang-rt-14-dev; then
        if apt-cache show libclang-rt-dev >/dev/null 2>&1; then
            wm_install libclang-rt-dev
        else
            wm_install libclang-rt-14-dev
        fi
    fi
}

wm_build_sanitize() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    CC=clang CXX=clang++ cmake -S . -B "$WM_SANITIZE_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DWM_WERROR="$werror" -DWM_SANITIZE=ON -DWM_BUILD_BENCHMARKS=OFF
    cmake --build "$WM_SANITIZE_DIR" -j 2
}
