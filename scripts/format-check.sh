#!/usr/bin/env bash
# Fails when clang-format would change any tracked C++ file, and names those files.
set -euo pipefail
cd "$(dirname "$0")/.."

dirs=(src tests bench tools)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    patterns=()
    for d in "${dirs[@]}"; do patterns+=("$d/*.cpp" "$d/*.h"); done
    mapfile -t files < <(git ls-files -- "${patterns[@]}")
else
    mapfile -t files < <(find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
fi

echo "$(clang-format --version | head -1): checking ${#files[@]} files"
bad=()
for f in "${files[@]}"; do
    clang-format --style=file "$f" | cmp -s - "$f" || bad+=("$f")
done

if ((${#bad[@]})); then
    echo "clang-format would change ${#bad[@]} of ${#files[@]} files:"
    printf '  %s\n' "${bad[@]}"
    # Other clang-format versions lay out some constructs differently; CI uses Debian 12's.
    echo "Fix with: clang-format -i <files> (version 14, as CI uses)"
    exit 1
fi
echo "All ${#files[@]} files are formatted."
