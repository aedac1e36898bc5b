#!/usr/bin/env bash
# Starts a PostgreSQL server of our own, as scripts/test.sh does, and times the class record over
# it: 30 computers x 500 rounds sent, and the class view opened over them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tests"
cmake --build "$build" --target wordrow_class_record_bench
source "$root/scripts/class-server.sh"
trap stop_class_server EXIT
start_class_server
"$build/bench/classrecord/wordrow_class_record_bench"
