#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang into build-fuzz/ and runs each in turn on a
# fresh copy of its seed corpus, printing its speed and coverage and whether it crashed.
#   scripts/fuzz.sh [seconds per harness, default 60] [harness...]   (default: every harness)
# A crash, a hang (over 10 s for one input) or running out of memory (2 GiB) fails the script;
# the input is kept under build-fuzz/fuzz/crashes/<harness>/ and the output in
# build-fuzz/fuzz/logs/<harness>.log. TARNWICK_FUZZ_BUILD_DIR picks another build directory.
source "$(dirname "$0")/common.sh"
seconds="${1:-60}"
shift || true
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: $0 [seconds] [harness...]" >&2; exit 2; }
FUZZ_BUILD="${TARNWICK_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"

install_deps
started=$SECONDS
cmake -S "$ROOT" -B "$FUZZ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTARNWICK_FUZZ=ON >/dev/null
# One fuzzer at a time, and at most two compiles: others share this machine.
cmake --build "$FUZZ_BUILD" -j "${TARNWICK_JOBS:-2}"
echo "Built the harnesses in $((SECONDS - started)) s."

out="$FUZZ_BUILD/fuzz"
harnesses=("$@")
if ((${#harnesses[@]} == 0)); then
    for f in "$ROOT"/fuzz/fuzz_*.cpp; do harnesses+=("$(basename "$f" .cpp)"); done
fi

# LeakSanitizer stays on: unlike the tests, the harnesses load no plugins.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
failed=()
summary=()
for h in "${harnesses[@]}"; do
    [[ -x "$out/$h" ]] || { echo "No harness $h in $out" >&2; failed+=("$h"); continue; }
    work="$out/work/$h" crashes="$out/crashes/$h" log="$out/logs/$h.log"
    rm -rf "$work"
    mkdir -p "$work" "$crashes" "$out/logs"
    if [[ -d "$out/corpus/$h" ]]; then cp -r "$out/corpus/$h/." "$work/"; fi
    options=(-max_len=65536 -timeout=10 -rss_limit_mb=2048 -max_total_time="$seconds"
        -print_final_stats=1 -artifact_prefix="$crashes/")
    [[ -f "$out/$h.dict" ]] && options+=(-dict="$out/$h.dict")
    echo "==> $h for $seconds s"
    status=0
    "$out/$h" "${options[@]}" "$work" >"$log" 2>&1 || status=$?

    execs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log")
    speed=$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+)/\1/p' "$log")
    # The last status line holds the coverage reached: edges (cov) and features (ft).
    last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
    cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$last")
    ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$last")
    corpus=$(find "$work" -type f | wc -l)
    if ((status == 0)); then
        verdict="no crash"
    else
        failed+=("$h")
        kept=$(sed -nE 's/.*Test unit written to (.*)$/\1/p' "$log" | tail -1)
        reason=$(grep -m1 -E 'ERROR: (libFuzzer|[A-Za-z]+Sanitizer)|runtime error|fuzz check failed' "$log" || true)
        verdict="CRASHED (exit $status): ${reason:-see $log}; input: ${kept:-none kept}"
        grep -A30 -m1 -E 'ERROR:|runtime error|fuzz check failed' "$log" | head -40 || true
    fi
    line=$(printf '%-20s %9s execs %6s exec/s  cov %5s  ft %6s  corpus %5s  %s' "$h" \
        "${execs:-?}" "${speed:-?}" "${cov:-?}" "${ft:-?}" "$corpus" "$verdict")
    echo "$line"
    summary+=("$line")
done

echo
echo "== fuzzing, $seconds s each =="
printf '  %s\n' "${summary[@]}"
if ((${#failed[@]})); then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "No harness crashed."
