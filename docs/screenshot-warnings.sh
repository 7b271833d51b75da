#!/usr/bin/env bash
# Makes docs/screenshot-warnings.png: the real program with a transparent, non-square source in
# the well, so that the line under the well shows its warnings.
#
#   docs/screenshot-warnings.sh PROGRAM [WORK_FOLDER]
#
# Needs Xvfb, xdotool, ImageMagick and vips.
set -euo pipefail

program=$1
work=${2:-$(mktemp -d)}
here=$(cd "$(dirname "$0")" && pwd)

# A wide banner with round corners: the sample's artwork on a 1200 × 800 canvas whose corners
# are transparent.
cat >"$work/banner.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="1200" height="800" viewBox="0 0 1200 800">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#3b3fd8"/>
      <stop offset="0.55" stop-color="#7a3fd1"/>
      <stop offset="1" stop-color="#d9467a"/>
    </linearGradient>
    <radialGradient id="glow" cx="0.5" cy="0.45" r="0.5">
      <stop offset="0" stop-color="#ffd27a" stop-opacity="0.85"/>
      <stop offset="0.45" stop-color="#ff9f43" stop-opacity="0.25"/>
      <stop offset="1" stop-color="#ff9f43" stop-opacity="0"/>
    </radialGradient>
    <linearGradient id="steel" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="1" stop-color="#d7dcf5"/>
    </linearGradient>
  </defs>
  <rect width="1200" height="800" rx="150" fill="url(#sky)"/>
  <ellipse cx="600" cy="360" rx="560" ry="380" fill="url(#glow)"/>
  <g transform="translate(600 410) scale(0.82) translate(-540 -460)">
    <path fill="url(#steel)" d="M196 392 H700 C760 392 842 372 884 330 C884 420 800 470 716 476 L676 476
          C640 476 614 500 614 536 L614 596 C614 626 636 650 666 656 L712 664 L712 744 L312 744 L312 664
          L358 656 C388 650 410 626 410 596 L410 536 C410 500 384 476 348 476 L300 476
          C246 476 196 440 196 392 Z"/>
    <rect x="272" y="744" width="480" height="64" rx="20" fill="#ffffff" opacity="0.92"/>
    <g transform="rotate(-32 560 250)">
      <rect x="548" y="150" width="34" height="250" rx="14" fill="#f3e2c7"/>
      <rect x="474" y="112" width="182" height="78" rx="18" fill="#ffffff"/>
    </g>
    <g fill="#ffd27a">
      <circle cx="330" cy="300" r="16"/>
      <circle cx="270" cy="236" r="10"/>
      <circle cx="404" cy="226" r="12"/>
      <circle cx="760" cy="250" r="9"/>
      <circle cx="808" cy="190" r="13"/>
    </g>
  </g>
</svg>
SVG
# A bitmap, as a designer would export it: at 800 pixels high it is also smaller than the
# largest icon.
vips copy "$work/banner.svg" "$work/Forge banner.png"

"$here/screenshot.sh" "$program" "$work/Forge banner.png" "$here/screenshot-warnings.png" "$work/shot"
