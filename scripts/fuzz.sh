#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzz target (or the ones named) for a
# while, each from a fresh copy of its seed corpus in build/fuzz/work/, so the
# committed corpus never grows. Ends non-zero if any target fails; the input
# that made it fail is kept under build/fuzz/work/<target>/artifacts/.
#
#   scripts/fuzz.sh [seconds per target] [target ...]
#
# KESTRAVE_FUZZ_SEED sets libFuzzer's seed (default 1).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift $(( $# > 0 ? 1 : 0 ))
seed=${KESTRAVE_FUZZ_SEED:-1}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(text_to_number_fuzz satellite_list_fuzz settings_store_fuzz result_text_fuzz
           cli_run_fuzz horizon_file_fuzz satellite_list_file_fuzz)
fi

# Longest input per target: number texts past 4,931 fraction digits, lists and
# stored Data past the reader's 36,000 bytes, tables of a few dozen rows,
# horizon files past their 65,536 bytes.
max_len() {
  case "$1" in
    text_to_number_fuzz) echo 5000 ;;
    satellite_list_fuzz) echo 40000 ;;
    settings_store_fuzz) echo 40124 ;;  # flags, City, X, Y of 1 + 40 bytes each, Data
    result_text_fuzz) echo 8192 ;;
    cli_run_fuzz) echo 1024 ;;  # a few dozen arguments
    horizon_file_fuzz) echo 70000 ;;
    satellite_list_file_fuzz) echo 40000 ;;
    *) echo "unknown fuzz target: $1" >&2; exit 2 ;;
  esac
}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

failed=()
summary=()
for target in "${targets[@]}"; do
  limit=$(max_len "$target")
  work="build/fuzz/work/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp tests/fuzz/corpus/"$target"/* "$work/corpus/"
  # Earlier crash inputs seed the run too; new inputs go to the first folder only.
  inputs=("$work/corpus")
  if [ -d "tests/fuzz/regressions/$target" ]; then
    inputs+=("tests/fuzz/regressions/$target")
  fi

  echo "== fuzzing $target for ${seconds}s (seed $seed) =="
  status=0
  "build/fuzz/bin/$target" -seed="$seed" -max_total_time="$seconds" -max_len="$limit" \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
    "${inputs[@]}" >"$work/log" 2>&1 || status=$?

  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
  summary+=("$(printf '%-22s %12s inputs %10s exec/s' "$target" "${runs:-?}" "${rate:-?}")")
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    tail -n 40 "$work/log"
    echo "$target FAILED (status $status); inputs kept in $work/artifacts/:" >&2
    ls "$work/artifacts/" >&2
    echo "keep each one as tests/fuzz/regressions/$target/<what it shows>" >&2
  fi
done

echo "== fuzzing summary =="
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}" >&2
  exit 1
fi
