#!/usr/bin/env bash
# Starts the program on a private Xvfb screen with Qt's real xcb platform,
# sends its window a close request (WM_DELETE_WINDOW) once it is up, and
# expects the program to end with exit code 0.
# With --without-font, the stand-in font is hidden from fontconfig: the
# program must still open, and say so on standard error exactly once.
# Usage: close_request.sh PROGRAM SEND_CLOSE_REQUEST [--without-font]
set -uo pipefail
program=$1
send_close=$2
without_font=${3:-}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

if [ "$without_font" = --without-font ]; then
  cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont><glob>*/wqy-microhei*</glob></rejectfont></selectfont>
  <cachedir>$work/font-cache</cachedir>
</fontconfig>
CONF
  export FONTCONFIG_FILE=$work/fonts.conf
fi

# -displayfd picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")

QT_QPA_PLATFORM=xcb timeout 30 "$program" 2>"$work/stderr" &
pid=$!
"$send_close" Quorvel || { kill "$pid"; exit 1; }
wait "$pid"
code=$?
echo "exit code $code"
cat "$work/stderr"
if [ "$without_font" = --without-font ]; then
  [ "$(grep -c '^quorvel: font ' "$work/stderr")" -eq 1 ] || { echo "no single font notice"; exit 1; }
fi
[ "$code" -eq 0 ]
