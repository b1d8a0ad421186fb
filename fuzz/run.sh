#!/usr/bin/env bash
# Builds each fuzz target with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, runs
# it for SECONDS (default 60), then replaces fuzz/corpus/<name>/ by a minimal set covering the old
# corpus and the new finds. Usage: fuzz/run.sh [SECONDS] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
out=build-fuzz
mkdir -p "$out"

# name:source:folders whose *.cpp the target needs
all_targets=(
  "parse_number:fuzz/parse_number_fuzz.cpp:engine"
  "table_text:fuzz/table_text_fuzz.cpp:engine"
  "design:fuzz/design_fuzz.cpp:engine"
  "casefile:fuzz/casefile_fuzz.cpp:engine casefile"
  "markup:fuzz/markup_fuzz.cpp:app/markview/markup.cpp"
  "thermo_data:fuzz/thermo_data_fuzz.cpp:thermo"
  "thermo_lookup:fuzz/thermo_lookup_fuzz.cpp:thermo"
)
wanted=("$@")
status=0

for entry in "${all_targets[@]}"; do
  IFS=: read -r name source folders <<<"$entry"
  if ((${#wanted[@]})) && [[ ! " ${wanted[*]} " == *" $name "* ]]; then continue; fi
  [[ -f $source ]] || continue
  sources=() includes=()
  for f in $folders; do
    if [[ -f $f ]]; then # a single source file of a folder that also holds windowed code
      sources+=("$f")
      includes+=("-I$(dirname "$f")")
    else
      sources+=("$f"/*.cpp)
      includes+=("-I$f")
    fi
  done
  echo "== $name: building"
  clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    "${includes[@]}" "$source" "${sources[@]}" -o "$out/$name"
  corpus=fuzz/corpus/$name
  finds=$out/$name.finds
  mkdir -p "$corpus" "$finds"
  echo "== $name: fuzzing for ${seconds}s"
  # A crash leaves its input as build-fuzz/<name>-crash-*; the other targets still run.
  if ! (cd "$out" && ./"$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$name-" "$name.finds" "../$corpus" >"$name.log" 2>&1); then
    echo "== $name: FAILED, see $out/$name.log and $out/$name-crash-*"
    status=1
  fi
  tail -n 6 "$out/$name.log"
  merged=$out/$name.merged
  rm -rf "$merged" && mkdir -p "$merged"
  # Greedy set cover on edges alone keeps the stored corpus at tens of files.
  "$out/$name" -set_cover_merge=1 -use_counters=0 -max_len=4096 "$merged" "$corpus" "$finds" 2>/dev/null
  rm -rf "$corpus" && mv "$merged" "$corpus"
  echo "== $name: corpus now $(ls "$corpus" | wc -l) files"
done
exit $status
