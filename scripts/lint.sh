#!/usr/bin/env bash
# Checks the sources as CI does: clang-format finds nothing to change anywhere, and
# clang-tidy (.clang-tidy: bug-prone patterns, needless copies) finds nothing in the
# programs' own code. Uses the compile commands of build/ (configures it if needed).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/setup.sh
wm_install clang-format clang-tidy

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "clang-format: no changes needed"

build="${WM_BUILD_DIR:-build}"
if [ ! -f "$build/compile_commands.json" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
git ls-files 'core/*.cpp' 'ui/*.cpp' 'mainwin/*.cpp' 'datawin/*.cpp' 'auxwin/*.cpp' \
    'tool/*.cpp' 'viewer/*.cpp' 'desktop/*.cpp' |
    xargs -P 2 -n 4 clang-tidy -p "$build" --quiet
echo "clang-tidy: no findings"
