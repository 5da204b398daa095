#!/usr/bin/env bash
# Builds the Debian package vrn-assistant_<version>-1_<arch>.deb into the
# given folder (default: the source folder). Only the two programs and their
# translations are built: a Release build with Debian's hardening flags.
# Usage: scripts/build-package.sh [output folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root}" && cd "${1:-$root}" && pwd)
build="$root/build-deb"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_INSTALL_PREFIX=/usr -DVRN_TEST_AREAS= -DVRN_BENCH=OFF -DVRN_TOOLS=OFF >/dev/null
cmake --build "$build" -j "${VRN_JOBS:-2}"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/vrn-assistant_*.deb
