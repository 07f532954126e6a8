#!/usr/bin/env bash
# Builds a release twice more, from copies of the source tree in two unrelated
# directories, and requires the same sha256 for its files in all three builds
# (this one included). Any path, clock or file-order leak into the outputs
# shows up as a difference.
#   win32:   Quorvel.exe and Quorvel-1.0.0-win32.zip
#   win64:   the same for 64-bit Windows (Quorvel-1.0.0-win64.zip)
#   deb:     the Linux program packed by CPack into its .deb; for another
#            processor, with the toolchain file QUORVEL_DEB_TOOLCHAIN names
#            (relative to the source tree)
#   web:     the web page's Quorvel-1.0.0-web.zip, its module inside
# Usage: reproducible_build.sh win32|win64|deb|web SOURCE_DIR THIS_BUILD_DIR WORK_DIR EPOCH
#                              OUTPUT...
set -euo pipefail
kind=$1 source_dir=$2 this_build=$3 work=$4 epoch=$5
outputs=("${@:6}")
declare -A windows_toolchain=([win32]=mingw-i686 [win64]=mingw-x86_64)

build() {  # build TREE: configures TREE-build, builds and packs the outputs
  case $kind in
    win32 | win64)
      SOURCE_DATE_EPOCH=$epoch cmake -S "$1" -B "$1-build" -G "Unix Makefiles" \
        -DCMAKE_TOOLCHAIN_FILE="$1/cmake/${windows_toolchain[$kind]}.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DBUILD_TESTING=OFF >/dev/null
      cmake --build "$1-build" --target release-archive -j 2 >/dev/null ;;
    deb)
      local cross=()
      if [ -n "${QUORVEL_DEB_TOOLCHAIN:-}" ]; then
        cross=(-DCMAKE_TOOLCHAIN_FILE="$1/$QUORVEL_DEB_TOOLCHAIN" -DQUORVEL_CROSS_QT=ON)
      fi
      SOURCE_DATE_EPOCH=$epoch cmake -S "$1" -B "$1-build" -G "Unix Makefiles" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${cross[@]}" >/dev/null
      cmake --build "$1-build" --target quorvel quorvel_package_files -j 2 >/dev/null
      pack "$1-build" ;;
    web)
      SOURCE_DATE_EPOCH=$epoch cmake -S "$1" -B "$1-build" -G "Unix Makefiles" \
        -DCMAKE_BUILD_TYPE=Release -DQUORVEL_WEB=ON -DBUILD_TESTING=OFF >/dev/null
      cmake --build "$1-build" --target quorvel_web_archive -j 2 >/dev/null ;;
  esac
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
if [ "$kind" = deb ]; then pack "$this_build"; fi

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
  if [ "$kind" = deb ]; then
    for other in 1 2; do
      [ "${sums[0]}" = "${sums[$other]}" ] && continue
      echo " ${builds[0]} against ${builds[$other]}:"
      explain_deb "${builds[0]}/$output" "${builds[$other]}/$output"
    done
  fi
done
[ "$failed" -eq 0 ] && rm -rf "$work"
exit $failed
