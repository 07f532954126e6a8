#!/usr/bin/env bash
# Runs the stress driver under Wine, then has the native checker recompute
# its log. The checker also reads a log the driver left unfinished, so that
# a failed run still shows whether the cases before it agreed.
# Usage: run_stress.sh DRIVER CHECKER LOG CASES SEED WINE_RUN [ARGS...]
# (WINE_RUN and its arguments: the command that runs a Windows program.)
set -uo pipefail
[ $# -ge 6 ] || { echo "usage: $0 DRIVER CHECKER LOG CASES SEED WINE_RUN [ARGS...]" >&2; exit 2; }
driver=$1 checker=$2 log=$3 cases=$4 seed=$5
shift 5

rm -f "$log"
started=$SECONDS
"$@" "$driver" "$log" "$cases" "$seed"
driver_status=$?
# 77: the driver cannot run on this machine at all (scripts/wine-run said why).
[ "$driver_status" -ne 77 ] || exit 77
echo "driver: exit status $driver_status after $((SECONDS - started)) s"

[ -f "$log" ] || exit 1
"$checker" "$log" "$cases"
checker_status=$?
[ "$driver_status" -eq 0 ] && [ "$checker_status" -eq 0 ]
