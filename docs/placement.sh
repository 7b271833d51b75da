#!/usr/bin/env bash
# Makes the pictures of where artwork lands on each platform, from the real program:
#   docs/placement.png            every platform, a row per kind of artwork
#   docs/placement-<platform>.png the source and one platform's files (ios, watchos, macos,
#                                 android, web), each composited under the system's mask
#
#   docs/placement.sh BIN_FOLDER [WORK_FOLDER]
#
# BIN_FOLDER holds iconsmith-cli, iconsmith-makesources and iconsmith-placementview (a build's
# bin/). The sources are made here: a photo-like landscape (full-bleed), the benchmark's badge (a
# logo on transparency), a disc with a glyph (a logo on its own plate) and a dark one-colour glyph
# that reaches its edges, as symbolic icons do.
set -euo pipefail

bin=$1
work=${2:-$(mktemp -d)}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"

"$bin/iconsmith-makesources" "$work" photo-1024.png >/dev/null
cat >"$work/plate.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 512 512">
  <circle cx="256" cy="256" r="250" fill="#2a8bd8"/>
  <path fill="#ffffff" d="M110 250 L390 140 L340 380 L260 320 L220 370 L215 300 Z"/>
</svg>
SVG
cat >"$work/glyph.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
  <path fill="#2e3436" d="M3 0 H13 A3 3 0 0 1 16 3 V13 A3 3 0 0 1 13 16 H3 A3 3 0 0 1 0 13 V3 A3 3 0 0 1 3 0 Z
    M3 2 A1 1 0 0 0 2 3 V13 A1 1 0 0 0 3 14 H13 A1 1 0 0 0 14 13 V3 A1 1 0 0 0 13 2 Z"/>
  <circle fill="#2e3436" cx="5.5" cy="5.5" r="1.5"/>
  <path fill="#2e3436" d="M3 13 L7 8 L9.5 11 L11 9.5 L13 13 Z"/>
</svg>
SVG

sources=("$work/photo-1024.png" "$here/../bench/sources/logo.svg" "$work/plate.svg" "$work/glyph.svg")
sheet=()
for source in "${sources[@]}"; do
    name=$(basename "${source%.*}")
    rm -rf "${work:?}/$name"
    "$bin/iconsmith-cli" "$source" -o "$work/$name" --target everything -q 2>"$work/$name.notes" || true
    sheet+=("$work/$name" "$source")
done
"$bin/iconsmith-placementview" sheet "$here/placement.png" "${sheet[@]}"
for source in "${sources[@]}"; do
    name=$(basename "${source%.*}")
    echo "== $name"
    cat "$work/$name.notes"
    "$bin/iconsmith-placementview" measure "$work/$name"
done
