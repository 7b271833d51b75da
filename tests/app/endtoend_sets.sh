#!/usr/bin/env bash
# Drives the real program on a virtual X server with a window manager, with keys only, as a
# user would:
#   1. an iPhone set, then an iPad set into the same folder, accepting the default answer of
#      the question that follows: the folder must then pass iconsmith-cli --check;
#   2. Ctrl+Q while a long generation runs: the program must end at once (well before the run
#      could have finished) and leave no partial set behind;
# and checks that the program wrote nothing to standard error meanwhile.
#
#   endtoend_sets.sh PROGRAM CLI WORK_FOLDER
#
# Exits with 77 (skipped) when Xvfb, xdotool or ImageMagick are missing. Uses openbox as the
# window manager when it is installed. Screenshots of each step are left in WORK_FOLDER.
set -euo pipefail

program=$1
cli=$2
work=$3

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
    import -window root "$work/failure.png" 2>/dev/null || true
    for log in "$work"/program*.log; do
        [[ -s "$log" ]] && { echo "--- $log ---" >&2; cat "$log" >&2; }
    done
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
unset ICONSMITH_VERBOSE

# Showing the folder would start a file browser; record the request instead.
cat >"$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$work/shown"
SCRIPT
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

wm=
if command -v openbox >/dev/null 2>&1; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
fi
pid=
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
    [[ -n "$wm" ]] && kill "$wm" 2>/dev/null || true
}
trap cleanup EXIT

# Starts the program on $1 with its output in program-$2.log, and waits for its window.
start() {
    "$program" "$1" >"$work/program-$2.log" 2>&1 &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Iconsmith$' | head -n 1) ||
        fail "the window did not appear"
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
    sleep 0.5
}

running() { kill -0 "$pid" 2>/dev/null && [[ "$(ps -o stat= -p "$pid")" != Z* ]]; }
ended() { ! running; }

# Types $1 into the save-folder field (Alt+S is its label's mnemonic).
save_to() {
    xdotool key --clearmodifiers alt+s
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 10 "$1"
}

# Chooses entry $1 of Make (Alt+M): 0 iPhone … 5 the scaled image set, then the targets.
make_choice() {
    xdotool key --clearmodifiers alt+m Home
    for ((i = 0; i < $1; ++i)); do
        xdotool key Down
    done
}

# 1. iPhone, then iPad into the same folder; Return answers the question.
convert -size 1024x1024 radial-gradient:'#ffd36b'-'#ff6a3d' "$work/icon.png"
save="$work/save folder"
start "$work/icon.png" sets
save_to "$save"
make_choice 0
xdotool key --clearmodifiers ctrl+Return
contents="$save/AppIcon.appiconset/Contents.json"
wait_for 60 test -s "$save/AppIcon.appiconset/Icon-60@3x.png" || fail "the iPhone set was not written"
wait_for 10 test -s "$contents" || fail "the iPhone set has no Contents.json"
sleep 1
make_choice 1
xdotool key --clearmodifiers ctrl+Return
# The question is a second window named Iconsmith, in front of the first.
question_shown() { xdotool search --onlyvisible --name '^Iconsmith$' | grep -qvx "$window"; }
wait_for 20 question_shown || fail "no question came before the iPad set"
sleep 0.5
import -window root "$work/question.png"
xdotool key --clearmodifiers Return
wait_for 60 test -s "$save/AppIcon.appiconset/Icon-83_5@2x.png" || fail "the iPad set was not written"
wait_for 20 bash -c "! test -e '$save/AppIcon.appiconset/Icon-60@3x.png'" ||
    fail "the iPhone files are still in the set"
sleep 1
import -window root "$work/replaced.png"
"$cli" --check "$save/AppIcon.appiconset" >"$work/check.txt" || fail "the set does not pass --check: $(cat "$work/check.txt")"
[[ -n "$(find "$XDG_DATA_HOME/Trash/files" -name 'Icon-60@3x.png' 2>/dev/null)" ]] ||
    fail "the iPhone set is not in the trash"
xdotool key --clearmodifiers ctrl+q
wait_for 20 ended || fail "the program did not end on Ctrl+Q"
pid=

# 2. Ctrl+Q while a scaled image set is written from a large source (zoom in: 3x its size).
convert -size 4096x4096 gradient:'#204080'-'#f0c040' "$work/large.png"
scaled="$work/scaled"
start "$work/large.png" quit
save_to "$scaled"
make_choice 5
xdotool key --clearmodifiers ctrl+Return
# The scaled images are made in a hidden staging folder inside the folder they are for.
staging() { compgen -G "$work/scaled/.iconsmith-staging-*" >/dev/null; }
wait_for 120 staging || fail "the generation did not start"
sleep 2
import -window root "$work/running.png"
running || fail "the generation ended before Ctrl+Q; use a larger source"
started=$(date +%s%N)
xdotool key --clearmodifiers ctrl+q
wait_for 10 ended || fail "the program still runs 10 seconds after Ctrl+Q"
took=$((($(date +%s%N) - started) / 1000000))
pid=
leftover=$(find "$work" -maxdepth 1 -name '*scaled*')
[[ -z "$leftover" ]] || fail "a partial set was left behind: $leftover"

for log in "$work"/program-*.log; do
    [[ ! -s "$log" ]] || fail "the program wrote to standard error or output: $(cat "$log")"
done

echo "PASS: iPhone then iPad with the default answer passes --check; Ctrl+Q during a run ended the program after ${took} ms and left no files"
