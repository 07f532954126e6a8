#!/usr/bin/env bash
# Builds the .deb from this build and checks it: its file list, its
# dependencies, the changelog's top entry, the desktop entry, the AppStream
# metainfo, lintian (no errors or warnings), that the packaged quorvel-cli
# runs, and that the packaged program opens on an X server showing 102 (the
# screenshot is kept as BUILD_DIR/quorvel-packaged.png) and ends with exit
# code 0 on a close request. A package for another processor is run
# under QUORVEL_EMULATOR, as close_request.sh says.
# Usage: check_deb.sh CPACK BUILD_DIR DEB EXPECTED_FILES SEND_CLOSE_REQUEST SHOWS_TEXT
set -uo pipefail
cpack=$1 build=$2 deb=$3 expected=$4 send_close=$5 shows_text=$6
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {  # check NAME COMMAND...: runs the command, reports it
  if "${@:2}" >"$work/out" 2>&1; then
    echo "ok: $1"
  else
    echo "FAILED: $1"; sed 's/^/  /' "$work/out"; failed=1
  fi
}

rm -f "$deb"
(cd "$build" && "$cpack" --config CPackConfig.cmake -G DEB >"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log"; exit 1; }
[ -f "$deb" ] || { echo "no $deb"; cat "$work/cpack.log"; exit 1; }

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/files"
check "file list" diff -u <(sort "$expected") "$work/files"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
check "depends on the font" grep -q 'fonts-wqy-microhei' <<<"$depends"
check "depends on Qt 6 Widgets (from shlibdeps)" grep -q 'libqt6widgets6' <<<"$depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
check "recommends Qt's Wayland platform" grep -qw 'qt6-wayland' <<<"$recommends"
# The changelog is written by hand: its top entry must be this release's.
for field in Version Maintainer; do
  check "the changelog's top entry: $field" \
    test "$(dpkg-parsechangelog -l "$here/changelog" -S $field)" = "$(dpkg-deb -f "$deb" $field)"
done

dpkg-deb -x "$deb" "$work/root"
check "desktop entry" desktop-file-validate "$work/root/usr/share/applications/com.example.quorvel.desktop"
check "metainfo" appstreamcli validate --no-net "$work/root/usr/share/metainfo/com.example.quorvel.metainfo.xml"
check "lintian, no errors or warnings" lintian --fail-on error,warning "$deb"
pngs=$(file -b "$work"/root/usr/share/icons/hicolor/*/apps/*.png | grep -c '^PNG image data, \([0-9]*\) x \1, 8-bit/color RGBA')
check "icons are square RGBA PNGs" test "$pngs" -eq "$(grep -c '/icons/' "$expected")"
check "packaged quorvel-cli gives the dialog's first result" \
  test "$(${QUORVEL_EMULATOR:-} "$work/root/usr/bin/quorvel-cli" 1920 1080 21.5)" = 102
check "packaged program shows 102 and closes with exit code 0" \
  "$here/../../tests/qt/close_request.sh" "$work/root/usr/bin/quorvel" "$send_close" \
  --shows-102 "$shows_text" "$build/quorvel-packaged.png"
exit $failed
