#!/usr/bin/env bash
# Runs the stress driver under Wine, then has the native checker recompute
# its log. The checker also reads a log the driver left unfinished, so that
# a failed run still shows whether the cases before it agreed.
# Usage: run_stress.sh WINE_RUN PREFIX DRIVER CHECKER LOG CASES SEED
set -uo pipefail
[ $# -eq 7 ] || { echo "usage: $0 WINE_RUN PREFIX DRIVER CHECKER LOG CASES SEED" >&2; exit 2; }
wine_run=$1 prefix=$2 driver=$3 checker=$4 log=$5 cases=$6 seed=$7

rm -f "$log"
started=$SECONDS
"$wine_run" "$prefix" "$driver" "$log" "$cases" "$seed"
driver_status=$?
echo "driver: exit status $driver_status after $((SECONDS - started)) s"

[ -f "$log" ] || exit 1
"$checker" "$log" "$cases"
checker_status=$?
[ "$driver_status" -eq 0 ] && [ "$checker_status" -eq 0 ]
