#!/usr/bin/env bash
# fuzz-smoke.sh BUILD_DIR [SECONDS]: runs every fuzz target of BUILD_DIR for a
# few seconds, starting from its seed corpus. The seeds are copied first, as
# libFuzzer adds what it finds to its first corpus folder.
set -euo pipefail
build=$1
seconds=${2:-5}
root="$(cd "$(dirname "$0")/.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run() {  # run TARGET SEED_FOLDER
  local target=$1 seeds=$2 exe
  exe=$(find "$build/fuzz" -name "$target" -type f -perm -u+x | head -n1)
  [ -n "$exe" ] || { echo "fuzz: $target was not built"; return 1; }
  mkdir -p "$work/$target"
  cp -r "$seeds"/. "$work/$target"/
  echo "fuzz: $target for ${seconds}s"
  (cd "$work" && "$exe" -max_total_time="$seconds" -print_final_stats=1 "$work/$target" 2>"$work/$target.log") ||
    { cat "$work/$target.log"; return 1; }
  grep -E "stat::number_of_executed_units" "$work/$target.log" || true
}
run fuzz_input_files "$root/fuzz/seeds"
run fuzz_workbook_reader "$root/fuzz/workbook/seeds"
run fuzz_settings_file "$root/fuzz/settings/seeds"
run fuzz_package_run "$root/fuzz/run/seeds"
