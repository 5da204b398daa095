#!/usr/bin/env bash
# Installs what is missing, builds the assistant and starts it. Pick
# "Simulated unit" in the port list and press Connect to try it without a unit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --app
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Only the program with its translations: no tests, benchmarks or tools.
cmake --build build --target vrn-assistant
exec build/vrn-assistant "$@"
