#!/usr/bin/env bash
# Builds a release twice more, from copies of the source tree in two unrelated
# directories, with the preset this build was made with, and requires the same
# sha256 for its files in all three builds (this one included). Any path,
# clock or file-order leak into the outputs shows up as a difference. TARGETS
# (one argument) are what the outputs are built by; a .deb among the outputs
# is packed by CPack, as the release packs it.
# Usage: reproducible_build.sh PRESET TARGETS SOURCE_DIR THIS_BUILD_DIR WORK_DIR EPOCH OUTPUT...
set -euo pipefail
preset=$1 targets=$2 source_dir=$3 this_build=$4 work=$5 epoch=$6
outputs=("${@:7}")
packs_deb=$([[ " ${outputs[*]}" == *.deb* ]] && echo yes || true)

build() {  # build TREE: configures TREE-build with the preset, builds and packs the outputs
  (cd "$1" && SOURCE_DATE_EPOCH=$epoch cmake --preset "$preset" -B "$1-build" -DBUILD_TESTING=OFF) \
    >/dev/null
  # shellcheck disable=SC2086  # one word per target
  cmake --build "$1-build" --target $targets -j 2 >/dev/null
  [ -z "$packs_deb" ] || pack "$1-build"
}

pack() {  # pack BUILD: makes the .deb in BUILD as the release does
  (cd "$1" && cpack --config CPackConfig.cmake -G DEB >/dev/null)
}

explain_deb() {  # explain_deb A B: names the members of two .debs that differ, and how
  local dir=$work/explain member side
  rm -rf "$dir" && mkdir -p "$dir/a" "$dir/b"
  (cd "$dir/a" && ar x "$1") && (cd "$dir/b" && ar x "$2")
  for member in $(ar t "$1"); do
    cmp -s "$dir/a/$member" "$dir/b/$member" && continue
    echo "  member $member differs"
    [[ $member == *.tar.* ]] || continue
    # First times, owners, modes and order, then the files' contents.
    diff <(tar --full-time -tvf "$dir/a/$member") <(tar --full-time -tvf "$dir/b/$member") \
      | head -n 12 | sed 's/^/    /' || true
    for side in a b; do
      mkdir "$dir/$side/${member%%.*}" && tar -xf "$dir/$side/$member" -C "$dir/$side/${member%%.*}"
    done
    (cd "$dir" && diff -rq "a/${member%%.*}" "b/${member%%.*}" | sed 's/^/    /') || true
  done
}

rm -rf "$work"
trees=("$work/a/src" "$work/second-place/quorvel-copy")
for tree in "${trees[@]}"; do
  mkdir -p "$tree"
  if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$source_dir" ls-files -z | (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$tree"
  else
    tar -C "$source_dir" --exclude=./build -cf - . | tar -xf - -C "$tree"
  fi
  build "$tree"
done
[ -z "$packs_deb" ] || pack "$this_build"

failed=0
builds=("$this_build" "${trees[0]}-build" "${trees[1]}-build")
for output in "${outputs[@]}"; do
  sums=()
  for build in "${builds[@]}"; do
    sums+=("$(sha256sum "$build/$output" | cut -d' ' -f1)")
  done
  if [ "${sums[0]}" = "${sums[1]}" ] && [ "${sums[1]}" = "${sums[2]}" ]; then
    echo "ok: $output sha256 ${sums[0]} in all three builds"
    continue
  fi
  echo "FAIL: $output differs: ${sums[*]}"
  failed=1
  if [[ $output == *.deb ]]; then
    for other in 1 2; do
      [ "${sums[0]}" = "${sums[$other]}" ] && continue
      echo " ${builds[0]} against ${builds[$other]}:"
      explain_deb "${builds[0]}/$output" "${builds[$other]}/$output"
    done
  fi
done
[ "$failed" -eq 0 ] && rm -rf "$work"
exit $failed
