#!/usr/bin/env bash
# The bootstrap's apt part on a throwaway apt configuration. A local repository holds the
# release's own suite and a security suite whose i386 index is shorter than its Release file
# says (as on a mirror mid-sync); a third suite cannot be reached at all. apt only downloads,
# into a scratch directory: the machine's own apt and dpkg state are never touched.
# Usage: bootstrap_apt.sh SOURCE_DIR
set -euo pipefail
source "$1/scripts/bootstrap"
cd "$top"
apt_retry_pause=0
as_root() { "$@"; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
repo=$scratch/repo

# A package in the repository's pool: NAME VERSION ARCHITECTURE [MULTI_ARCH].
add_package() {
  local tree=$scratch/build/$1_$2_$3
  mkdir -p "$tree/DEBIAN" "$repo/pool/$2"
  printf '%s\n' "Package: $1" "Version: $2" "Architecture: $3" ${4:+"Multi-Arch: $4"} \
    "Maintainer: Quorvel <quorvel@localhost>" "Description: a throwaway package" \
    >"$tree/DEBIAN/control"
  dpkg-deb -Zgzip -b "$tree" "$repo/pool/$2/$1_$2_$3.deb" >/dev/null
}

# The Packages index of SUITE for ARCHITECTURE, from the pool's packages of VERSION.
write_index() {
  local suite=$1 architecture=$2 version=$3
  local index=$repo/dists/$suite/main/binary-$architecture/Packages
  mkdir -p "$(dirname "$index")"
  (cd "$repo" && dpkg-scanpackages -m -a "$architecture" "pool/$version" /dev/null 2>/dev/null) \
    >"$index"
}

# SUITE's Release file. An index named in SHORT is listed 7 bytes longer than it is.
write_release() {
  local suite=$1 short=${2:-} index size
  {
    printf '%s\n' "Suite: $suite" "Date: $(date -Ru)" "SHA256:"
    for index in "$repo/dists/$suite"/main/binary-*/Packages; do
      size=$(stat -c%s "$index")
      [ "$index" != "$repo/dists/$suite/$short" ] || size=$((size + 7))
      echo " $(sha256sum <"$index" | cut -d' ' -f1) $size ${index#"$repo/dists/$suite/"}"
    done
  } >"$repo/dists/$suite/Release"
}

# The release's own suite: a package for any architecture, and a library that must have the
# same version on amd64 and i386 (as Wine's 32-bit half needs its amd64 libraries).
add_package quorvel-probe 1 all
add_package quorvel-library 1 amd64 same
add_package quorvel-library 1 i386 same
write_index bookworm amd64 1
write_index bookworm i386 1
write_release bookworm
# Its security suite, with a newer library for amd64 only so far.
add_package quorvel-library 1+deb12u1 amd64 same
write_index bookworm-security amd64 1+deb12u1
write_release bookworm-security

mkdir -p "$scratch"/etc/{apt.conf.d,sources.list.d,preferences.d} \
  "$scratch"/{state/lists,cache/archives}/partial
: >"$scratch/state/status"
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

use_sources() {
  printf '%s\n' "$@" >"$scratch/etc/sources.list"
}

# copy: puts what apt fetches into the cache, where the checks look for it.
release_suite="deb [trusted=yes] copy:$repo bookworm main"
security_suite="deb [trusted=yes] file:$repo bookworm-security main"
unreachable_suite="deb http://127.0.0.1:9/debian bookworm-updates main"

# The machine last updated while the security suite had no i386 index; then one appears,
# caught mid-sync. An update that fails for one index of a suite keeps all of that suite's
# earlier indices, so apt goes on seeing the newer amd64 library and no i386 one to match it.
security_index_caught_mid_sync() {
  use_sources "$release_suite" "$security_suite"
  apt_get update -q >/dev/null 2>&1
  mkdir -p "$repo/dists/bookworm-security/main/binary-i386"
  echo "Package: quorvel-only-in-security" >"$repo/dists/bookworm-security/main/binary-i386/Packages"
  write_release bookworm-security main/binary-i386/Packages
}

failures=0
scenario=""
output=""
status=0

# Runs the bootstrap's install of PACKAGES as `scripts/bootstrap run` would.
try_install() {
  rm -f "$scratch"/cache/archives/*.deb
  status=0
  output=$(install_packages run "$@" 2>&1) || status=$?
}

fail() {
  echo "FAILED: $scenario: $*"
  sed 's/^/    /' <<<"$output"
  failures=$((failures + 1))
}

expect_status() {
  [ "$status" = "$1" ] || fail "exit status $status, not $1"
}

expect_fetched() {
  local file
  for file; do
    [ -f "$scratch/cache/archives/$file" ] || fail "$file was not fetched"
  done
}

expect_said() {
  local text
  for text; do
    grep -qF -- "$text" <<<"$output" || fail "did not say \"$text\""
  done
}

expect_not_said() {
  ! grep -qF -- "$1" <<<"$output" || fail "said \"$1\""
}

scenario="a mirror in order installs at once"
use_sources "$release_suite"
try_install quorvel-probe
expect_status 0
expect_fetched quorvel-probe_1_all.deb
expect_not_said "update failed"

scenario="a security index mid-sync: the release's own suite gives matching versions"
security_index_caught_mid_sync
try_install quorvel-library:amd64 quorvel-library:i386
expect_status 0
expect_fetched quorvel-library_1_amd64.deb quorvel-library_1_i386.deb
expect_said "the bookworm-security indices did not download" \
  "came from bookworm, the release's own suite" \
  "next apt-get upgrade"

scenario="indices that fail do not stop an install the others can serve"
use_sources "$release_suite" "$security_suite" "$unreachable_suite"
try_install quorvel-probe
expect_status 0
expect_fetched quorvel-probe_1_all.deb
expect_said "try 2 of 3" "still fail"
expect_not_said "release's own suite"

scenario="a package only the failed indices hold: the mirror is named and the command given"
use_sources "$release_suite" "$security_suite" "$unreachable_suite"
try_install quorvel-only-in-security
expect_status 1
expect_said "  bookworm-security main i386 from file:$repo" \
  "  bookworm-updates Release file from http://127.0.0.1:9/debian" \
  "mirror is probably mid-sync" \
  "again later:" \
  "  scripts/bootstrap run"

scenario="a package no suite has is no mirror problem"
use_sources "$release_suite"
try_install quorvel-absent
expect_status 1
expect_said "Unable to locate package quorvel-absent"
expect_not_said "mid-sync"

echo "bootstrap apt: $failures failed"
exit "$failures"
