#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The quick check before a commit: the sources' format and licence lines, then the Debug build and its tests. The real-window tests
# (label e2e), the sanitizer build, the package and the fuzzing are left to scripts/test.sh, the full suite.
# Usage: scripts/check.sh [--format-only] [ctest arguments, e.g. -R TestCommandLine]
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 2

# Lists our sources (not the code of others under third_party) that differ from .clang-format's layout, with the number of places in each.
format_check()
{
    local files unformatted
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        mapfile -t files < <(git ls-files '*.cpp' '*.h' ':!third_party/astronomy')
    else
        mapfile -t files < <(find . \( -path ./build -o -path ./third_party/astronomy \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
    fi
    unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' |
        uniq -c)
    if [ -n "$unformatted" ]; then
        echo "not formatted (fix with clang-format -i <file>):"
        echo "$unformatted"
        return 1
    fi
    echo "${#files[@]} sources formatted"
}

# Lists the sources without the licence line at their top (after a shebang).
licence_check()
{
    local files missing
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' \
            ':!third_party/astronomy')
    else
        mapfile -t files < <(find . \( -path ./build -o -path ./third_party/astronomy \) -prune -o \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o \
            -name '*.py' -o -name '*.cmake' -o -name CMakeLists.txt \) -print)
    fi
    missing=$(for file in "${files[@]}"; do
        head -2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
    done)
    if [ -n "$missing" ]; then
        echo "no licence line (add '// SPDX-License-Identifier: GPL-3.0-or-later', '#' in scripts, at the top):"
        echo "$missing"
        return 1
    fi
    echo "${#files[@]} sources licensed"
}

if [ "${1:-}" == "--format-only" ]; then
    status=0
    format_check || status=1
    licence_check || status=1
    exit "$status"
fi

status=0
format_check || status=1
licence_check || status=1
if cmake --preset dev >/dev/null && cmake --build --preset dev; then
    ctest --preset dev -LE e2e "$@" || status=1
else
    echo "build of dev failed"
    status=1
fi
[ "$status" -eq 0 ] && echo "check passed" || echo "check FAILED"
exit "$status"
