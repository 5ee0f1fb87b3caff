#!/usr/bin/env bash
# The README's pictures: every picture it shows is in docs/images, and docs/images holds
# exactly the pictures scripts/screenshots.sh takes, so none is missing or left stale.
set -euo pipefail
source_dir="$1"
cd "$source_dir"
status=0

shown="$(grep -o 'docs/images/[A-Za-z0-9_.-]*\.png' README.md | sort -u)"
if [ -z "$shown" ]; then
    echo "README.md shows no picture"
    status=1
fi
for picture in $shown; do
    if [ ! -f "$picture" ]; then
        echo "README.md shows $picture, which does not exist"
        status=1
    elif [ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
        echo "$picture is not a PNG file"
        status=1
    fi
done

taken="$(grep -oE '^shoot "\$[a-z]+" [A-Za-z0-9_-]+$' scripts/screenshots.sh | awk '{print "docs/images/" $3 ".png"}' | sort)"
present="$(find docs/images -name '*.png' | sort)"
if [ "$taken" != "$present" ]; then
    echo "docs/images does not hold exactly the pictures scripts/screenshots.sh takes:"
    diff <(echo "$taken") <(echo "$present") || true
    status=1
fi
exit "$status"
