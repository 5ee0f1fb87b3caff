#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks on generated largest data:
# the timings of the loaders and windows, then the start comparison with a bare Qt window.
# Usage: ./bench.sh [runs]   (starts of each program in the comparison, 15 when not given)
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

runs="${1:-15}"
wm_setup
wm_build wmtool bench_wmtool startcompare barewindow floorwindow
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cd "$WM_BUILD_DIR"
# The offscreen platform warns about every raise(); those lines are no figures.
bench/bench_wmtool 2>&1 | grep -v -e "does not support" -e "XDG_RUNTIME_DIR"
echo
bench/startcompare bin/wmtool bench/barewindow "$runs"
