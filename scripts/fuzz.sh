#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time over its seed corpus and its regression inputs.
# Fails on the first finding; libFuzzer then leaves the input as crash-*/timeout-*/oom-*
# in build/fuzz/findings/<target>/.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   (default 20 s; all five targets;
#   a target is named with or without "fuzz_": data_file or fuzz_data_file)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
targets=("${@#fuzz_}")
[ ${#targets[@]} -eq 0 ] && targets=(data_file evaluator formulas numbers gif)

bash scripts/install-deps.sh   # clang-14 and its sanitizer and libFuzzer runtimes among them
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

passed=0
failed=0
for name in "${targets[@]}"; do
  bin="build/fuzz/fuzz/fuzz_$name"
  seeds="fuzz/corpus/$name"
  regressions="fuzz/regressions/$name"
  findings="build/fuzz/findings/$name"
  work=$(mktemp -d)   # new inputs go here, never into the repository
  mkdir -p "$findings" "$regressions"
  log="build/fuzz/findings/$name.log"
  # Every earlier finding first, one run each: a regression fails at once.
  if compgen -G "$regressions/*" >/dev/null; then
    if ! "$bin" "$regressions"/* >"$log" 2>&1; then
      echo "fuzz_$name: a regression input fails again"; tail -n 30 "$log"; failed=$((failed + 1))
      rm -rf "$work"; continue
    fi
  fi
  if "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$seeds" "$regressions" \
      >"$log" 2>&1; then
    stats=$(grep -E "^#[0-9]+.*(DONE|cov:)" "$log" | tail -n 1)
    echo "fuzz_$name: ok  $stats"
    passed=$((passed + 1))
  else
    echo "fuzz_$name: FINDING (input kept in $findings/)"; tail -n 40 "$log"
    failed=$((failed + 1))
  fi
  rm -rf "$work"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
