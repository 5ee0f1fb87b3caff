#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
#   ./test.sh             ordinary build in build/
#   ./test.sh --sanitize  clang build with AddressSanitizer and UndefinedBehaviorSanitizer
#                         in build-sanitize/, plus a regression run of every fuzz target
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

sanitize=0
for arg in "$@"; do
    case "$arg" in
    --sanitize) sanitize=1 ;;
    *)
        echo "Usage: $0 [--sanitize]" >&2
        exit 2
        ;;
    esac
done

if [ "$sanitize" -eq 1 ]; then
    wm_setup_sanitize
    wm_build_sanitize
    cd "$WM_SANITIZE_DIR"
else
    wm_setup
    wm_build
    cd "$WM_BUILD_DIR"
fi
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j 2
