#!/usr/bin/env bash
# Makes the screenshot of the targets, from the real program on a virtual X server:
#   docs/screenshot-targets.png  the sample image with Make at the targets, a dark picture
#                                given, and the results panel after Generate: the files of
#                                every target by their place in the save folder, and the notes.
#
#   docs/screenshot-targets.sh PROGRAM [WORK_FOLDER]
#
# Needs Xvfb, xdotool and ImageMagick.
set -euo pipefail

program=$1
work=${2:-$(mktemp -d)}
here=$(cd "$(dirname "$0")" && pwd)

if [[ -z "${ICONSMITH_ON_XVFB:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1000x24 -nolisten tcp" env ICONSMITH_ON_XVFB=1 "$0" "$program" "$work"
fi

mkdir -p "$work/runtime" "$work/bin" "$work/config/Iconsmith"
chmod 700 "$work/runtime"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache"
export XDG_CONFIG_HOME="$work/config"
# The file browser is not part of the picture.
printf '#!/bin/sh\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
printf '[General]\nsavePath=%s\ntargets=ios, macos, android, web\n' "$work/Icons" >"$work/config/Iconsmith/Iconsmith.conf"
rm -rf "$work/Icons"
# A dark picture: the sample, darkened.
convert "$here/../resources/sample.png" -modulate 45 "$work/dark.png"

"$program" "$here/../resources/sample.png" >"$work/program.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Iconsmith$' | head -n 1)
sleep 1
xdotool windowfocus --sync "$window"
# Make (Alt+M): the last item is the targets.
xdotool key --clearmodifiers alt+m End
sleep 0.5
# Dark (Alt+D): type the picture's path.
xdotool key --clearmodifiers alt+d
xdotool type --delay 5 "$work/dark.png"
xdotool key --clearmodifiers ctrl+Return
for _ in $(seq 600); do
    [[ -s "$work/Icons/web/head.html" ]] && break
    sleep 0.1
done
# The tiles are read back from the files after they are written.
sleep 3
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/window.png"
convert "$work/window.png" \( +clone -background black -shadow 35x14+0+8 \) +swap \
    -background '#e9ebf4' -layers merge +repage -bordercolor '#e9ebf4' -border 32 "$here/screenshot-targets.png"
echo "wrote $here/screenshot-targets.png"
