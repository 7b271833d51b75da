#!/usr/bin/env bash
# Makes the screenshots of what Generate shows, from the real program on a virtual X server:
#   docs/screenshot-results.png  the sample image as an iPhone + iPad set: the results panel
#                                with every file and the icons in the home screen's outline;
#   docs/screenshot-preview.png  a wide banner with transparent corners on a background colour:
#                                the well and the icons show it stretched and filled, as the
#                                files are.
#
#   docs/screenshot-results.sh PROGRAM [WORK_FOLDER]
#
# Needs Xvfb, xdotool, ImageMagick and vips.
set -euo pipefail

program=$1
work=${2:-$(mktemp -d)}
here=$(cd "$(dirname "$0")" && pwd)

if [[ -z "${ICONSMITH_ON_XVFB:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x900x24 -nolisten tcp" env ICONSMITH_ON_XVFB=1 "$0" "$program" "$work"
fi

mkdir -p "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache"
# The file browser is not part of the picture.
printf '#!/bin/sh\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

# shot IMAGE CHOICE BACKGROUND OUTPUT: Generate with Make at CHOICE, then the window.
shot() {
    local config="$work/config-$2"
    export XDG_CONFIG_HOME="$config"
    mkdir -p "$config/Iconsmith"
    {
        printf '[General]\nsavePath=%s\n' "$work/Icons"
        [[ -n "$3" ]] && printf 'backgroundColor=%s\n' "$3"
    } >"$config/Iconsmith/Iconsmith.conf"
    rm -rf "$work/Icons"

    "$program" "$1" >"$work/program.log" 2>&1 &
    local pid=$!
    local window
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Iconsmith$' | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers alt+m Home
    for ((i = 0; i < $2; ++i)); do
        xdotool key Down
    done
    xdotool key --clearmodifiers ctrl+Return
    for _ in $(seq 300); do
        [[ -s "$work/Icons/AppIcon.appiconset/Contents.json" ]] && break
        sleep 0.1
    done
    # The tiles are read back from the files after they are written.
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/window.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    convert "$work/window.png" \( +clone -background black -shadow 35x14+0+8 \) +swap \
        -background '#e9ebf4' -layers merge +repage -bordercolor '#e9ebf4' -border 32 "$4"
    echo "wrote $4"
}

shot "$here/../resources/sample.png" 2 "" "$here/screenshot-results.png"

# A wide banner whose corners are transparent, from the same drawing as the warnings screenshot.
cat >"$work/banner.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="1200" height="800" viewBox="0 0 1200 800">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#3b3fd8"/>
      <stop offset="0.55" stop-color="#7a3fd1"/>
      <stop offset="1" stop-color="#d9467a"/>
    </linearGradient>
  </defs>
  <rect width="1200" height="800" rx="150" fill="url(#sky)"/>
  <circle cx="600" cy="400" r="250" fill="#ffd27a"/>
  <rect x="380" y="380" width="440" height="60" rx="30" fill="#ffffff"/>
</svg>
SVG
vips copy "$work/banner.svg" "$work/banner.png"
shot "$work/banner.png" 0 "#1d2b53" "$here/screenshot-preview.png"
