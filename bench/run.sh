#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench, -DZORVEK_BENCH=ON) and runs them with repetitions,
# reporting medians (engine and column analysis); then times zorvek-cli --json as a whole process.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORVEK_BENCH=ON -DZORVEK_ENGINE_ONLY=ON >/dev/null
cmake --build build-bench --target engine_bench analysis_bench zorvek-cli -j 2
for bench in engine_bench analysis_bench; do
  build-bench/bench/$bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 "$@"
done

cli=build-bench/app/zorvek-cli
echo "== one zorvek-cli --json process"
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 10 --runs 200 "$cli --json"
else
  runs=200
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$cli" --json >/dev/null; done
  end=$(date +%s%N)
  echo "mean of $runs runs: $(( (end - start) / runs / 1000 )) us per process"
fi
