#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what clang-format makes of it
# under .clang-format, and lists those files with the first lines that differ.
# --fix rewrites them in place instead. Other clang-format versions break
# lines differently, so version 14 (Debian 12's) is the one the check uses.
# Usage: scripts/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."

tool=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$tool" ]; then
    echo "check-format.sh: clang-format not found (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
"$tool" --version | grep -q "version 14\." ||
    echo "check-format.sh: $("$tool" --version) is not version 14; it may disagree with CI" >&2

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' files < <(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0)
fi

if [ "${1:-}" = "--fix" ]; then
    printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$tool" -i --style=file
    exit 0
fi

# One pass in batches: --dry-run names each place that differs.
report=$(printf '%s\0' "${files[@]}" | xargs -0 -n 40 "$tool" --style=file --dry-run 2>&1 || true)
differing=$(grep -o '^[^:]*:[0-9]*:[0-9]*: warning:' <<<"$report" | cut -d: -f1 | sort -u || true)
if [ -n "$differing" ]; then
    head -40 <<<"$report"
    echo "..."
    echo "not formatted:"
    sed 's/^/    /' <<<"$differing"
    echo "$(wc -l <<<"$differing") of ${#files[@]} files differ from .clang-format;" \
         "scripts/check-format.sh --fix formats them"
    exit 1
fi
echo "all ${#files[@]} C++ sources follow .clang-format"
