#!/usr/bin/env bash
# Starts the program on a private Xvfb screen with Qt's real xcb platform,
# sends its window a close request (WM_DELETE_WINDOW) once it is up, and
# expects the program to end with exit code 0.
# Usage: close_request.sh PROGRAM SEND_CLOSE_REQUEST
set -uo pipefail
program=$1
send_close=$2
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

# -displayfd picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")

QT_QPA_PLATFORM=xcb timeout 30 "$program" &
pid=$!
"$send_close" Quorvel || { kill "$pid"; exit 1; }
wait "$pid"
code=$?
echo "exit code $code"
[ "$code" -eq 0 ]
