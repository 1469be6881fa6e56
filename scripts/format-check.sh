#!/usr/bin/env bash
# Fails when clang-format would change any tracked C++ file, and names those files.
set -euo pipefail
cd "$(dirname "$0")/.."

dirs=(src tests bench tools fuzz)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    patterns=()
    for d in "${dirs[@]}"; do patterns+=("$d/*.cpp" "$d/*.h"); done
    mapfile -t files < <(git ls-files -- "${patterns[@]}")
else
    mapfile -t files < <(find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
fi

echo "$(clang-format --version | head -1): checking ${#files[@]} files"
# One clang-format for all files; it names a file once per place it would change.
status=0
out="$(clang-format --style=file --dry-run --Werror "${files[@]}" 2>&1)" || status=$?
mapfile -t bad < <(sed -nE 's/^(.+):[0-9]+:[0-9]+: (error|warning): code should be clang-formatted.*/\1/p' <<<"$out" | sort -u)
if ((status != 0 && ${#bad[@]} == 0)); then
    echo "$out" >&2
    echo "clang-format failed." >&2
    exit 2
fi

if ((${#bad[@]})); then
    echo "clang-format would change ${#bad[@]} of ${#files[@]} files:"
    printf '  %s\n' "${bad[@]}"
    # Other clang-format versions lay out some constructs differently; CI uses Debian 12's.
    echo "Fix with: clang-format -i <files> (version 14, as CI uses)"
    exit 1
fi
echo "All ${#files[@]} files are formatted."
