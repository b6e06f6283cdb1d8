#!/bin/sh
# Runs one fuzz target briefly: seeds its corpus folder if the target can, then
# fuzzes for LW_FUZZ_SECONDS (default 20).
set -e
target=$1
corpus=$2
mkdir -p "$corpus"
LW_FUZZ_SEED_DIR="$corpus" "$target" -runs=0 "$corpus" >/dev/null 2>&1 || true
exec "$target" -max_total_time="${LW_FUZZ_SECONDS:-20}" -rss_limit_mb=1024 -timeout=10 -print_final_stats=1 "$corpus"
