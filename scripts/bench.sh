#!/usr/bin/env bash
# Builds and runs the benchmarks, then prints how loading a list compares with reading its bytes
# twice. Figures from a shared machine wander; compare the ratios of one run.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWORDROW_BENCH=ON \
      -DBUILD_TESTING=OFF
cmake --build "$build" --target wordrow_bench

json="$build/bench.json"
"$build/bench/wordrow_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json

python3 - "$json" <<'PY'
import json, sys
runs = {b["name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
for arg, label in (("0", "default list (463 words)"), ("1", "32,767 words")):
    load = runs[f"BM_LoadWordList/{arg}_median"]
    base = runs[f"BM_ReadBytesTwice/{arg}_median"]
    print(f"{label}: load {load:,.0f} ns, read twice {base:,.0f} ns, ratio {load / base:.2f}")
PY
