#!/usr/bin/env bash
# The bootstrap's apt part on a throwaway apt configuration: a local repository with one tiny
# package, a suite whose i386 index has the wrong size (as on a mirror mid-sync) and an unreachable
# archive. apt only downloads, into the scratch directory; the machine's apt and dpkg state stay.
set -euo pipefail
source "$1/scripts/bootstrap"
apt_retry_pause=0 && cd "$top"
as_root() { "$@"; }
s=$(mktemp -d) && export TMPDIR=$s && trap 'rm -rf "$s"' EXIT
r=$s/repo main=$s/repo/dists/bookworm/main/binary-amd64 sec=$s/repo/dists/bookworm-security/main/binary-i386
mkdir -p "$s"/etc/{apt.conf.d,sources.list.d,preferences.d} "$s"/{state/lists,cache/archives}/partial \
  "$s/p/DEBIAN" "$main" "$sec" && : >"$s/state/status"
printf '%s\n' "Package: quorvel-probe" "Version: 1" "Architecture: all" \
  "Maintainer: Quorvel <quorvel@localhost>" "Description: probe" >"$s/p/DEBIAN/control"
dpkg-deb -Zgzip -b "$s/p" "$r/probe.deb" >/dev/null
(cd "$r" && dpkg-scanpackages -m . /dev/null 2>/dev/null) >"$main/Packages"
echo "Package: quorvel-only-in-security" >"$sec/Packages"
# A suite's Release file, listing its one index EXTRA bytes longer than it is.
release() { # SUITE INDEX EXTRA
  printf '%s\n' "Suite: $1" "Date: $(date -Ru)" "SHA256:" \
    " $(sha256sum <"$2" | cut -d' ' -f1) $(($(stat -c%s "$2") + $3)) ${2#*/dists/"$1"/}" >"$r/dists/$1/Release"
}
release bookworm "$main/Packages" 0 && release bookworm-security "$sec/Packages" 7
printf '%s\n' "Dir::Etc \"$s/etc/\";" "Dir::State \"$s/state/\";" "Dir::State::status \"$s/state/status\";" \
  "Dir::Cache \"$s/cache/\";" 'APT::Architectures { "amd64"; "i386"; };' 'APT::Get::Download-Only "true";' \
  'APT::Sandbox::User "root";' 'Acquire::Retries "0";' >"$s/apt.conf"
export APT_CONFIG=$s/apt.conf
good="deb [trusted=yes] copy:$r bookworm main"$'\n' # copy: puts the package in the cache
broken="deb [trusted=yes] file:$r bookworm-security main"$'\n'
unreachable="deb http://127.0.0.1:9/debian bookworm-updates main"$'\n'
failures=0
# check SOURCES PACKAGE STATUS TEXT...: texts the output holds (after "!": does not hold)
check() {
  local package=$2 want=$3 status=0 out text verdict=ok
  printf %s "$1" >"$s/etc/sources.list" && shift 3 && rm -f "$s"/cache/archives/*.deb
  out=$(install_packages run "$package" 2>&1) || status=$?
  [ "$status" = "$want" ] || verdict="exit status $status"
  [ "$want" != 0 ] || [ -f "$s/cache/archives/quorvel-probe_1_all.deb" ] || verdict="not fetched"
  for text; do
    if [ "${text#!}" = "$text" ]; then grep -qF -- "$text" <<<"$out" || verdict="no \"$text\""
    elif grep -qF -- "${text#!}" <<<"$out"; then verdict="says \"${text#!}\""; fi
  done
  echo "$verdict: $package from $(grep -c . "$s/etc/sources.list") sources"
  [ "$verdict" = ok ] || { echo "$out" && failures=$((failures + 1)); }
}
check "$good" quorvel-probe 0 '!update failed'
check "$good$broken$unreachable" quorvel-probe 0 'try 2 of 3' 'still fail'
check "$good$broken$unreachable" quorvel-only-in-security 1 "  bookworm-security main i386 from file:$r" \
  '  bookworm-updates Release file from http://127.0.0.1:9/debian' 'mirror is probably mid-sync' \
  'again later:' '  scripts/bootstrap run'
check "$good" quorvel-absent 1 'Unable to locate package quorvel-absent' '!mid-sync'
exit "$failures"
