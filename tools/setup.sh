#!/usr/bin/env bash
# Installs the missing Debian packages, then configures and builds the tree in build/.
# Usage: tools/setup.sh run    the packages running needs; builds the programs
#        tools/setup.sh test   those and what testing needs; builds everything
set -euo pipefail
cd "$(dirname "$0")/.."
case ${1:-} in
  run) lists=(tools/packages-run.txt) targets=(--target Volemo volemo-cli) ;;
  test) lists=(tools/packages-run.txt tools/packages-test.txt) targets=() ;;
  *) echo "usage: tools/setup.sh run|test" >&2; exit 2 ;;
esac

missing=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done < <(cat "${lists[@]}")

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build -j"$jobs" "${targets[@]}"
