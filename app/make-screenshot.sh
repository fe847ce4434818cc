#!/bin/sh
# Makes docs/screenshot.png: runs a batch on examples/*.svg in the real
# window on a virtual X display (xvfb-run) and saves the window's picture
# with Qt's own QWidget::grab (the program's hidden --screenshot switch).
# A second shapes.svg from another folder would overwrite the first one's DXF,
# so its row fails and the picture shows that row's tooltip.
# Usage: app/make-screenshot.sh [BUILD_FOLDER]   (default: build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
program="$build/bin/vextora"
[ -x "$program" ] || { echo "make-screenshot: build $program first" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
revision="$scratch/site survey/2026 revision"
mkdir -p "$scratch/out" "$scratch/config" "$scratch/drawings" "$revision"
# Copies, so the picture shows the same short paths wherever the tree is.
cp examples/*.svg examples/*.png "$scratch/drawings/"
cp examples/shapes.svg "$revision/"
# A settings folder of its own, so the user's fill option stays untouched.
XDG_CONFIG_HOME="$scratch/config" xvfb-run -a -s "-screen 0 1024x768x24" \
    "$program" --screenshot docs/screenshot.png "$scratch/out" "$scratch"/drawings/*.svg "$revision/shapes.svg"
echo "docs/screenshot.png written"
