#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes docs/screenshot.png: the main window with a few files listed, drawn
# under Xvfb, so the README's picture can be made again after a change.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
missing=()
for package in xvfb xauth x11-apps xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNOTEPACK_BUILD_BENCH=OFF
cmake --build build/release -j "$(nproc)" --target notepack

notes=$(mktemp -d)
trap 'rm -rf "$notes"' EXIT
for name in "Shopping list" "Recipe - pancakes" "Phone numbers" "Books to read" "Trip to Lisbon" \
            "Meeting notes 2" "Meeting notes 10"; do
  printf '%s\n' "$name" >"$notes/$name.txt"
done

# Inside the virtual display: start Notepack with the notes listed, make the
# window larger than its smallest size, select a row and grab the window.
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  set -euo pipefail
  build/release/shell/notepack "$1" &
  app=$!
  for _ in $(seq 50); do
    window=$(xdotool search --name "^Notepack$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  xdotool windowsize "$window" 360 300
  sleep 1
  xdotool mousemove --window "$window" 60 70 click 1
  sleep 0.5
  xwd -silent -id "$window" | convert xwd:- docs/screenshot.png
  kill "$app"
' _ "$notes"
echo "docs/screenshot.png written"
