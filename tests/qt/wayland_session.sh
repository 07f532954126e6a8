#!/usr/bin/env bash
# Starts the program with Qt's Wayland platform on a private weston (headless
# backend, pixman renderer, its own runtime directory and socket), waits until
# weston's screenshooter shows its window with 102, then has weston ask the
# window to close (xdg_toplevel.close, from the module weston_close_request)
# and expects exit code 0. The last screenshot is kept as
# OUT_DIR/quorvel-wayland.png.
# Usage: wayland_session.sh PROGRAM CLOSE_MODULE SHOWS_TEXT OUT_DIR
set -uo pipefail
program=$1 close_module=$2 shows_text=$3 out=$4
work=$(mktemp -d)
weston= pid=
trap 'kill $pid $weston 2>/dev/null; rm -rf "$work"' EXIT

export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=quorvel-test
mkdir -m 0700 "$XDG_RUNTIME_DIR" "$work/shots"
# A plain background and no panel: nothing on the screen but the window.
printf '[shell]\nbackground-color=0xff336699\npanel-position=none\n' >"$work/weston.ini"
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
  --socket="$WAYLAND_DISPLAY" --config="$work/weston.ini" --debug \
  --modules="$close_module" --log="$work/weston.log" 2>"$work/weston.err" &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { echo "weston did not start"; cat "$work/weston.err" "$work/weston.log"; exit 1; }

QT_QPA_PLATFORM=wayland timeout 30 "$program" 2>"$work/stderr" &
pid=$!
shot=
for _ in $(seq 50); do
  rm -f "$work"/shots/*
  (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1)
  shot=$(ls "$work"/shots/*.png 2>/dev/null | head -n 1)
  [ -n "$shot" ] && QT_QPA_PLATFORM=offscreen "$shows_text" "$shot" 102 >"$work/found" && break
  shot=
  sleep 0.2
done
[ -n "$shot" ] || { echo "no screenshot showed 102"; cat "$work/found" "$work/stderr"; exit 1; }
cat "$work/found"
cp "$shot" "$out/quorvel-wayland.png"

kill -USR2 "$weston"
wait "$pid"
code=$?
pid=
echo "exit code $code"
cat "$work/stderr"
[ "$code" -eq 0 ]
