#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Throughput and peak memory of kavrel-calc --batch, one kind of problem per batch.
#   bench/batch_throughput.sh [KAVREL-CALC] [LINES] [RUNS]
# Use a Release build (./scripts/run makes build-release/dist/kavrel-calc). Each kind runs once
# with LINES / 10 problems and RUNS times (3) with LINES (100,000): the peak resident set must
# not grow with the length. Problems per second are counted on the process's own CPU time (user
# + system) of its fastest run, which other work on the machine inflates least.
set -eu

calc=${1:-build-release/dist/kavrel-calc}
lines=${2:-100000}
runs=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# problem KIND: the awk expression of line i (from 1) of a batch of that kind.
problem() {
    case $1 in
    compound-interest) echo '"{\"form\": \"compound-interest\", \"fields\": {\"number-of-periods\": \"" 1 + i % 400 "\", \"annual-rate\": \"8\", \"present-value\": \"1000\"}}"' ;;
    loan | lease) echo '"{\"form\": \"'"$1"'\", \"fields\": {\"number-of-payments\": \"" 12 + i % 349 "\", \"annual-rate\": \"7\", \"present-value\": \"20000\"}}"' ;;
    save | sinking-fund) echo '"{\"form\": \"'"$1"'\", \"fields\": {\"number-of-payments\": \"" 12 + i % 349 "\", \"annual-rate\": \"5\", \"future-value\": \"10000\"}}"' ;;
    simple-interest) echo '"{\"form\": \"simple-interest\", \"today\": \"6/15/2024\", \"fields\": {\"end-date\": \"12/" 1 + i % 28 "/2024\", \"annual-rate\": \"6\", \"present-value\": \"1000\"}}"' ;;
    date-arithmetic) echo '"{\"form\": \"date-arithmetic\", \"fields\": {\"add-days.date\": \"6/15/2024\", \"add-days.days\": \"" i % 5000 "\", \"add-months.date\": \"1/31/2024\", \"add-months.months\": \"13\", \"days-between.first-date\": \"1/1/2000\", \"days-between.second-date\": \"6/15/2024\", \"months-between.first-date\": \"1/1/2000\", \"months-between.second-date\": \"6/15/2024\", \"weekday.date\": \"6/" 1 + i % 28 "/2024\"}}"' ;;
    loan-amortization-360) echo '"{\"form\": \"loan-amortization\", \"today\": \"6/15/2024\", \"fields\": {\"number-of-payments\": \"360\", \"annual-rate\": \"" 5 + i % 4 "\", \"loan-principal\": \"200000\"}}"' ;;
    bond-yield-20-years) echo '"{\"form\": \"corporate-bond\", \"today\": \"6/15/2024\", \"fields\": {\"coupon-rate\": \"6\", \"maturity-date\": \"6/15/2044\", \"present-value\": \"" 900 + i % 200 "\"}}"' ;;
    discounted-cash-flow-120) echo '"{\"form\": \"discounted-cash-flow\", \"fields\": {\"cash-flows-per-year\": \"12\", \"cash-flows-in\": \"10000 0" flows "\", \"discount-rate\": \"" 1 + i % 20 "\"}}"' ;;
    esac
}

# batch KIND COUNT RUNS: runs COUNT problems RUNS times; prints "CPU-SECONDS PEAK-KB", the
# least CPU time and the largest peak.
batch() {
    awk -v n="$2" 'BEGIN { for (k = 1; k < 120; ++k) flows = flows "\\n0 150";
                           for (i = 1; i <= n; ++i) print '"$(problem "$1")"' }' >"$work/in"
    : >"$work/times"
    run=0
    while [ $run -lt "$3" ]; do
        /usr/bin/time -f '%U %S %M' -a -o "$work/times" "$calc" --batch <"$work/in" >"$work/out"
        run=$((run + 1))
    done
    answered=$(grep -c '"exit":0' "$work/out" || true)
    if [ "$answered" -ne "$2" ]; then
        echo "$1: only $answered of $2 problems solved; the first other answer:" >&2
        grep -m1 -v '"exit":0' "$work/out" | cut -c1-300 >&2
        exit 1
    fi
    awk 'NR == 1 || $1 + $2 < t { t = $1 + $2 } $3 > m { m = $3 } END { print t, m }' "$work/times"
}

printf '%-24s %8s %12s %9s %14s %14s\n' problem lines cpu-seconds goal/s problems/s "peak-RSS(KB)"
for kind in compound-interest loan lease save sinking-fund simple-interest date-arithmetic \
    loan-amortization-360 bond-yield-20-years discounted-cash-flow-120; do
    case $kind in *-360 | *-20-years | *-120) goal=2000 ;; *) goal=50000 ;; esac
    set -- $(batch "$kind" $((lines / 10)) 1)
    short_rss=$2
    set -- $(batch "$kind" "$lines" "$runs")
    awk -v k="$kind" -v n="$lines" -v t="$1" -v g="$goal" -v r="$2" -v s="$short_rss" 'BEGIN {
        rate = t > 0 ? n / t : 0
        printf "%-24s %8d %12.2f %9d %14.0f %7d/%-7d%s\n", k, n, t, g, rate, s, r,
               rate < g ? "  below the goal" : "" }'
done
echo "(peak RSS: LINES / 10 problems / LINES problems)"
