#!/bin/sh
# Builds vrn-screenshots and grabs the window on every page and tab (and with
# an open drop-down list and with the keyboard on a slider), in
# English and Chinese, into docs/window-<lang>-<page>[-<tab>].png.
# Usage: tools/make-screenshots.sh [build dir] [output folder]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-shots"}
out=${2:-"$root/docs"}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVRN_BENCH=OFF
fi
cmake --build "$build" --target vrn-screenshots vrn_translations -j2

# Offscreen draws CJK text through fontconfig (fonts-noto-cjk).
export QT_QPA_PLATFORM=offscreen
for lang in en zh; do
    "$build/vrn-screenshots" "$lang" "$out"
done

# The same window on a screen scaled to 200 %: every picture should be as
# sharp as the text. Three pages are kept as docs/window-2x-<page>.png.
twice=$(mktemp -d)
QT_SCALE_FACTOR=2 "$build/vrn-screenshots" en "$twice" >/dev/null
for page in setup-mount setup-trim advanced-governor; do
    cp "$twice/window-en-$page.png" "$out/window-2x-$page.png"
done
rm -rf "$twice"
