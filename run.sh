#!/usr/bin/env bash
# Installs what is missing, builds, and starts wmtool (or `./run.sh wmview`) on the
# bundled sample data.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

program="${1:-wmtool}"
case "$program" in
    wmtool|wmview) ;;
    *) echo "usage: $0 [wmtool|wmview]" >&2; exit 2 ;;
esac

wm_setup
wm_build
exec "$WM_BUILD_DIR/bin/$program"
