#!/usr/bin/env bash
# The bootstrap's apt part on a throwaway apt configuration: a local repository
# with one tiny package, a suite whose i386 index has the wrong size (as on a
# mirror mid-sync) and an unreachable archive. apt only downloads, into the
# scratch directory; the machine's sources, dpkg state and architectures are
# never touched.
# Usage: bootstrap_apt.sh SOURCE_DIR
set -euo pipefail
source "$1/scripts/bootstrap"
apt_retry_pause=0
as_root() { "$@"; }
cd "$top"

scratch=$(mktemp -d)
export TMPDIR=$scratch  # where the bootstrap keeps a failed run's apt output
trap 'rm -rf "$scratch"' EXIT
repo=$scratch/repo
mkdir -p "$scratch"/{etc/apt.conf.d,etc/sources.list.d,etc/preferences.d,state/lists/partial} \
  "$scratch"/cache/archives/partial "$scratch"/probe/DEBIAN "$repo"/pool \
  "$repo"/dists/bookworm/main/binary-amd64 "$repo"/dists/bookworm-security/main/binary-i386
: >"$scratch/state/status"
printf '%s\n' "Package: quorvel-probe" "Version: 1.0" "Architecture: all" \
  "Maintainer: Quorvel <quorvel@localhost>" "Description: probe" >"$scratch/probe/DEBIAN/control"
dpkg-deb -Zgzip --build "$scratch/probe" "$repo/pool/quorvel-probe_1.0_all.deb" >/dev/null
(cd "$repo" && dpkg-scanpackages -m pool /dev/null 2>/dev/null) >"$repo/dists/bookworm/main/binary-amd64/Packages"
echo "Package: quorvel-only-in-security" >"$repo/dists/bookworm-security/main/binary-i386/Packages"

# A Release file that lists each index with its size plus EXTRA bytes.
write_release() {
  local dir=$repo/dists/$1 extra=$2 f
  {
    printf '%s\n' "Suite: $1" "Codename: $1" "Date: $(date -Ru)" "Architectures: amd64 i386" \
      "Components: main" "SHA256:"
    for f in "$dir"/main/*/Packages; do
      echo " $(sha256sum <"$f" | cut -d' ' -f1) $(($(stat -c%s "$f") + extra)) ${f#"$dir"/}"
    done
  } >"$dir/Release"
}
write_release bookworm 0
write_release bookworm-security 7

cat >"$scratch/apt.conf" <<EOF
Dir::Etc "$scratch/etc/";
Dir::State "$scratch/state/";
Dir::State::status "$scratch/state/status";
Dir::Cache "$scratch/cache/";
APT::Architectures { "amd64"; "i386"; };
APT::Get::Download-Only "true";
APT::Sandbox::User "root";
Acquire::Retries "0";
EOF
export APT_CONFIG=$scratch/apt.conf

good="deb [trusted=yes] copy:$repo bookworm main"  # copy: so the package lands in the cache
broken="deb [trusted=yes] file:$repo bookworm-security main"
unreachable="deb http://127.0.0.1:9/debian bookworm-updates main"
failures=0
# sources;packages;status;what the output must say, |-separated (! for must not)
while IFS=';' read -r sources packages want_status want_lines; do
  tr , '\n' <<<"$sources" | sed "s|^good$|$good|; s|^broken$|$broken|; s|^unreachable$|$unreachable|" \
    >"$scratch/etc/sources.list"
  rm -f "$scratch"/cache/archives/*.deb
  status=0
  # shellcheck disable=SC2086
  message=$(install_packages run $packages 2>&1) || status=$?
  verdict=ok
  [ "$status" = "$want_status" ] || verdict="exit status $status, not $want_status"
  IFS='|' read -ra lines <<<"$want_lines"
  for line in "${lines[@]}"; do
    if [ "${line#!}" != "$line" ]; then
      ! grep -qF -- "${line#!}" <<<"$message" || verdict="says \"${line#!}\""
    else
      grep -qF -- "$line" <<<"$message" || verdict="no \"$line\""
    fi
  done
  if [ "$want_status" = 0 ] && ! [ -f "$scratch/cache/archives/quorvel-probe_1.0_all.deb" ]; then
    verdict="quorvel-probe was not fetched"
  fi
  echo "$verdict: [$sources] $packages"
  [ "$verdict" = ok ] || { failures=$((failures + 1)); echo "$message"; }
done <<EOF
good;quorvel-probe;0;!apt-get update failed
good,broken,unreachable;quorvel-probe;0;try 2 of 3|still fail
good,broken,unreachable;quorvel-only-in-security;1;  bookworm-security main i386 from file:$repo|  bookworm-updates Release file from http://127.0.0.1:9/debian|mirror is probably mid-sync|again later:|  scripts/bootstrap run
good;quorvel-absent;1;Unable to locate package quorvel-absent|apt-get install failed|!mid-sync
EOF
exit "$failures"
