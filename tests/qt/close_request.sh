#!/usr/bin/env bash
# Starts the program on a private Xvfb screen with Qt's real xcb platform,
# sends its window a close request (WM_DELETE_WINDOW) once it is up, and
# expects the program to end with exit code 0.
# With --without-font, the stand-in font is hidden from fontconfig: the
# program must still open, and say so on standard error exactly once.
# With --shows-102 SHOWS_TEXT PNG, the screen must show the window with 102
# before the close request; that screenshot is kept as PNG.
# The programs of another processor run under QUORVEL_EMULATOR (a command
# such as "qemu-aarch64 -L /").
# Usage: close_request.sh PROGRAM SEND_CLOSE_REQUEST [--without-font | --shows-102 SHOWS_TEXT PNG]
set -uo pipefail
program=$1
send_close=$2
option=${3:-}
shows_text=${4:-} shot=${5:-}
emulator=${QUORVEL_EMULATOR:-}
screen=$(dirname "$0")/../../scripts/xvfb-screen
work=$(mktemp -d)
trap '"$screen" stop "$work"; rm -rf "$work"' EXIT

# Screenshots of the whole screen until one shows 102, for a minute or more
# (an emulated program takes seconds to start).
wait_for_102() {
  for _ in $(seq 120); do
    if import -window root "$work/screen.png" 2>/dev/null &&
      QT_QPA_PLATFORM=offscreen $emulator "$shows_text" "$work/screen.png" 102 >"$work/found"; then
      cat "$work/found"
      cp "$work/screen.png" "$shot"
      return 0
    fi
    sleep 0.5
  done
  echo "no screenshot showed 102"
  cat "$work/found" "$work/stderr" 2>/dev/null
  return 1
}

if [ "$option" = --without-font ]; then
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

DISPLAY=$("$screen" start "$work") || exit 1
export DISPLAY

QT_QPA_PLATFORM=xcb timeout 90 $emulator "$program" 2>"$work/stderr" &
pid=$!
if [ "$option" = --shows-102 ]; then
  wait_for_102 || { kill "$pid"; exit 1; }
fi
$emulator "$send_close" Quorvel || { kill "$pid"; exit 1; }
wait "$pid"
code=$?
echo "exit code $code"
cat "$work/stderr"
if [ "$option" = --without-font ]; then
  [ "$(grep -c '^quorvel: font ' "$work/stderr")" -eq 1 ] || { echo "no single font notice"; exit 1; }
fi
[ "$code" -eq 0 ]
