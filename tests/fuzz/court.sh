#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target for a few seconds on a scratch copy of its corpus; fails on the first crash.
set -euo pipefail
bin=$1 corpus=$2 seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for t in base liste infosouris parametres mots journal; do
    mkdir -p "$work/$t"
    cp -r "$corpus/$t/." "$work/$t/" 2>/dev/null || true
    echo "fuzz_$t: ${seconds} s"
    (cd "$work" && "$bin/fuzz_$t" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
        -print_final_stats=0 "$work/$t" 2>"$work/$t.log") || { tail -40 "$work/$t.log"; exit 1; }
    grep -E '^#[0-9]+.*DONE' "$work/$t.log" | tail -1 || true
done
echo "fuzz: no crash"
