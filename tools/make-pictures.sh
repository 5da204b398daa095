#!/bin/sh
# Builds vrn-picturetool and regenerates every picture under images/.
# Usage: tools/make-pictures.sh [build dir] [contact sheet.png]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-pics"}
sheet=${2:-}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" --target vrn-picturetool -j2

export QT_QPA_PLATFORM=offscreen
if [ -n "$sheet" ]; then
    "$build/tools/picturetool/vrn-picturetool" "$root/images" --sheet "$sheet"
else
    "$build/tools/picturetool/vrn-picturetool" "$root/images"
fi
