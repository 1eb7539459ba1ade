#!/bin/sh
# Takes the pictures of docs/screenshots under a virtual X server.
# Usage: scripts/screenshots.sh [build folder]   (default: build)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" -DKOVARA_BUILD_TOOLS=ON >/dev/null # the tools are built only on demand
cmake --build "$build" --target kovara-screens
out="$root/docs/screenshots"
mkdir -p "$out"
for scene in startup main-reports-menu mesaj-0 mesaj-1 mesaj-2 mesaj-3 request-list editor-balloon; do
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/kovara-screens" "$scene" "$out/$scene-full.png"
  # The whole screen is black around the window: keep the part that shows something.
  convert "$out/$scene-full.png" -trim +repage -bordercolor black -border 12 "$out/$scene.png"
  rm -f "$out/$scene-full.png"
done
echo "Pictures written to $out"

# The preview of each listing over a sample data folder (maximized: the whole screen).
cmake --build "$build" --target kovara-listing-screens
for listing in borderou stat-nn stat-trusou centralizator ministru; do
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/kovara-listing-screens" "$listing" "$out/listare-$listing.png"
done
echo "Listing pictures written to $out"
