#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every source file in src/ and lists what it finds.
# Uses the compile_commands.json of the build in $TARNWICK_BUILD_DIR (default build/) and
# builds it first, since the sources include files the build generates.
# Prints "file:line: check  message" per finding, then a count per check; exits 1 on findings.
source "$(dirname "$0")/common.sh"

if ! command -v clang-tidy >/dev/null; then
    echo "clang-tidy is not installed (Debian: apt-get install clang-tidy)." >&2
    exit 2
fi
build >/dev/null
JOBS="${TARNWICK_JOBS:-$(nproc)}"

RAW="$BUILD/tidy.log"
echo "$(clang-tidy --version | grep -m1 version | sed 's/^ *//'): $JOBS at a time, log in $RAW"
if command -v run-clang-tidy >/dev/null; then
    # Exits non-zero whenever a check fires; the findings are judged below instead.
    run-clang-tidy -quiet -j "$JOBS" -p "$BUILD" "^$ROOT/src/" >"$RAW" 2>&1 || true
else
    mapfile -t sources < <(cd "$ROOT" && find src -name '*.cpp' | sort)
    printf '%s\n' "${sources[@]}" |
        (cd "$ROOT" && xargs -P "$JOBS" -n 4 clang-tidy -quiet -p "$BUILD") >"$RAW" 2>&1 || true
fi

# run-clang-tidy always asks for colours.
sed -i 's/\x1b\[[0-9;]*m//g' "$RAW"
if grep -qE ': error: |terminated by signal' "$RAW"; then
    echo "clang-tidy could not analyse some files:" >&2
    grep -E ': error: |terminated by signal' "$RAW" | sort -u >&2
    exit 2
fi

# One line per finding; a header seen from several files is reported once.
FINDINGS="$BUILD/tidy-findings.txt"
grep -E '^/.*: warning: .* \[[a-z0-9.,-]+\]$' "$RAW" |
    sed -E "s|^$ROOT/||; s|^([^:]+):([0-9]+):[0-9]+: warning: (.*) \[([^]]+)\]$|\1:\2: \4  \3|" |
    sort -u | sort -s -t: -k1,1 -k2,2n >"$FINDINGS" || true

if [[ ! -s "$FINDINGS" ]]; then
    echo "No findings."
    exit 0
fi
cat "$FINDINGS"
echo
echo "$(wc -l <"$FINDINGS") findings by check:"
awk '{print $2}' "$FINDINGS" | sort | uniq -c | sort -rn
exit 1
