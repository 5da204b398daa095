#!/usr/bin/env bash
# Installs the Debian 12 packages the assistant needs to build, run and test,
# and to build and check its Debian package (dpkg-dev and file for the
# library dependencies, lintian, desktop-file-utils, appstream).
# qt6-translations-l10n: Qt's own texts in Chinese (qtbase, qtserialport).
# poppler-utils, fonts-droid-fallback and fonts-noto-cjk: the setup sheet's
# tests read its PDF back; its Chinese text is embedded in Droid Sans Fallback
# (whose glyphs copy out of the PDF as the characters typed), bold in Noto.
# clang and libclang-rt-14-dev (libFuzzer, the sanitizers) build the fuzzers
# and clang-format checks the sources' format: the tests need them, the window
# does not.
# Usage: install-deps.sh [--app]   (--app adds what a pilot's desktop session
# and screenshots need: Chinese fonts, Xvfb and ImageMagick, and leaves out
# the fuzzing and format tools)
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n dpkg-dev file lintian desktop-file-utils appstream
          poppler-utils fonts-droid-fallback fonts-noto-cjk)
if [ "${1:-}" = "--app" ]; then
    packages+=(fonts-noto-cjk xvfb x11-apps xdotool imagemagick)
else
    packages+=(clang libclang-rt-14-dev clang-format)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
