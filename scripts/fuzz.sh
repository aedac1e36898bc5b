#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each on a copy of its seed corpus.
#   scripts/fuzz.sh [seconds] [target...]   seconds per target, 60 unless given; every target
#                                           unless some are named (wordlist_fuzzer, say)
# Fails when a target finds a crash, a leak, a timeout or a sanitizer report, and prints the input
# that caused it. Nothing is written into the repository but build-fuzz/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))
chosen=("$@")
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds per target]" >&2
    exit 2
fi
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DWORDROW_FUZZ=ON)
# Warnings are errors in CI; locally they only warn.
if [ -n "${CI:-}" ]; then
    flags+=(-DWORDROW_WERROR=ON)
fi

bash "$root/scripts/setup.sh" clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build" ${chosen[@]:+--target "${chosen[@]}"}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/wordrow-fuzz.XXXXXX")
failed=0
# target name, then its corpus folder under tests/fuzz/corpus
for pair in wordlist_fuzzer:wordlist settings_fuzzer:settings import_fuzzer:import; do
    target=${pair%%:*}
    if [ ${#chosen[@]} -gt 0 ] && ! [[ " ${chosen[*]} " == *" $target "* ]]; then
        continue
    fi
    corpus="$scratch/${pair#*:}-corpus"
    artifacts="$scratch/$target-artifacts"
    log="$scratch/$target.log"
    mkdir -p "$artifacts"
    cp -R "$root/tests/fuzz/corpus/${pair#*:}" "$corpus"

    echo "== $target: ${seconds}s"
    status=0
    "$build/tests/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?

    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "$target: ${executions:-?} executions, ${rate:-?} exec/s"
    if [ "$status" -ne 0 ]; then
        failed=1
        echo "$target FAILED (exit $status); its output:"
        grep -v -e '^#[0-9]' -e '^INFO:' "$log" | tail -n 60 || true
        for reproducer in "$artifacts"/*; do
            [ -e "$reproducer" ] || continue
            echo "Reproducer: $reproducer"
            echo "Bytes: $(od -An -v -tx1 "$reproducer" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')"
        done
    fi
done

if [ "$failed" -ne 0 ]; then
    echo "Fuzzing found faults; the inputs and logs are kept in $scratch"
    exit 1
fi
rm -rf "$scratch"
echo "Fuzzing found nothing."
