#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

wm_setup
wm_build
export QT_QPA_PLATFORM=offscreen
cd "$WM_BUILD_DIR"
ctest --output-on-failure -j 2
