#!/usr/bin/env bash
# Takes a screenshot of the real program on a virtual X server with IMAGE in the well, cropped to
# the window, on a quiet backdrop with a soft shadow.
#
#   docs/screenshot.sh PROGRAM IMAGE OUTPUT.png [WORK_FOLDER]
#
# Needs Xvfb, xdotool and ImageMagick.
set -euo pipefail

program=$1
image=$2
output=$3
work=${4:-$(mktemp -d)}

if [[ -z "${ICONSMITH_ON_XVFB:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" env ICONSMITH_ON_XVFB=1 "$0" "$program" "$image" "$output" "$work"
fi

mkdir -p "$work/runtime" "$work/config/Iconsmith"
chmod 700 "$work/runtime"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$work/config"
printf '[General]\nsavePath=~/Projects/Forge/Icons\n' >"$work/config/Iconsmith/Iconsmith.conf"

"$program" "$image" >"$work/program.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Iconsmith$' | head -n 1)
# Until the window has painted; the well's picture is the last thing to arrive.
for _ in $(seq 100); do
    spread=$(import -window "$window" png:- 2>/dev/null | convert - -format '%[fx:standard_deviation]' info: 2>/dev/null || echo 0)
    [[ "$spread" != "0" ]] && break
    sleep 0.1
done
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/window.png"

convert "$work/window.png" \( +clone -background black -shadow 35x14+0+8 \) +swap \
    -background '#e9ebf4' -layers merge +repage -bordercolor '#e9ebf4' -border 32 "$output"
echo "wrote $output"
