#!/usr/bin/env bash
# Renders desktop/volemo.svg to the PNG sizes the desktop's icon theme looks
# for: desktop/icons/SIZE.png. Run it after changing the SVG; the PNGs are
# kept in the repository so that building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "needs rsvg-convert: apt-get install librsvg2-bin" >&2; exit 1; }
# Keep in sync with the sizes desktop/CMakeLists.txt installs.
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" desktop/volemo.svg -o "desktop/icons/$size.png"
done
