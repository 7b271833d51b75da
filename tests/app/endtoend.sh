#!/usr/bin/env bash
# Drives the real program on a virtual X server as a user would: starts it with an image
# ("Open with Iconsmith"), clicks Generate, presses Ctrl+Return, closes the window with Ctrl+W,
# and checks the files, the folder shown and the exit status.
#
#   endtoend.sh PROGRAM WORK_FOLDER
#
# Exits with 77 (skipped) when Xvfb, xdotool or ImageMagick are missing. Screenshots of each
# step are left in WORK_FOLDER.
set -euo pipefail

program=$1
work=$2

for tool in xvfb-run Xvfb xauth xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

if [[ -z "${ICONSMITH_ON_XVFB:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" env ICONSMITH_ON_XVFB=1 "$0" "$@"
fi

fail() {
    echo "FAIL: $*" >&2
    if [[ -f "$work/program.log" ]]; then
        echo "--- program output ---" >&2
        cat "$work/program.log" >&2
    fi
    exit 1
}

# Polls a condition every tenth of a second for at most $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

rm -rf "$work"
mkdir -p "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$work/config"
export XDG_CACHE_HOME="$work/cache"
export XDG_DATA_HOME="$work/data"

# The remembered save folder, as the folder chooser would have stored it.
save="$work/save folder"
mkdir -p "$save" "$XDG_CONFIG_HOME/Iconsmith"
printf '[General]\nsavePath=%s\n' "$save" >"$XDG_CONFIG_HOME/Iconsmith/Iconsmith.conf"

# Showing the folder would start a file browser; record the request instead.
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$work/shown"
EOF
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

convert -size 320x320 radial-gradient:'#ffd36b'-'#ff6a3d' "$work/image.png"

"$program" "$work/image.png" >"$work/program.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Iconsmith$' | head -n 1) ||
    fail "the window did not appear"
[[ -n "$window" ]] || fail "the window did not appear"

window_painted() {
    local spread
    spread=$(import -window "$window" png:- 2>/dev/null | convert - -format '%[fx:standard_deviation]' info: 2>/dev/null) ||
        return 1
    [[ "$spread" != "0" ]]
}
wait_for 30 window_painted || fail "the window was never painted"
import -window root "$work/started.png"

eval "$(xdotool getwindowgeometry --shell "$window")"
# The Generate button sits in the bottom right corner, 18 pixels in from both edges, at least
# 140 by 34 pixels: its middle is 88 pixels in from the right and 35 up from the bottom.
click_x=$((X + WIDTH - 88))
click_y=$((Y + HEIGHT - 35))
xdotool mousemove --sync "$click_x" "$click_y" click 1

contents="$save/AppIcon.appiconset/Contents.json"
wait_for 60 test -s "$contents" || fail "a click on Generate wrote no $contents"
[[ -s "$save/AppIcon.appiconset/Icon-60@3x.png" ]] || fail "the iPhone icons are missing"
[[ "$(identify -format '%wx%h' "$save/AppIcon.appiconset/Icon-60@3x.png")" == "180x180" ]] ||
    fail "Icon-60@3x.png is not 180x180"
import -window root "$work/generated.png"

wait_for 30 test -s "$work/shown" || fail "the save folder was not shown"
[[ "$(wc -l <"$work/shown")" -eq 1 ]] || fail "the save folder was shown more than once: $(cat "$work/shown")"
grep -qxF "file://${save// /%20}" "$work/shown" || fail "another folder than the save folder was shown: $(cat "$work/shown")"

# The keyboard way: Ctrl+Return presses the button.
rm -rf "$save/AppIcon.appiconset"
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+Return
wait_for 60 test -s "$contents" || fail "Ctrl+Return wrote no $contents"

xdotool key --clearmodifiers ctrl+w
exited() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 30 exited || fail "the program did not end when its window was closed"
status=0
wait "$pid" || status=$?
trap - EXIT
[[ "$status" -eq 0 ]] || fail "the program ended with status $status"

echo "PASS: window shown, Generate clicked and pressed, files written, window closed"
