#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Regenerates the shipped PNG pictures and desktop icons from the SVG sources in svg/.
#
#   resources/render.sh
#
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert (Debian:
# imagemagick); run as root, it installs whichever is missing with apt-get.
# Outputs:
#   pictures/168.png  About icon, 128x128 RGBA (2x of 64x64)
#   pictures/169.png  its mask, 128x128: black where the icon is opaque (alpha >= 50%), else white
#   pictures/170.png  project page badge, 432x60 RGBA (2x of 216x30)
#   pictures/171.png  its mask, 432x60, same convention
#   icons/hicolor/scalable/apps/io.github.notepack.Notepack.svg
#   icons/hicolor/NxN/apps/io.github.notepack.Notepack.png for the usual sizes
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
svg=$here/svg
pictures=$here/pictures
icons=$here/icons/hicolor
app_id=io.github.notepack.Notepack

have_rsvg() { command -v rsvg-convert >/dev/null 2>&1; }
# only ImageMagick's convert will do (GraphicsMagick's, for one, has no -alpha)
have_imagemagick() { convert -version 2>/dev/null | grep -q ImageMagick; }

need() { # need CHECK DEBIAN-PACKAGE
  "$1" && return 0
  if [[ $(id -u) -eq 0 ]] && command -v apt-get >/dev/null 2>&1; then
    echo "render.sh: installing $2" >&2
    apt-get install -y -qq "$2" >/dev/null 2>&1 || { apt-get update -qq && apt-get install -y -qq "$2" >/dev/null; }
  fi
  "$1" || { echo "render.sh: missing tool; install the Debian package $2" >&2; exit 1; }
}
need have_rsvg librsvg2-bin
need have_imagemagick imagemagick

# no timestamps or other metadata, so that a re-run changes no bytes
png_opts=(-strip -define "png:exclude-chunks=date,time")

render() { # render SVG WIDTH HEIGHT OUT.png
  rsvg-convert --format=png --width="$2" --height="$3" --keep-aspect-ratio "$1" --output="$4.tmp"
  convert "$4.tmp" "${png_opts[@]}" -define png:color-type=6 -define png:bit-depth=8 "PNG32:$4"
  rm -f "$4.tmp"
}

mask() { # mask PICTURE.png OUT.png: black where alpha >= 50%, white elsewhere, no alpha channel
  convert "$1" -alpha extract -threshold 50% -negate -alpha off "${png_opts[@]}" -type bilevel "$2"
}

check() { # check FILE WIDTH HEIGHT [mask]
  local size colours
  size=$(convert "$1" -format '%wx%h' info:)
  [[ $size == "$2x$3" ]] || { echo "render.sh: $1 is $size, expected $2x$3" >&2; exit 1; }
  if [[ ${4-} == mask ]]; then
    colours=$(convert "$1" -alpha off -unique-colors -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | sort | tr '\n' ' ')
    [[ $colours == "#000000 #FFFFFF " ]] || { echo "render.sh: $1 has colours $colours" >&2; exit 1; }
  fi
}

mkdir -p "$pictures"
render "$svg/notepack.svg" 128 128 "$pictures/168.png"
mask "$pictures/168.png" "$pictures/169.png"
render "$svg/badge.svg" 432 60 "$pictures/170.png"
mask "$pictures/170.png" "$pictures/171.png"
check "$pictures/168.png" 128 128
check "$pictures/169.png" 128 128 mask
check "$pictures/170.png" 432 60
check "$pictures/171.png" 432 60 mask

mkdir -p "$icons/scalable/apps"
cp "$svg/notepack.svg" "$icons/scalable/apps/$app_id.svg"
for n in 16 22 24 32 48 64 128 256 512; do
  mkdir -p "$icons/${n}x${n}/apps"
  source_svg=$svg/notepack.svg
  # at 16 px a version drawn on the pixel grid stays sharp
  [[ $n -eq 16 ]] && source_svg=$svg/notepack-16.svg
  render "$source_svg" "$n" "$n" "$icons/${n}x${n}/apps/$app_id.png"
  check "$icons/${n}x${n}/apps/$app_id.png" "$n" "$n"
done

echo "render.sh: pictures and icons written under $here"
