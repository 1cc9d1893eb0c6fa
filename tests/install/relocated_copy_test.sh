#!/usr/bin/env bash
# A copy of the build's program folder runs on its own, from any working
# folder: its programs load the copy's libdvorlin, never the build tree's
# (volemo-cli carries the compiler in itself and loads none).
# Usage: relocated_copy_test.sh BUILD/bin
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -a "$1" "$tmp/bin"
for program in volemo-cli Volemo; do
  [[ -e "$tmp/bin/$program" ]] || continue  # a build without the window
  loaded=$(ldd "$tmp/bin/$program" | awk '/libdvorlin/ {print $3}')
  [[ $program == volemo-cli && -z "$loaded" ]] && continue
  if [[ "$loaded" != "$tmp/bin/libdvorlin.so.1" ]]; then
    echo "the copied $program loads libdvorlin from '$loaded'" >&2
    exit 1
  fi
done
mkdir "$tmp/work"
cd "$tmp/work"
../bin/volemo-cli phrase --seed 7 --mid out.mid >/dev/null
[[ -s out.mid ]] || { echo "the copied volemo-cli wrote no out.mid" >&2; exit 1; }
