#!/usr/bin/env bash
# Builds Quorvel.exe and its release archive twice more, from copies of the
# source tree in two unrelated directories, and requires the same sha256 for
# both files in all three builds (this one included). Any path, clock or
# file-order leak into the outputs shows up as a difference.
# Usage: reproducible_build.sh SOURCE_DIR THIS_BUILD_DIR WORK_DIR EPOCH
set -euo pipefail
source_dir=$1 this_build=$2 work=$3 epoch=$4
outputs=(Quorvel.exe Quorvel-1.0.0-win32.zip)

rm -rf "$work"
trees=("$work/a/src" "$work/second-place/quorvel-copy")
for tree in "${trees[@]}"; do
  mkdir -p "$tree"
  if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$source_dir" ls-files -z | (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$tree"
  else
    tar -C "$source_dir" --exclude=./build -cf - . | tar -xf - -C "$tree"
  fi
  SOURCE_DATE_EPOCH=$epoch cmake -S "$tree" -B "$tree-build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$tree/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$tree-build" --target release-archive -j 2 >/dev/null
done

failed=0
for output in "${outputs[@]}"; do
  sums=()
  for build in "$this_build" "${trees[0]}-build" "${trees[1]}-build"; do
    sums+=("$(sha256sum "$build/$output" | cut -d' ' -f1)")
  done
  if [ "${sums[0]}" = "${sums[1]}" ] && [ "${sums[1]}" = "${sums[2]}" ]; then
    echo "ok: $output sha256 ${sums[0]} in all three builds"
  else
    echo "FAIL: $output differs: ${sums[*]}"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && rm -rf "$work"
exit $failed
